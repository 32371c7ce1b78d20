#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

#include <array>
#include <cstddef>
#include <functional>

class QLineEdit;
class QPushButton;
class QWidget;
class Surface;
class SurfaceLabel;

// Helpers the windows' building code shares. Geometry in twips, relative to
// the parent; on a Surface, relative to its inner area (inside its border).
namespace winbuild {

// The platform's application-workspace colour (the background of an MDI
// area), which Qt's palette has no role for.
inline const QColor kApplicationWorkspace{171, 171, 171};

// "Name" and 3 -> "Name(3)": the name of an element of a control array.
QString indexed(const char *name, int index);

// --- Fonts --------------------------------------------------------------------

// The face of the windows and of the pictures they show: DejaVu Sans at a
// pixel size (the design's 8.25 pt is 11 px, 9.75 pt 13 px, 12 pt 16 px).
QFont uiFont(int pixelSize, bool bold = false);

// The windows' own font: 8.25 pt.
QFont windowFont();

// The condensed face, for texts that must keep within boxes drawn for the
// design's narrower font.
QFont condensedFont(int pixelSize, bool bold = false);

// --- Windowed controls ---------------------------------------------------------

// Places a control in its parent.
void place(QWidget *control, double left, double top, double width, double height);

// A control of type Widget named `name`, placed in `parent`.
template <typename Widget>
Widget *addControl(QWidget *parent, const QString &name, double left, double top, double width, double height)
{
    auto *control = new Widget(parent);
    control->setObjectName(name);
    place(control, left, top, width, height);
    return control;
}

// A single-line text box with its design text, showing the text's start.
QLineEdit *addTextBox(QWidget *parent, const QString &name, double left, double top,
                      double width, double height, const QString &text = {});

// A command button; its caption keeps within a button sized for the
// design's narrower font.
QPushButton *addCommandButton(QWidget *parent, const QString &name, const QString &caption, double left,
                              double top, double width, double height);

// --- Surfaces -------------------------------------------------------------------

// A surface filling `container`, with the container's top-left as its origin,
// so that what lies on it is placed as on the container itself; the
// container's frame and title stay visible around it.
Surface *addClientSurface(QWidget *container, const QString &name);

// A picture box: a surface with a sunken border, showing what `render` draws
// for each device pixel ratio.
Surface *addPictureBox(QWidget *parent, const QString &name, double left, double top, double width,
                       double height, std::function<QImage(qreal dpr)> render);

// --- Labels on a surface ---------------------------------------------------------

// A transparent caption sized to its text (the windows' auto-sized labels).
SurfaceLabel *addCaption(Surface *surface, const QString &name, const QString &caption, double left,
                         double top, const QFont &font = windowFont(), const QColor &color = Qt::black);

// An auto-sized caption on its own ground.
SurfaceLabel *addOpaqueCaption(Surface *surface, const QString &name, const QString &caption, double left,
                               double top, const QColor &ground, const QFont &font = windowFont(),
                               const QColor &color = Qt::black);

// A transparent caption that wraps within `width`, `height` high (as high as
// its lines with autoSize).
SurfaceLabel *addWrappedCaption(Surface *surface, const QString &name, const QString &caption, double left,
                                double top, double width, double height, const QFont &font, bool autoSize);

// A hot spot: a transparent label without caption that takes the pointer and
// shows `toolTip` there.
SurfaceLabel *addHotSpot(Surface *surface, const QString &name, double left, double top, double width,
                         double height, const QString &toolTip = {});

// --- Readouts on a picture box ----------------------------------------------------

// A text box that shows a reading over a picture: in the readouts' narrow
// face, taking the focus only on a click.
QLineEdit *addReadoutBox(Surface *surface, const QString &name, double left, double top, double width,
                         double height);

// The face of a readout box's caption: the readouts' narrow face, or the
// Symbol font at the same size for a caption that reads as Greek ("f=" shows
// as "φ=").
enum class CaptionFace { Narrow, Symbol };

// A readout box's caption, in a face that ends where its box begins.
SurfaceLabel *addReadoutCaption(Surface *surface, const QString &name, const QString &caption, double left,
                                double top, CaptionFace face = CaptionFace::Narrow);

// A readout box of a window and its caption on its left, an element of a
// caption array.
template <class Window>
struct ReadoutDesign
{
    QLineEdit *Window::*box;
    const char *name;
    int caption;
    const char *text;   // UTF-8
    double captionLeft, captionTop;
    double left, top, width, height;
    CaptionFace captionFace = CaptionFace::Narrow;
};

// Adds each readout's caption, "<captionArray>(<caption>)", and then its box,
// in order, keeping them in `captions` and in the window's members.
template <class Window, std::size_t Readouts, std::size_t Captions>
void addReadouts(Window &window, Surface *surface, const ReadoutDesign<Window> (&readouts)[Readouts],
                 const char *captionArray, std::array<SurfaceLabel *, Captions> &captions)
{
    for (const ReadoutDesign<Window> &r : readouts) {
        captions.at(std::size_t(r.caption)) = addReadoutCaption(surface, indexed(captionArray, r.caption),
                                                                QString::fromUtf8(r.text), r.captionLeft,
                                                                r.captionTop, r.captionFace);
        window.*r.box = addReadoutBox(surface, QLatin1String(r.name), r.left, r.top, r.width, r.height);
    }
}

} // namespace winbuild
