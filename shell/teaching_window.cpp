#include "teaching_window.h"

#include "form1_build.h"
#include "surface.h"
#include "twips.h"

#include <QMainWindow>
#include <QPushButton>

namespace teaching {

Surface *addClientSurface(QMainWindow &window, const QString &name, double width, double height)
{
    window.setAttribute(Qt::WA_DeleteOnClose);
    window.setFont(form1build::windowFont());
    auto *client = new Surface(&window);
    client->setObjectName(name);
    client->setFont(window.font());
    window.setCentralWidget(client);
    window.resize(twips::size(width, height));
    return client;
}

QPushButton *addCommandButton(Surface *client, const QString &caption, double left, double top,
                              double width, double height)
{
    auto *button = new QPushButton(caption, client);
    button->setObjectName(QStringLiteral("Command1"));
    // The caption keeps within a button sized for the design's narrower font.
    button->setFont(form1build::condensedFont(11));
    button->setGeometry(twips::rect(left, top, width, height));
    return button;
}

} // namespace teaching
