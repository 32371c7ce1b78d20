#pragma once

#include "room_model.h"

#include <QMainWindow>

#include <memory>
#include <optional>

struct Form4Ui;

// The operation window: an air handler that serves one room. The drawing of
// the installation lies on the window's own surface (Form4Client), with the
// frames "Aire Exterior" (Frame4) and "Diagrama psicrométrico" (Frame3) on
// its right and "Local" (Frame1) and "Tramblor" (Frame2) beneath it.
//
// The window keeps its controls to itself (Form4Ui). Each has its name as
// objectName ("Line4(5)" for an element of a control array), so anyone who
// drives or reads the window finds it by name, windowless items (lines,
// labels, images) included: they are children of their surface.
class Form4 : public QMainWindow
{
    Q_OBJECT

public:
    explicit Form4(QWidget *parent = nullptr);
    ~Form4() override;

public slots:
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

private:
    // Connects the handlers, after every design value is set.
    void connectHandlers();

    // The input boxes as numbers; none if any box holds no number or a number
    // outside its quantity's band (input_limits.h).
    std::optional<room::RoomInputs> readInputs() const;
    void showResults(const room::RoomResults &results);
    void placeMarkers(const room::RoomResults &results);

    const std::unique_ptr<Form4Ui> ui;
};
