#pragma once

#include <QMainWindow>

class QPushButton;
class Surface;
class SurfaceImage;
class SurfaceLabel;

// The installation scheme: an air handler served by a water chiller whose
// condenser is cooled by a cooling tower, with flow arrows on the pipes and a
// help line (Label1) that explains what the pointer is on. Everything lies on
// the window's own surface (Form3Client), from front to back: the hot spots
// Label3 (the tower's fan) and Label2 (the tower), the help line, the arrows,
// the picture Image1. Opens maximised once the caller shows it; not modal; it
// closes itself only, and is deleted when it closes.
class Form3 : public QMainWindow
{
    Q_OBJECT

public:
    explicit Form3(QWidget *parent = nullptr);

    // "Cerrar ventana": closes this window.
    void Command1_Click();
    // A click on the picture: the help line shows the general text again.
    void ShowSchemeHelp();
    // The pointer over the tower / over the tower's fan writes its text, which
    // stays until another hot spot or a click on the picture replaces it.
    void ShowTowerHelp(Qt::MouseButtons button, Qt::KeyboardModifiers shift, float x, float y);
    void ShowTowerFanHelp(Qt::MouseButtons button, Qt::KeyboardModifiers shift, float x, float y);

    Surface *Form3Client = nullptr;
    QPushButton *Command1 = nullptr;
    SurfaceLabel *Label3 = nullptr;   // hot spot: the tower's fan
    SurfaceLabel *Label2 = nullptr;   // hot spot: the cooling tower
    SurfaceLabel *Label1 = nullptr;   // the help line
    // Flow arrows on the pipes and air paths.
    SurfaceImage *Image2 = nullptr;
    SurfaceImage *Image3 = nullptr;
    SurfaceImage *Image4 = nullptr;
    SurfaceImage *Image5 = nullptr;
    SurfaceImage *Image7 = nullptr;
    SurfaceImage *Image8 = nullptr;
    SurfaceImage *Image10 = nullptr;
    SurfaceImage *Image28 = nullptr;
    SurfaceImage *Image29 = nullptr;
    SurfaceImage *Image30 = nullptr;
    SurfaceImage *Image31 = nullptr;
    SurfaceImage *Image32 = nullptr;
    SurfaceImage *Image35 = nullptr;
    SurfaceImage *Image1 = nullptr;   // the scheme picture

private:
    void buildPicture();
    void buildHelpLine();
    void buildHotSpots();
    void connectHandlers();
};
