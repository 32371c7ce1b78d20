#pragma once

#include <QString>

class QMainWindow;
class QPushButton;
class Surface;

// What the two teaching windows (the process diagram Form2 and the installation
// scheme Form3) share: a client area that is a Surface, and a command button on it.
// Geometry in twips.
namespace teaching {

// Makes a Surface named `name` the window's client area, in the window's font,
// sized `width` x `height`; the window is deleted when it closes.
Surface *addClientSurface(QMainWindow &window, const QString &name, double width, double height);

// The window's command button "Command1" on its client area.
QPushButton *addCommandButton(Surface *client, const QString &caption, double left, double top,
                              double width, double height);

} // namespace teaching
