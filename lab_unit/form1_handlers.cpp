#include "form1.h"

void Form1::connectPanelHandlers() {}
void Form1::interruptor_Change() {}
void Form1::Timer2_Timer() {}
void Form1::Timer3_Timer() {}
void Form1::vapor1_Change() {}
void Form1::prec_Change() {}
void Form1::rec_Change() {}
void Form1::iKnobX1_Change() {}
void Form1::UpDown1_Change() {}
void Form1::UpDown2_Change() {}
void Form1::UpDown3_Change() {}
void Form1::UpDown4_Change() {}
void Form1::UpDown5_Change() {}
void Form1::UpDown6_Change() {}
