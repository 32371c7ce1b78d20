#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QLineEdit;
class QWidget;
class Surface;
class SurfaceLabel;

// Small helpers the operation window's building code shares. Geometry in
// twips, relative to the parent (on a Surface, to its inner area).
namespace form4build {

// "Line4" and 5 -> "Line4(5)": the name of an element of a control array.
QString indexed(const char *name, int index);

// The window's font (DejaVu Sans, 11 px for the design's 8.25 pt) at another
// pixel size or weight.
QFont windowFont(int pixelSize = 11, bool bold = false);

// The condensed face of the window's font, for texts that must keep within
// boxes drawn for the design's narrower font.
QFont condensedFont(int pixelSize);

// A single-line text box with its design text.
QLineEdit *addTextBox(QWidget *parent, const QString &name, double left, double top,
                      double width, double height, const QString &text = {});

// A transparent caption sized to its text.
SurfaceLabel *addCaption(Surface *surface, const QString &name, const QString &caption,
                         double left, double top, const QFont &font = windowFont(),
                         const QColor &color = Qt::black);

// A surface filling `container`, with the container's top-left as its
// origin; the container's frame and title stay visible around it.
Surface *addClientSurface(QWidget *container, const QString &name);

} // namespace form4build
