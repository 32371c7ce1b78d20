#include "form3.h"

#include "surface.h"
#include "teaching_window.h"
#include "window_build.h"
#include "shared_icon.h"

#include <QIcon>
#include <QPushButton>

#include <array>

namespace {

constexpr double kClientWidth = 11025;
constexpr double kClientHeight = 9210;

const QString kSchemeText = QStringLiteral(
    "Esquema de una instalación con tramblor y unidad enfriadora de agua dotada de torre de refrigeración");
const QString kTowerText = QStringLiteral("Torre de enfriamiento para refrigerar el agua del condensador");
const QString kTowerFanText =
    QStringLiteral("Ventilador para forzar la entrada de aire en la torre de refrigeración");

// The help line's text colour.
const QColor kHelpText(0, 0, 128);

struct ArrowDesign {
    SurfaceImage *Form3::*slot;
    const char *name;
    float left, top, width, height;
    const char *picture;   // under :/diagrams/arrows/
};

const std::array<ArrowDesign, 13> kArrows{{
    {&Form3::Image8, "Image8", 3795, 690, 975, 570, "grey_down.svg"},        // outdoor air in
    {&Form3::Image4, "Image4", 2880, 1875, 495, 810, "grey_right.svg"},      // air in at the left
    {&Form3::Image35, "Image35", 8295, 1755, 645, 1020, "grey_right.svg"},   // supply air out
    {&Form3::Image7, "Image7", 6315, 825, 255, 480, "purple_down.svg"},      // water to the humidifier
    {&Form3::Image2, "Image2", 5370, 4425, 240, 435, "black_up.svg"},
    {&Form3::Image3, "Image3", 2235, 2370, 240, 435, "black_up.svg"},
    {&Form3::Image29, "Image29", 2250, 3930, 240, 435, "black_up.svg"},
    {&Form3::Image10, "Image10", 435, 2625, 195, 465, "black_down.svg"},
    {&Form3::Image30, "Image30", 405, 4935, 195, 465, "black_down.svg"},
    {&Form3::Image5, "Image5", 1260, 3330, 435, 285, "black_right.svg"},
    {&Form3::Image28, "Image28", 1665, 4635, 465, 225, "black_right.svg"},
    {&Form3::Image31, "Image31", 6360, 285, 465, 225, "black_right.svg"},
    {&Form3::Image32, "Image32", 6405, 5820, 465, 225, "black_left.svg"},
}};

} // namespace

Form3::Form3(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral(" ESQUEMA INSTALACIÓN"));
    setWindowIcon(sharedIcon(QStringLiteral(":/diagrams/ahu_icon.svg")));
    Form3Client = teaching::addWindowSurface(*this, QStringLiteral("Form3Client"), kClientWidth, kClientHeight);
    // Back to front, as the surface paints and hit-tests its items.
    buildPicture();
    buildHelpLine();
    buildHotSpots();
    Command1 = winbuild::addCommandButton(Form3Client, QStringLiteral("Command1"), QStringLiteral("Cerrar ventana"),
                                          7305, 6435, 1215, 390);
    Command1->setFocus();
    connectHandlers();
    // Shown by the caller; it opens maximised.
    setWindowState(Qt::WindowMaximized);
}

void Form3::buildPicture()
{
    Image1 = Form3Client->addImage(QStringLiteral("Image1"), QStringLiteral(":/diagrams/installation_scheme.svg"),
                                   330, 405, 8625, 6405);
    for (const ArrowDesign &a : kArrows) {
        SurfaceImage *arrow = Form3Client->addImage(QLatin1String(a.name),
                                                    QStringLiteral(":/diagrams/arrows/") + QLatin1String(a.picture),
                                                    a.left, a.top, a.width, a.height);
        arrow->setStretch(true);
        this->*a.slot = arrow;
    }
}

void Form3::buildHelpLine()
{
    Label1 = Form3Client->addLabel(QStringLiteral("Label1"), kSchemeText, 330, 7020, 8325, 525);
    Label1->setBorder(true);
    Label1->setForeColor(kHelpText);
    Label1->setWordWrap(true);
}

void Form3::buildHotSpots()
{
    Label2 = winbuild::addHotSpot(Form3Client, QStringLiteral("Label2"), 570, 300, 1200, 1920);
    Label3 = winbuild::addHotSpot(Form3Client, QStringLiteral("Label3"), 1725, 1515, 585, 735);
}

void Form3::connectHandlers()
{
    connect(Command1, &QPushButton::clicked, this, &Form3::Command1_Click);
    connect(Image1, &SurfaceItem::clicked, this, &Form3::ShowSchemeHelp);
    connect(Label2, &SurfaceItem::mouseMoved, this, &Form3::ShowTowerHelp);
    connect(Label3, &SurfaceItem::mouseMoved, this, &Form3::ShowTowerFanHelp);
}

void Form3::Command1_Click()
{
    close();
}

void Form3::ShowSchemeHelp()
{
    Label1->setCaption(kSchemeText);
}

void Form3::ShowTowerHelp(Qt::MouseButtons, Qt::KeyboardModifiers, float, float)
{
    Label1->setCaption(kTowerText);
}

void Form3::ShowTowerFanHelp(Qt::MouseButtons, Qt::KeyboardModifiers, float, float)
{
    Label1->setCaption(kTowerFanText);
}
