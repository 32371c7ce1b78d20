#pragma once

class Form1;

// The application object's set-up that the windows rely on.
namespace app {

// Gives the application object the program's name and its version, written
// "major.minor.revision", as the build's project declaration states them.
// Every window reads them from QCoreApplication::applicationName() and
// applicationVersion(); main() calls this first, and the tests do the same.
void setNameAndVersion();

// Loads Qt's own Spanish texts (standard buttons, the context menus of text
// boxes and pages), whatever the machine's locale: the whole interface is
// Spanish. False when Qt's translations are not installed; the standard
// texts then stay English.
bool loadStandardTexts();

} // namespace app

// Wires the main window's menu items that open the program's other windows:
// each opens its window's single instance, non-modal and without an owner.
void connectWindowMenus(Form1 &form1);
