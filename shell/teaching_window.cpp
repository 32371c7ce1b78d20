#include "teaching_window.h"

#include "surface.h"
#include "twips.h"
#include "window_build.h"

#include <QMainWindow>

namespace teaching {

Surface *addWindowSurface(QMainWindow &window, const QString &name, double width, double height)
{
    window.setAttribute(Qt::WA_DeleteOnClose);
    window.setFont(winbuild::windowFont());
    auto *client = new Surface(&window);
    client->setObjectName(name);
    client->setFont(window.font());
    window.setCentralWidget(client);
    window.resize(twips::size(width, height));
    return client;
}

} // namespace teaching
