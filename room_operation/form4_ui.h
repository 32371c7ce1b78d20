#pragma once

#include "chart_readout.h"

#include <array>

class QGroupBox;
class QLineEdit;
class QMainWindow;
class QRadioButton;
class QTimer;
class QWidget;
class Surface;
class SurfaceImage;
class SurfaceLabel;
class SurfaceLine;
class SurfaceShape;
class UpDown;
class iThermometerX;

// The controls of the operation window (Form4), named as the window names
// them; a control array is a std::array indexed like the window's array, with
// null where the window has no element. setupUi builds them all into the
// window with their design values; it connects no handler and runs none.
struct Form4Ui
{
    void setupUi(QMainWindow &window);

    QTimer *Timer1 = nullptr;
    Surface *Form4Client = nullptr;           // the window's own drawing surface

    // --- Frames --------------------------------------------------------------
    QGroupBox *Frame1 = nullptr;              // "Local"
    QGroupBox *Frame2 = nullptr;              // "Tramblor"
    QGroupBox *Frame3 = nullptr;              // "Diagrama psicrométrico"
    QGroupBox *Frame4 = nullptr;              // "Aire Exterior"
    Surface *Frame1Client = nullptr;
    Surface *Frame2Client = nullptr;
    Surface *Frame3Client = nullptr;
    Surface *Frame4Client = nullptr;

    // --- Inputs and their step controls ----------------------------------------
    std::array<QLineEdit *, 5> Text1{};       // 4: outdoor temperature; 0..3: window panes
    std::array<QLineEdit *, 4> Text3{};       // 3: pressure (mbar); 0..2: bricks
    std::array<QLineEdit *, 4> Text4{};       // 3: outdoor humidity; 0..2: bricks
    std::array<QLineEdit *, 3> Text5{};       // bricks
    QLineEdit *Text6 = nullptr;               // ventilation, m3/h
    QLineEdit *Text7 = nullptr;               // room temperature
    QLineEdit *Text8 = nullptr;               // room humidity
    QLineEdit *Text9 = nullptr;               // bypass factor, %
    QLineEdit *Text10 = nullptr;              // sensible load, W
    QLineEdit *Text11 = nullptr;              // latent load, W
    QLineEdit *Text12 = nullptr;              // apparatus dew point
    UpDown *UpDown1 = nullptr;
    UpDown *UpDown2 = nullptr;
    UpDown *UpDown3 = nullptr;
    UpDown *UpDown4 = nullptr;
    UpDown *UpDown5 = nullptr;
    UpDown *UpDown6 = nullptr;
    UpDown *UpDown7 = nullptr;
    UpDown *UpDown8 = nullptr;
    UpDown *UpDown9 = nullptr;
    UpDown *UpDown10 = nullptr;
    SurfaceLabel *Label1 = nullptr;
    SurfaceLabel *Label3 = nullptr;
    SurfaceLabel *Label4 = nullptr;
    SurfaceLabel *Label5 = nullptr;
    SurfaceLabel *Label6 = nullptr;
    SurfaceLabel *Label7 = nullptr;
    SurfaceLabel *Label9 = nullptr;
    SurfaceLabel *Label10 = nullptr;
    SurfaceLabel *Label12 = nullptr;
    SurfaceLabel *Label13 = nullptr;

    // --- Results -----------------------------------------------------------
    QLineEdit *Text23 = nullptr;              // "FCSc"
    QLineEdit *Text24 = nullptr;              // "V imp."
    QLineEdit *Text25 = nullptr;              // "Potencia clim."
    QLineEdit *Text26 = nullptr;              // "Qt (W)"
    QLineEdit *Text27 = nullptr;              // "FCSL"
    SurfaceLabel *Label16 = nullptr;
    SurfaceLabel *Label17 = nullptr;
    SurfaceLabel *Label18 = nullptr;
    SurfaceLabel *Label19 = nullptr;
    SurfaceLabel *Label20 = nullptr;

    // --- Outdoor frame extras -------------------------------------------------
    iThermometerX *iThermometerX1 = nullptr;
    SurfaceImage *Image14 = nullptr;          // barometer
    SurfaceLine *Line15 = nullptr;
    QRadioButton *Option1 = nullptr;          // "Verano"
    QRadioButton *Option2 = nullptr;          // "Invierno"
    SurfaceImage *Image15 = nullptr;          // sun icon
    SurfaceImage *Image12 = nullptr;          // snowflake icon

    // --- Chart box -----------------------------------------------------------
    Surface *Picture2 = nullptr;
    ChartReadout::Boxes readoutBoxes;         // Text13..Text22; no Text24 here
    std::array<SurfaceLabel *, 17> Label8{};  // 7..16: readout captions
    SurfaceLabel *Label14 = nullptr;
    SurfaceLabel *Label15 = nullptr;
    SurfaceLine *Line8 = nullptr;             // cross-hair, horizontal
    SurfaceLine *Line9 = nullptr;             // cross-hair, vertical
    SurfaceShape *Shape10 = nullptr;
    ChartReadout *readout = nullptr;

    // --- Process markers (chart) and point letters (drawing and chart) ----------
    std::array<SurfaceLine *, 8> Line4{};     // 0: duct; 4..7: the process path
    std::array<SurfaceLabel *, 12> Label11{}; // 0..3 on the drawing; 8..11 on the chart

    // --- Installation drawing ---------------------------------------------------
    SurfaceImage *Image1 = nullptr;           // air handler
    SurfaceImage *Image2 = nullptr;           // supply duct with grilles
    SurfaceImage *Image3 = nullptr;           // arrows: up
    SurfaceImage *Image29 = nullptr;          //         up
    SurfaceImage *Image33 = nullptr;          //         down
    SurfaceImage *Image34 = nullptr;          //         left
    SurfaceImage *Image4 = nullptr;           // extract duct
    SurfaceImage *Image5 = nullptr;           // lamp off
    SurfaceImage *Image6 = nullptr;           // lamp on
    SurfaceImage *Image7 = nullptr;           // occupants
    SurfaceImage *Image8 = nullptr;
    SurfaceImage *Image9 = nullptr;
    SurfaceImage *Image10 = nullptr;
    SurfaceImage *Image11 = nullptr;          // computer
    SurfaceImage *Image13 = nullptr;          // clock
    SurfaceImage *Image17 = nullptr;          // cloud
    SurfaceLine *Line1 = nullptr;             // ducts
    SurfaceLine *Line2 = nullptr;
    SurfaceLine *Line3 = nullptr;
    SurfaceLine *Line5 = nullptr;
    SurfaceLine *Line6 = nullptr;
    SurfaceLine *Line7 = nullptr;             // roof
    SurfaceLine *Line10 = nullptr;
    SurfaceLine *Line11 = nullptr;            // gable
    SurfaceLine *Line13 = nullptr;
    SurfaceLine *Line18 = nullptr;
    SurfaceLine *Line16 = nullptr;            // hidden
    SurfaceLine *Line17 = nullptr;            // hidden
    std::array<SurfaceLine *, 4> Line12{};    // sun rays
    SurfaceShape *Shape1 = nullptr;           // room
    SurfaceShape *Shape2 = nullptr;           // window frame
    SurfaceShape *Shape3 = nullptr;           // sun
    SurfaceShape *Shape4 = nullptr;           // round window
    SurfaceShape *Shape5 = nullptr;           // chimney
    std::array<SurfaceLabel *, 4> Label2{};   // 1..3: duct captions
    SurfaceLabel *Label21 = nullptr;          // hover help
    SurfaceLabel *Label22 = nullptr;
    SurfaceLabel *Label23 = nullptr;
    SurfaceLabel *Label24 = nullptr;
    SurfaceLabel *Label25 = nullptr;
    SurfaceLabel *Label26 = nullptr;
    SurfaceLabel *Label27 = nullptr;
    SurfaceLabel *Label28 = nullptr;
    SurfaceLabel *Label29 = nullptr;
    SurfaceLabel *Label30 = nullptr;
    QLineEdit *Text2 = nullptr;               // door
    std::array<iThermometerX *, 5> ter{};     // 4: room thermometer

private:
    // The parts of setupUi. Those given the window set up the window itself,
    // hang what they build on it or take its colours.
    void buildFrame(QMainWindow &window);
    void buildTimers(QWidget &window);
    void buildDrawing(const QWidget &window);
    void buildHouseBack();
    void buildDucts();
    void buildRoomFittings();
    void buildSun();
    void buildRoomContents(const QWidget &window);
    void buildHoverLabels();
    void buildWallAndWindow();
    void buildRoomThermometer();
    void buildFrames(const QWidget &window);
    void buildOutdoorExtras();
    void buildInputs();
    void buildResults();
    void buildChartBox(const QWidget &window);
    void buildChartReadout();
    void buildChartMarkers(const QWidget &window);
};
