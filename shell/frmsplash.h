#pragma once

#include <QWidget>

#include <array>

class QTimer;
class Surface;
class SurfaceImage;
class SurfaceLabel;
class SurfaceLine;

// The start-up window: the series title, the product's name and version on a
// dark blue frame, with no title bar and no taskbar entry. The first key that
// types a character, click on a free part of Frame1 or tick of Timer1 hands
// over: the splash closes for good (it deletes itself) and emits handedOver(),
// once, for the main window to be shown.
class frmSplash : public QWidget
{
    Q_OBJECT

public:
    explicit frmSplash(QWidget *parent = nullptr);

    // The window's load: the version line and the product name. Runs once,
    // from the constructor, which also starts Timer1.
    void Form_Load();
    void Form_KeyPress();
    void Frame1_Click();
    void Timer1_Timer();

    // --- Controls ------------------------------------------------------------
    Surface *Frame1 = nullptr;
    SurfaceImage *imgLogo = nullptr;
    SurfaceLabel *Label3 = nullptr;
    SurfaceLabel *Label2 = nullptr;
    std::array<SurfaceLine *, 2> Line1{};
    SurfaceLabel *lblProductName = nullptr;
    SurfaceLabel *lblVersion = nullptr;
    SurfaceLabel *lblPlatform = nullptr;
    SurfaceLabel *Label1 = nullptr;
    QTimer *Timer1 = nullptr;

signals:
    // The splash has closed; the main window is to be shown.
    void handedOver();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void buildFrame();
    void buildTitle();
    void buildProductLines();
    void connectHandlers();
    void handOver();

    bool m_pressOnFreeFrame = false;
    bool m_handedOver = false;
};
