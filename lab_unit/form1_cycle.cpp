// The tab "Ciclo frigorifico": the pressure-enthalpy diagram Picture2 with the
// cycle lines and point numbers, and the cycle table under it.

#include "form1_ui.h"

#include "form1_build.h"
#include "ph_diagram_picture.h"
#include "sstab.h"
#include "surface.h"
#include "window_build.h"

#include <QLineEdit>

using form1build::Practicas;
using namespace winbuild;

namespace {

constexpr double kCellWidth = 600;
constexpr double kCellHeight = 288;
constexpr double kCaptionHeight = 255;

// The table's columns are the cycle points 1 to 4; the head of the last
// stands a little right of its cells.
constexpr double kColumnLeft[] = {1155, 1755, 2355, 2955};
constexpr double kColumnHeadLeft[] = {1155, 1755, 2355, 2970};
// The enthalpy row stands a little off the other rows.
constexpr double kEnthalpyColumnLeft[] = {1170, 1740, 2340, 2940};

// Rows of the table: a caption at Left 225 and one cell per cycle point.
struct TableRow
{
    int caption;
    const char *text;
    double top;
    const double *columnLeft;
    int cells[4];
    bool visible;
};

const TableRow kRows[] = {
    {5, "Pabs (bar)", 4395, kColumnLeft, {0, 7, 12, 17}, true},
    {10, "t (ºC)", 4665, kColumnLeft, {1, 6, 11, 16}, true},
    {20, "h (kJ/kg)", 4905, kEnthalpyColumnLeft, {3, 9, 14, 19}, true},
    // Density and quality rows, never shown.
    {15, "ρ", 6420, kColumnLeft, {2, 5, 10, 15}, false},
    {25, "Título ", 6690, kColumnLeft, {4, 8, 13, 18}, false},
};
constexpr double kRowCaptionLeft = 225;
constexpr double kRowCaptionWidth = 900;

// Single captions and cells under the grid.
struct Caption
{
    int index;
    const char *text;
    double left, top, width;
    bool visible;
};

const Caption kCaptions[] = {
    {30, "Q refrigeración  (kW)", 210, 5250, 1920, true},
    {0, "Gasto R-12 (g/s)", 270, 6180, 1500, true},
    {42, "COP", 225, 5550, 1395, false},
    {51, "Potencia compresor (W)", 225, 5865, 2100, false},
};

struct Cell
{
    int index;
    double left, top, width;
    bool visible;
};

const Cell kCells[] = {
    {26, 2145, 5235, 855, true},
    {32, 1800, 6180, 936, true},
    {20, 1650, 5550, kCellWidth, false},
    {28, 3705, 5655, kCellWidth, false},
    {29, 3690, 6030, kCellWidth, false},
};

// Leftover cells on the tab "Prácticas", beneath its text or beyond the
// tab's left edge.
const Cell kLeftoverCells[] = {
    {21, 1155, 4395, kCellWidth, true}, {22, 1755, 4395, kCellWidth, true},
    {23, 2355, 4395, kCellWidth, true}, {24, 2955, 4395, kCellWidth, true},
    {25, 1155, 4665, kCellWidth, true}, {27, 1755, 4665, kCellWidth, true},
    {30, -1200, 5250, kCellWidth, true}, {31, -1200, 5550, kCellWidth, true},
};

// The cycle on the diagram: lines and point numbers, hidden until the unit runs.
struct CycleLine
{
    QColor color;
    float x1, y1, x2, y2;
};

const CycleLine kCycleLines[] = {
    {QColor(0, 192, 0), 1005, 2025, 1005, 2430},    // expansion
    {QColor(0, 0, 255), 1005, 2430, 2445, 2430},    // evaporation
    {QColor(255, 0, 0), 2445, 2445, 2895, 2010},    // compression
    {QColor(128, 0, 0), 2895, 1995, 1005, 1980},    // condensation
};

struct PointNumber
{
    const char *text;
    QColor color;
    double left, top;
};

const PointNumber kPointNumbers[] = {
    {"1", QColor(0, 0, 255), 2340, 2520},
    {"2", QColor(255, 0, 0), 2910, 1725},
    {"3", QColor(128, 0, 0), 990, 1710},
    {"4", QColor(0, 192, 0), 930, 2595},
};

} // namespace

void Form1Ui::buildCycleTab(Surface *page)
{
    Picture2 = addPictureBox(page, QStringLiteral("Picture2"), 150, 630, 3840, 3450, &phDiagramPicture);

    Label12 = addCaption(Picture2, QStringLiteral("Label12"), QStringLiteral("R-12"), 390, 360);
    for (size_t i = 0; i < Line1.size(); ++i) {
        const CycleLine &l = kCycleLines[i];
        Line1[i] = Picture2->addLine(indexed("Line1", int(i)), l.x1, l.y1, l.x2, l.y2);
        Line1[i]->setColor(l.color);
        Line1[i]->setPenWidth(3);
    }
    for (size_t i = 0; i < Label2.size(); ++i) {
        const PointNumber &n = kPointNumbers[i];
        Label2[i] = addCaption(Picture2, indexed("Label2", int(i)), QLatin1String(n.text), n.left, n.top,
                               uiFont(11, true), n.color);
    }
    buildCycleTable(page);
}

void Form1Ui::buildCycleTable(Surface *page)
{
    auto addTableCaption = [&](int index, const QString &text, double left, double top, double width,
                               bool visible) {
        SurfaceLabel *label = page->addLabel(indexed("l9", index), text, float(left), float(top),
                                             float(width), float(kCaptionHeight));
        label->setFont(windowFont());
        label->setTransparent(true);
        label->setBorder(true);
        label->setAlignment(Qt::AlignCenter);
        label->setVisible(visible);
        l9[size_t(index)] = label;
    };
    auto addCell = [&](Surface *surface, const Cell &cell) {
        QLineEdit *box = addTextBox(surface, indexed("Text7", cell.index), cell.left, cell.top, cell.width,
                                    kCellHeight, QStringLiteral("Text7"));
        if (!cell.visible)
            box->hide();
        Text7[size_t(cell.index)] = box;
    };

    for (int point = 1; point <= 4; ++point)
        addTableCaption(point, QString::number(point), kColumnHeadLeft[point - 1], 4155, kCellWidth, true);
    for (const TableRow &row : kRows) {
        addTableCaption(row.caption, QString::fromUtf8(row.text), kRowCaptionLeft, row.top,
                        kRowCaptionWidth, row.visible);
        for (int point = 0; point < 4; ++point) {
            // Cell 3 is a little narrower than the others.
            const double width = row.cells[point] == 3 ? 570 : kCellWidth;
            addCell(page, {row.cells[point], row.columnLeft[point], row.top, width, row.visible});
        }
    }
    for (const Caption &c : kCaptions)
        addTableCaption(c.index, QString::fromUtf8(c.text), c.left, c.top, c.width, c.visible);
    for (const Cell &cell : kCells)
        addCell(page, cell);
    for (const Cell &cell : kLeftoverCells)
        addCell(SSTab1->page(Practicas), cell);
}
