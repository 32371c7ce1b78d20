#pragma once

#include "room_model.h"

#include <QMainWindow>

#include <array>
#include <optional>

class ChartReadout;
class QGroupBox;
class QLineEdit;
class QRadioButton;
class QTimer;
class Surface;
class SurfaceImage;
class SurfaceLabel;
class SurfaceLine;
class SurfaceShape;
class UpDown;
class iThermometerX;

// The operation window: an air handler that serves one room. The drawing of
// the installation lies on the window's own surface (Form4Client), with the
// frames "Aire Exterior" (Frame4) and "Diagrama psicrométrico" (Frame3) on
// its right and "Local" (Frame1) and "Tramblor" (Frame2) beneath it.
//
// Controls are public members named as the window names them; a control
// array is a std::array indexed like the window's array, with null where the
// window has no element. Every control's objectName is its name ("Line4(5)"
// for an array element).
class Form4 : public QMainWindow
{
    Q_OBJECT

public:
    explicit Form4(QWidget *parent = nullptr);

    // The window's load: runs calculo once. Runs from the constructor, after
    // the design is built and the handlers are connected.
    void Form_Load();

    // Reads the ten input boxes, writes Text25, Text27, Text24, Text26 and
    // Text23 and places the process markers on the chart. While some box holds
    // no number, or one the quantity cannot physically be, the results show no
    // reading and the markers are hidden; a result or point without a value
    // (a division by zero) shows no reading or is hidden on its own.
    void calculo();

    // Step control of the outdoor temperature: the thermometer, then calculo.
    // The other step controls but UpDown4 run calculo directly.
    void UpDown2_Change();

    // Blink of the lamp and the cloud, every second.
    void Timer1_Timer();

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
    QLineEdit *Text13 = nullptr;
    QLineEdit *Text14 = nullptr;
    QLineEdit *Text15 = nullptr;
    QLineEdit *Text16 = nullptr;
    QLineEdit *Text17 = nullptr;
    QLineEdit *Text18 = nullptr;
    QLineEdit *Text19 = nullptr;
    QLineEdit *Text20 = nullptr;
    QLineEdit *Text21 = nullptr;
    QLineEdit *Text22 = nullptr;
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
    void buildFrame();
    void buildTimers();
    void buildFrames();
    void buildInputs();
    void buildResults();
    void buildOutdoorExtras();
    void buildChartBox();
    void buildChartReadout();
    void buildChartMarkers();
    void buildDrawing();
    void buildHouseBack();
    void buildDucts();
    void buildRoomFittings();
    void buildSun();
    void buildRoomContents();
    void buildHoverLabels();
    void buildWallAndWindow();
    void buildRoomThermometer();
    // Connects the handlers, after every design value is set.
    void connectHandlers();

    // The input boxes as numbers; none if any box holds no number or a number
    // outside its quantity's band (input_limits.h).
    std::optional<room::RoomInputs> readInputs() const;
    void showResults(const room::RoomResults &results);
    void placeMarkers(const room::RoomResults &results);
};
