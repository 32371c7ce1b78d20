#pragma once

#include <QMainWindow>

#include <array>

class QPushButton;
class Surface;
class SurfaceImage;
class SurfaceLabel;

// The process diagram: an exploded drawing of an air handler and, under it, how
// the temperature and the absolute humidity of the air change through its
// stages in summer and in winter. The captions Label1(0..25) lie over the
// picture Image1 on the window's own surface (Form2Client); they take no input.
// Not modal; it closes itself only, and is deleted when it closes.
class Form2 : public QMainWindow
{
    Q_OBJECT

public:
    explicit Form2(QWidget *parent = nullptr);

    // "&Cerrar Ventana": closes this window.
    void Command1_Click();

    Surface *Form2Client = nullptr;
    SurfaceImage *Image1 = nullptr;
    std::array<SurfaceLabel *, 26> Label1{};
    QPushButton *Command1 = nullptr;

private:
    void buildPicture();
    void buildLabels();
};
