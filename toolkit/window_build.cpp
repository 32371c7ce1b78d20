#include "window_build.h"

#include "surface.h"
#include "symbol_font.h"
#include "twips.h"

#include <QLineEdit>
#include <QPushButton>

namespace winbuild {

namespace {

constexpr int kWindowFontPixels = 11;
// The readouts' boxes and captions over a picture, whose readings must fit
// the narrow boxes.
constexpr int kReadoutBoxPixels = 9;
constexpr int kReadoutCaptionPixels = 10;

} // namespace

QString indexed(const char *name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

QFont uiFont(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFont windowFont()
{
    return uiFont(kWindowFontPixels);
}

QFont condensedFont(int pixelSize, bool bold)
{
    QFont font = uiFont(pixelSize, bold);
    font.setFamily(QStringLiteral("DejaVu Sans Condensed"));
    return font;
}

void place(QWidget *control, double left, double top, double width, double height)
{
    // On a picture box, positions count from inside its border.
    const auto *surface = qobject_cast<const Surface *>(control->parentWidget());
    const QPoint origin = surface ? surface->innerOrigin() : QPoint();
    control->setGeometry(twips::rect(left, top, width, height).translated(origin));
}

QLineEdit *addTextBox(QWidget *parent, const QString &name, double left, double top, double width,
                      double height, const QString &text)
{
    auto *box = addControl<QLineEdit>(parent, name, left, top, width, height);
    box->setText(text);
    box->setCursorPosition(0);
    return box;
}

QPushButton *addCommandButton(QWidget *parent, const QString &name, const QString &caption, double left,
                              double top, double width, double height)
{
    auto *button = addControl<QPushButton>(parent, name, left, top, width, height);
    button->setText(caption);
    button->setFont(condensedFont(kWindowFontPixels));
    return button;
}

Surface *addClientSurface(QWidget *container, const QString &name)
{
    container->ensurePolished();
    auto *surface = new Surface(container);
    surface->setObjectName(name);
    surface->setGeometry(container->rect());
    // The container's own frame (and title) show around the surface.
    surface->setMask(container->contentsRect());
    return surface;
}

Surface *addPictureBox(QWidget *parent, const QString &name, double left, double top, double width,
                       double height, std::function<QImage(qreal dpr)> render)
{
    auto *box = addControl<Surface>(parent, name, left, top, width, height);
    box->setBorder(true);
    box->setPictureRenderer(std::move(render));
    return box;
}

SurfaceLabel *addCaption(Surface *surface, const QString &name, const QString &caption, double left,
                         double top, const QFont &font, const QColor &color)
{
    SurfaceLabel *label = surface->addLabel(name, caption, float(left), float(top), 0, 0);
    label->setFont(font);
    label->setForeColor(color);
    label->setTransparent(true);
    label->setAutoSize(true);
    return label;
}

SurfaceLabel *addOpaqueCaption(Surface *surface, const QString &name, const QString &caption, double left,
                               double top, const QColor &ground, const QFont &font, const QColor &color)
{
    SurfaceLabel *label = addCaption(surface, name, caption, left, top, font, color);
    label->setTransparent(false);
    label->setBackColor(ground);
    return label;
}

SurfaceLabel *addWrappedCaption(Surface *surface, const QString &name, const QString &caption, double left,
                                double top, double width, double height, const QFont &font, bool autoSize)
{
    SurfaceLabel *label = surface->addLabel(name, caption, float(left), float(top), float(width), float(height));
    label->setFont(font);
    label->setTransparent(true);
    label->setWordWrap(true);
    label->setAutoSize(autoSize);
    return label;
}

SurfaceLabel *addHotSpot(Surface *surface, const QString &name, double left, double top, double width,
                         double height, const QString &toolTip)
{
    SurfaceLabel *label = surface->addLabel(name, QString(), float(left), float(top), float(width), float(height));
    label->setTransparent(true);
    label->setToolTip(toolTip);
    return label;
}

QLineEdit *addReadoutBox(Surface *surface, const QString &name, double left, double top, double width,
                         double height)
{
    QLineEdit *box = addTextBox(surface, name, left, top, width, height);
    box->setFont(condensedFont(kReadoutBoxPixels));
    box->setFocusPolicy(Qt::ClickFocus);
    return box;
}

SurfaceLabel *addReadoutCaption(Surface *surface, const QString &name, const QString &caption, double left,
                                double top, CaptionFace face)
{
    const QFont font = face == CaptionFace::Symbol ? symbolFont(kReadoutCaptionPixels)
                                                   : condensedFont(kReadoutCaptionPixels);
    return addCaption(surface, name, caption, left, top, font);
}

} // namespace winbuild
