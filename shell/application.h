#pragma once

#include <QString>

class Form1;

// The program's version record and title, as every window shows them.
namespace app {

constexpr int kMajor = 2;
constexpr int kMinor = 1;
constexpr int kRevision = 12;

// The application title: "Vorbelia".
QString title();
// "2.1.12": major, minor and revision as plain decimal integers.
QString version();

// Loads Qt's own Spanish texts (standard buttons, the context menus of text
// boxes and pages), whatever the machine's locale: the whole interface is
// Spanish. False when Qt's translations are not installed; the standard
// texts then stay English.
bool loadStandardTexts();

} // namespace app

// Wires the main window's menu items that open the program's other windows:
// each opens its window's single instance, non-modal and without an owner.
void connectWindowMenus(Form1 &form1);
