#pragma once

#include <QMainWindow>

// The operation window: an air handler serving one room.
class Form4 : public QMainWindow
{
    Q_OBJECT
public:
    explicit Form4(QWidget *parent = nullptr);
};
