#include "form1.h"

#include <QtTest>

class Form1Test : public QObject
{
    Q_OBJECT
private slots:
    void opensWithTitleAndClientArea();
};

void Form1Test::opensWithTitleAndClientArea()
{
    Form1 form;
    QCOMPARE(form.objectName(), QStringLiteral("Form1"));
    QCOMPARE(form.windowTitle(), QStringLiteral("  Zelmora   T R A M B L O R"));
    QCOMPARE(form.centralWidget()->size(), QSize(760, 548));
}

QTEST_MAIN(Form1Test)
#include "tst_form1.moc"
