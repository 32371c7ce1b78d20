#pragma once

// What the quality tests share: the program built as it starts, and the
// bookkeeping of the windows it opens.

#include <QApplication>
#include <QString>
#include <QWidget>

#include <memory>

class Form1;

namespace quality {

// The program as it stands after the splash hands over: the main window,
// maximised, its menus wired by the application to the other windows.
std::unique_ptr<Form1> startProgram();

// Deletes the windows closed so far, as the end of the event loop's turn would.
void deleteClosedWindows();

// Closes every window the main window's menus can open, and deletes them.
void closeOpenedWindows();

// The top-level windows of class W that exist now (closed ones included until
// deleteClosedWindows()).
template <typename W>
QList<W *> windowsOf()
{
    QList<W *> found;
    for (QWidget *top : QApplication::topLevelWidgets())
        if (auto *window = qobject_cast<W *>(top))
            found << window;
    return found;
}

// The window's control or item of that object name (the system's name,
// "Text7(26)" for an array element); the test fails loudly on a name the
// window does not have.
template <typename T>
T *named(const QObject &window, const QString &name)
{
    T *found = window.findChild<T *>(name);
    if (!found)
        qFatal("%s has no %s", qPrintable(window.objectName()), qPrintable(name));
    return found;
}

// While it lives, answers every modal box the program puts up, as a user
// would, as soon as the event loop runs: OK on a message box, Esc on any other
// dialog. So a box shown with exec() inside an action (the help menu's hint,
// System Information not available) lets the action return, whether the action
// opened it at once or a button pressed by its access key opens it a moment
// later; a window-modal box (a print failure) is answered at the next turn.
class ModalBoxAnswerer : public QObject
{
public:
    ModalBoxAnswerer();
    ~ModalBoxAnswerer() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace quality
