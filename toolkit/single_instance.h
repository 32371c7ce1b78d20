#pragma once

#include <QPointer>
#include <QWidget>

// A window class with one instance: built on first use, brought to the front
// while it is open, and built afresh from its design once it has been closed.
//
//     static QPointer<HelpWindow> help;
//     showSingleInstance(help, [] { return new HelpWindow; });
//
// The window is deleted when it closes (Qt::WA_DeleteOnClose), which empties
// the slot. A window closed a moment ago whose deletion is still pending is
// already treated as gone: Qt clears WA_DeleteOnClose when it schedules it.
template <typename W, typename Make>
W *showSingleInstance(QPointer<W> &slot, Make make)
{
    if (!slot || !slot->testAttribute(Qt::WA_DeleteOnClose)) {
        slot = make();
        slot->setAttribute(Qt::WA_DeleteOnClose);
    }
    slot->setWindowState(slot->windowState() & ~Qt::WindowMinimized);
    slot->show();
    slot->raise();
    slot->activateWindow();
    return slot;
}
