#pragma once

#include "window_build.h"

#include <QList>
#include <QObject>
#include <QRegularExpression>
#include <QString>
#include <QWidget>

// A window's controls found as anyone scripting the window finds them: by
// their names. A missing control ends the test program, naming it.
template <typename T = QObject>
T *control(const QObject &window, const QString &name)
{
    T *found = window.findChild<T *>(name);
    if (!found)
        qFatal("%s has no control %s of the type asked for", qPrintable(window.objectName()), qPrintable(name));
    return found;
}

// An element of a control array: control(window, "Text7", 26) is "Text7(26)".
template <typename T = QObject>
T *control(const QObject &window, const char *array, int index)
{
    return control<T>(window, winbuild::indexed(array, index));
}

// Every element of a control array, in no particular order.
template <typename T>
QList<T *> elements(const QObject &window, const char *array)
{
    return window.findChildren<T *>(
        QRegularExpression(QStringLiteral("^%1\\(\\d+\\)$").arg(QLatin1String(array))));
}

// Whether a control is shown as far as it goes: a widget not hidden (whether
// or not its tab is in front), a windowless item Visible.
inline bool isShown(const QObject *control)
{
    const auto *widget = qobject_cast<const QWidget *>(control);
    return widget ? !widget->isHidden() : control->property("Visible").toBool();
}
