#pragma once

#include <QMainWindow>

// The main window: the laboratory air-conditioning trainer.
class Form1 : public QMainWindow
{
    Q_OBJECT
public:
    explicit Form1(QWidget *parent = nullptr);
};
