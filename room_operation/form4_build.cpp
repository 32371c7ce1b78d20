#include "form4_build.h"

#include "surface.h"
#include "twips.h"

#include <QLineEdit>

namespace form4build {

QString indexed(const char *name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

QFont windowFont(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFont condensedFont(int pixelSize)
{
    QFont font = windowFont(pixelSize);
    font.setFamily(QStringLiteral("DejaVu Sans Condensed"));
    return font;
}

QLineEdit *addTextBox(QWidget *parent, const QString &name, double left, double top, double width,
                      double height, const QString &text)
{
    auto *box = new QLineEdit(text, parent);
    box->setObjectName(name);
    const auto *surface = qobject_cast<const Surface *>(parent);
    const QPoint origin = surface ? surface->innerOrigin() : QPoint();
    box->setGeometry(twips::rect(left, top, width, height).translated(origin));
    box->setCursorPosition(0);
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

Surface *addClientSurface(QWidget *container, const QString &name)
{
    container->ensurePolished();
    auto *surface = new Surface(container);
    surface->setObjectName(name);
    surface->setGeometry(container->rect());
    surface->setMask(container->contentsRect());
    return surface;
}

} // namespace form4build
