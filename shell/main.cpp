#include "form1.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vorbelia"));
    QApplication::setApplicationVersion(QStringLiteral("2.1.12"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/app.svg")));

    Form1 form1;
    form1.showMaximized();
    return QApplication::exec();
}
