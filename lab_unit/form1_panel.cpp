// The control panel Frame3: fan knob, main switch and the three element
// selectors, with their captions and the rounded outlines that group them.

#include "form1_ui.h"

#include "iknobx.h"
#include "iswitchrockerx.h"
#include "iswitchrotaryx.h"
#include "surface.h"
#include "window_build.h"

#include <QFrame>

using namespace winbuild;

namespace {

// The preheater and reheater selectors: positions 0, 1, 2 and a bar pointer.
void setUpElementSelector(iSwitchRotaryX *selector)
{
    selector->setLabels({QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2")});
    selector->setPointerStyle(iSwitchRotaryX::Rectangle);
    selector->setPosition(1);
}

} // namespace

void Form1Ui::buildControlPanel()
{
    Frame3Client = addClientSurface(Frame3, QStringLiteral("Frame3Client"));

    const struct
    {
        SurfaceShape **slot;
        QString name;
        double left, top, width, height;
    } outlines[] = {
        {&Shape1, QStringLiteral("Shape1"), 45, 105, 1245, 1305},
        {&Shape3[0], indexed("Shape3", 0), 1980, 90, 1500, 1320},
        {&Shape3[1], indexed("Shape3", 1), 3615, 105, 1200, 1080},
        {&Shape2, QStringLiteral("Shape2"), 4905, 105, 1095, 1050},
    };
    for (const auto &o : outlines) {
        *o.slot = Frame3Client->addShape(o.name, SurfaceShape::RoundedRectangle, float(o.left),
                                         float(o.top), float(o.width), float(o.height));
        (*o.slot)->setFillStyle(Qt::NoBrush);
    }

    const struct
    {
        SurfaceLabel **slot;
        QString name;
        const char *caption;
        double left, top;
    } captions[] = {
        {&Label8[0], indexed("Label8", 0), "Ventilador", 75, 150},
        {&R, QStringLiteral("R"), "RPM", 480, 1200},
        {&Label8[1], indexed("Label8", 1), "On / Off", 1320, 945},
        {&Label8[2], indexed("Label8", 2), "Vaporizador", 2055, 1110},
        {&Label8[5], indexed("Label8", 5), "kW", 2310, 930},
        {&Label8[6], indexed("Label8", 6), "kW", 3795, 900},
        {&Label8[17], indexed("Label8", 17), "Precalentador", 3690, 1275},
        {&Label8[3], indexed("Label8", 3), "kW", 5040, 960},
        {&Label8[18], indexed("Label8", 18), "Recalentador", 4965, 1275},
    };
    for (const auto &c : captions)
        *c.slot = addCaption(Frame3Client, c.name, QString::fromUtf8(c.caption), c.left, c.top);

    iKnobX1 = addControl<iKnobX>(Frame3Client, QStringLiteral("iKnobX1"), 120, 300, 1020, 975);
    iKnobX1->setToolTip(QStringLiteral("Control de velocidad del ventilador"));
    iKnobX1->setRange(5.0, 10.0);
    iKnobX1->setArrowStep(0.1);
    iKnobX1->setPageStep(1.0);
    iKnobX1->setMajorTickCount(6);
    iKnobX1->setTickLabelsVisible(false);
    iKnobX1->setTransparent(true);
    iKnobX1->setPosition(8.0);

    interruptor = addControl<iSwitchRockerX>(Frame3Client, QStringLiteral("interruptor"), 1335, 195, 555, 705);
    interruptor->setOn(false);

    vapor1 = addControl<iSwitchRotaryX>(Frame3Client, QStringLiteral("vapor1"), 2040, 75, 1410, 1260);
    vapor1->setToolTip(QStringLiteral("Control del vaporizador en la sección A"));
    vapor1->setLabels({QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"),
                       QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5")});
    vapor1->setActiveLabelColor(Qt::red);
    vapor1->setActiveLabelBold(true);
    vapor1->setLabelColor(Qt::black);
    vapor1->setPosition(1);

    prec = addControl<iSwitchRotaryX>(Frame3Client, QStringLiteral("prec"), 3720, 195, 1005, 975);
    prec->setToolTip(QStringLiteral("Precalentador en la sección A-B"));
    setUpElementSelector(prec);
    rec = addControl<iSwitchRotaryX>(Frame3Client, QStringLiteral("rec"), 4950, 210, 975, 915);
    rec->setToolTip(QStringLiteral("Recalentamiento en la sección C-D"));
    setUpElementSelector(rec);
}
