#include "form4.h"

Form4::Form4(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form4"));
}
