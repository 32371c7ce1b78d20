#include "single_instance.h"

#include <QLineEdit>
#include <QtTest>

class SingleInstanceTest : public QObject
{
    Q_OBJECT
private slots:
    void buildsOnceBringsBackAndRebuildsAfterClose();
};

namespace {

int built = 0;

QLineEdit *makeWindow()
{
    ++built;
    return new QLineEdit(QStringLiteral("design"));
}

} // namespace

void SingleInstanceTest::buildsOnceBringsBackAndRebuildsAfterClose()
{
    QPointer<QLineEdit> slot;
    QLineEdit *first = showSingleInstance(slot, makeWindow);
    QVERIFY(first->isVisible());
    QCOMPARE(built, 1);

    // Open again while loaded: the same window, as the user left it, no longer minimised.
    first->setText(QStringLiteral("typed"));
    first->showMinimized();
    QCOMPARE(showSingleInstance(slot, makeWindow), first);
    QCOMPARE(built, 1);
    QVERIFY(!(first->windowState() & Qt::WindowMinimized));
    QCOMPARE(first->text(), QStringLiteral("typed"));

    // Closed and opened again at once, before the closed one is deleted: a fresh window.
    QPointer<QLineEdit> closed = first;
    QVERIFY(first->close());
    QLineEdit *second = showSingleInstance(slot, makeWindow);
    QVERIFY(second != first);
    QCOMPARE(built, 2);
    QCOMPARE(second->text(), QStringLiteral("design"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(closed.isNull());
    QVERIFY(second->isVisible());

    // Closed and left alone: the window is unloaded and the slot empties.
    second->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(slot.isNull());
}

QTEST_MAIN(SingleInstanceTest)
#include "tst_single_instance.moc"
