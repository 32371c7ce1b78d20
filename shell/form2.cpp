#include "form2.h"

#include "classic_frame.h"
#include "surface.h"
#include "teaching_window.h"
#include "twips.h"
#include "window_build.h"
#include "shared_icon.h"

#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPushButton>

using namespace winbuild;

namespace {

constexpr double kClientWidth = 6765;
constexpr double kClientHeight = 7425;
constexpr double kImageLeft = 15;
constexpr double kImageTop = 45;
constexpr double kImageWidth = 6735;
constexpr double kImageHeight = 7365;

// The captions' ground: the picture's white, which is the title-bar text colour
// of the standard colour scheme.
const QColor kCaptionGround(255, 255, 255);

enum class Face {
    Normal,          // the window's font (8.25 pt)
    Condensed,       // the same, narrowed to keep clear of a neighbour drawn for the design's font
    Bold,            // 8.25 pt bold
    BoldCondensed,   // the same, narrowed to keep within a box drawn for the design's font
    Title,           // 9.75 pt bold
};

struct LabelDesign {
    float left, top, width, height;
    const char *text;   // null for a blank patch
    Face face;
    QRgb color;
    bool rightAligned;
    bool autoSize;      // otherwise the text wraps within the box
};

constexpr QRgb kText = qRgb(0, 0, 0);

// Label1(0) to Label1(25).
const std::array<LabelDesign, 26> kLabels{{
    {135, 825, 675, 375, "Entrada de aire", Face::Normal, kText, false, false},
    {915, 750, 480, 195, "Filtro", Face::Normal, kText, false, true},
    {1635, 525, 705, 300, "Precal", Face::Normal, qRgb(255, 0, 255), false, true},
    {2400, 480, 435, 195, "Frío", Face::Normal, qRgb(0, 0, 255), false, true},
    {3030, 375, 480, 195, "Calor", Face::Normal, qRgb(255, 0, 0), false, true},
    {3675, 240, 1035, 195, "Humidificación", Face::Condensed, kText, false, true},
    {4725, 105, 720, 195, "Impulsión", Face::Normal, kText, false, true},
    {5595, 105, 810, 195, "Filtro fino", Face::Normal, kText, false, true},
    {1875, 3240, 690, 270, "Precal", Face::Bold, qRgb(255, 0, 255), false, true},
    {2835, 3255, 405, 270, "Frío", Face::Bold, qRgb(0, 0, 255), false, true},
    {3510, 3270, 570, 255, "Calor", Face::Bold, qRgb(255, 0, 0), false, true},
    {4245, 3255, 1260, 300, "Humidificación", Face::Bold, qRgb(0, 255, 0), false, true},
    {885, 3645, 765, 270, "Verano", Face::Bold, qRgb(255, 128, 0), true, true},
    {840, 5895, 870, 240, "Verano", Face::Bold, qRgb(0, 192, 0), true, true},
    {855, 6945, 735, 195, "Invierno", Face::Bold, qRgb(0, 192, 192), true, true},
    {915, 5010, 705, 195, "Invierno", Face::Bold, qRgb(192, 0, 192), false, true},
    {675, 4275, 1350, 300, "Temperatura", Face::Title, kText, false, true},
    {705, 6420, 1470, 360, "Humedad abs", Face::Title, kText, false, true},
    {3090, 6165, 480, 390, nullptr, Face::Normal, kText, false, false},
    {4485, 6045, 600, 435, nullptr, Face::Normal, kText, false, false},
    {2190, 4560, 510, 390, nullptr, Face::Normal, kText, false, false},
    {3105, 3990, 345, 390, nullptr, Face::Normal, kText, false, false},
    {3765, 3900, 480, 390, nullptr, Face::Normal, kText, false, false},
    {5460, 3870, 1170, 495, "Temperatura del local", Face::BoldCondensed, kText, true, false},
    {5415, 6240, 1185, 270, "Humedad", Face::Bold, kText, true, false},
    {5760, 6705, 840, 240, "del local", Face::Bold, kText, true, false},
}};

QFont fontOf(Face face)
{
    switch (face) {
    case Face::Condensed:
        return condensedFont(11);
    case Face::Bold:
        return uiFont(11, true);
    case Face::BoldCondensed:
        return condensedFont(11, true);
    case Face::Title:
        return uiFont(13, true);
    case Face::Normal:
        break;
    }
    return windowFont();
}

// The image box with its border, beneath the picture: a white face inside a
// sunken edge. The picture leaves the edge clear.
QImage imageBoxGround(qreal dpr, const QColor &buttonFace)
{
    QImage ground(twips::size(kClientWidth, kClientHeight) * dpr, QImage::Format_ARGB32_Premultiplied);
    ground.setDevicePixelRatio(dpr);
    ground.fill(Qt::transparent);
    QPainter painter(&ground);
    const QRect box = twips::rect(kImageLeft, kImageTop, kImageWidth, kImageHeight);
    painter.fillRect(box, Qt::white);
    classic::paintSunken(painter, box, buttonFace);
    return ground;
}

} // namespace

Form2::Form2(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral(" Procesos en un Tramblor verano - invierno"));
    setWindowIcon(sharedIcon(QStringLiteral(":/icons/app.svg")));
    Form2Client = teaching::addWindowSurface(*this, QStringLiteral("Form2Client"), kClientWidth, kClientHeight);
    buildPicture();
    buildLabels();
    Command1 = addCommandButton(Form2Client, QStringLiteral("Command1"), QStringLiteral("&Cerrar Ventana"), 4980, 2295,
                                1590, 390);
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
}

void Form2::Command1_Click()
{
    close();
}

void Form2::buildPicture()
{
    const QColor buttonFace = palette().color(QPalette::Button);
    Form2Client->setPictureRenderer([buttonFace](qreal dpr) { return imageBoxGround(dpr, buttonFace); });
    Image1 = Form2Client->addImage(QStringLiteral("Image1"), QStringLiteral(":/diagrams/process_diagram.svg"),
                                   kImageLeft, kImageTop, kImageWidth, kImageHeight);
}

void Form2::buildLabels()
{
    for (std::size_t i = 0; i < kLabels.size(); ++i) {
        const LabelDesign &d = kLabels[i];
        SurfaceLabel *label = Form2Client->addLabel(indexed("Label1", int(i)), QString::fromUtf8(d.text ? d.text : ""),
                                                    d.left, d.top, d.width, d.height);
        label->setFont(fontOf(d.face));
        label->setForeColor(QColor(d.color));
        label->setBackColor(kCaptionGround);
        label->setAlignment((d.rightAligned ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
        label->setWordWrap(!d.autoSize);
        label->setAutoSize(d.autoSize);
        Label1[i] = label;
    }
}
