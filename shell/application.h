#pragma once

class Form1;

// Wires the main window's menu items that open the program's other windows.
void connectWindowMenus(Form1 &form1);
