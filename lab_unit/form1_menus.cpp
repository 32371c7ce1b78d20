#include "form1.h"

void Form1::connectMenuHandlers() {}
void Form1::imprimir_Click() {}
void Form1::ce_Click() {}
void Form1::com_Click() {}
void Form1::mficha_Click() {}
