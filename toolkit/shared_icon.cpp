#include "shared_icon.h"

#include <QCoreApplication>
#include <QHash>
#include <QIcon>
#include <QString>

namespace {

QHash<QString, QIcon> &icons()
{
    static QHash<QString, QIcon> made;
    return made;
}

} // namespace

const QIcon &sharedIcon(const QString &resourcePath)
{
    auto found = icons().find(resourcePath);
    if (found == icons().end()) {
        // Let go with the application, while the icon engines can still clean up.
        if (icons().isEmpty())
            qAddPostRoutine([] { icons().clear(); });
        found = icons().insert(resourcePath, QIcon(resourcePath));
    }
    return *found;
}
