#pragma once

#include <QString>

class QMainWindow;
class Surface;

// What the two teaching windows (the process diagram Form2 and the installation
// scheme Form3) share: a client area that is a Surface. Geometry in twips.
namespace teaching {

// Makes a Surface named `name` the window's client area, in the window's font,
// sized `width` x `height`; the window is deleted when it closes. (Unlike
// winbuild::addClientSurface, which lays a surface over a frame's inside.)
Surface *addWindowSurface(QMainWindow &window, const QString &name, double width, double height);

} // namespace teaching
