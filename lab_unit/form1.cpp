#include "form1.h"

#include "twips.h"

#include <QWidget>

Form1::Form1(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("  Zelmora   T R A M B L O R"));
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("Form1Client"));
    client->setFixedSize(twips::size(11400, 8220));
    setCentralWidget(client);
}
