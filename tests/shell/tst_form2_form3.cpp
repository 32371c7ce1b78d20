#include "form2.h"
#include "form3.h"
#include "surface.h"
#include "twips.h"

#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QSvgRenderer>
#include <QtTest>

// The two teaching windows: the process diagram (Form2) and the installation
// scheme with its help line (Form3).
class TeachingWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void processDiagramCaptions_data();
    void processDiagramCaptions();
    void processDiagramWindow();
    void captionsKeepTheirTextWholeAndOnThePicture();
    void captionsHideNothingOfTheDrawing();
    void noCaptionCoversTheLettersOfAnother();
    void schemeWindow();
    void hotSpotWritesItsTextUnderThePointer_data();
    void hotSpotWritesItsTextUnderThePointer();
    void helpTextStaysUntilAnotherReplacesIt();
    void clicksOnArrowsAndHelpLineChangeNothing();
    void arrowsLieOnTheirPipesAndAirPaths_data();
    void arrowsLieOnTheirPipesAndAirPaths();
    void closeButtonClosesOnlyItsWindow_data();
    void closeButtonClosesOnlyItsWindow();
    void rendersBothWindowsAtOneAndTwoTimesScale();
};

namespace {

const QString kSchemeText = QStringLiteral(
    "Esquema de una instalación con tramblor y unidad enfriadora de agua dotada de torre de refrigeración");
const QString kTowerText = QStringLiteral("Torre de enfriamiento para refrigerar el agua del condensador");
const QString kFanText = QStringLiteral("Ventilador para forzar la entrada de aire en la torre de refrigeración");

// An SVG picture rendered alone at its natural size on a transparent ground.
QImage renderPicture(const QString &resource)
{
    QSvgRenderer svg(resource);
    QImage image(svg.defaultSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    svg.render(&painter);
    return image;
}

// The item's box in pixels, relative to a corner given in twips.
QRect pixelBox(const SurfaceItem &item, double originLeft = 0, double originTop = 0)
{
    return twips::rectF(item.Left() - originLeft, item.Top() - originTop, item.Width(), item.Height()).toRect();
}

// The bounds of what is not white within `box`.
QRect inkWithin(const QImage &image, const QRect &box)
{
    QRect ink;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            if (image.pixelColor(x, y) != QColor(Qt::white))
                ink |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

// Form3, shown, with the pointer resting off the hot spots.
struct ShownScheme {
    Form3 form;
    ShownScheme()
    {
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        moveTo(5000, 8400);
    }
    void moveTo(double x, double y) { QTest::mouseMove(form.Form3Client, twips::point(x, y)); }
    void clickAt(const QPoint &pixel) { QTest::mouseClick(form.Form3Client, Qt::LeftButton, {}, pixel); }
    QString help() const { return form.Label1->Caption(); }
};

} // namespace

// ---------------------------------------------------------------- Form2

void TeachingWindowsTest::processDiagramCaptions_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("color");
    QTest::addColumn<int>("pixelSize");   // 0: not bold (11 px); bold at 11 or 13 px
    QTest::addColumn<bool>("right");

    const QColor k(0, 0, 0), magenta(255, 0, 255), blue(0, 0, 255), red(255, 0, 0);
    struct Row { int index; const char *text; QColor color; int bold; bool right; };
    const Row rows[] = {
        {0, "Entrada de aire", k, 0, false}, {1, "Filtro", k, 0, false}, {2, "Precal", magenta, 0, false},
        {3, "Frío", blue, 0, false}, {4, "Calor", red, 0, false}, {5, "Humidificación", k, 0, false},
        {6, "Impulsión", k, 0, false}, {7, "Filtro fino", k, 0, false}, {8, "Precal", magenta, 11, false},
        {9, "Frío", blue, 11, false}, {10, "Calor", red, 11, false}, {11, "Humidificación", QColor(0, 255, 0), 11, false},
        {12, "Verano", QColor(255, 128, 0), 11, true}, {13, "Verano", QColor(0, 192, 0), 11, true},
        {14, "Invierno", QColor(0, 192, 192), 11, true}, {15, "Invierno", QColor(192, 0, 192), 11, false},
        {16, "Temperatura", k, 13, false}, {17, "Humedad abs", k, 13, false}, {18, "", k, 0, false},
        {22, "", k, 0, false}, {23, "Temperatura del local", k, 11, true}, {24, "Humedad", k, 11, true},
        {25, "del local", k, 11, true},
    };
    for (const Row &r : rows)
        QTest::addRow("Label1(%d)", r.index) << r.index << QString::fromUtf8(r.text) << r.color << r.bold << r.right;
}

void TeachingWindowsTest::processDiagramCaptions()
{
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(QColor, color);
    QFETCH(int, pixelSize);
    QFETCH(bool, right);

    Form2 form;
    auto *label = form.findChild<SurfaceLabel *>(QStringLiteral("Label1(%1)").arg(index));
    QVERIFY(label && label == form.Label1[index]);
    QCOMPARE(label->Caption(), text);
    QCOMPARE(label->foreColor(), color);
    QCOMPARE(label->font().bold(), pixelSize != 0);
    QCOMPARE(label->font().pixelSize(), pixelSize != 0 ? pixelSize : 11);

    // On white, the picture's ground, with the text against its aligned side;
    // a blank patch is white all over.
    const QImage drawn = form.Form2Client->grab().toImage();
    const QRect box = pixelBox(*label);
    const QRect ink = inkWithin(drawn, box);
    QCOMPARE(drawn.pixelColor(box.left() + 1, box.bottom() - 1), QColor(Qt::white));
    QCOMPARE(ink.isEmpty(), text.isEmpty());
    if (!text.isEmpty())
        QVERIFY(right ? box.right() - ink.right() <= 3 : ink.left() - box.left() <= 3);
}

void TeachingWindowsTest::processDiagramWindow()
{
    Form2 form;
    QCOMPARE(form.windowTitle(), QStringLiteral(" Procesos en un Tramblor verano - invierno"));
    QCOMPARE(form.size(), QSize(451, 495));
    QVERIFY(form.minimumSize() != form.maximumSize());
    QVERIFY(form.testAttribute(Qt::WA_DeleteOnClose) && !form.isModal() && !form.windowIcon().isNull());
    QCOMPARE(form.Command1->text(), QStringLiteral("&Cerrar Ventana"));
    QCOMPARE(pixelBox(*form.Image1), QRect(1, 3, 449, 491));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    // The picture lies lowest, the captions over it.
    QCOMPARE(form.Form2Client->items().front(), form.Image1);
    QCOMPARE(form.Form2Client->itemAt(915, 3675), form.Label1[12]);
}

void TeachingWindowsTest::captionsKeepTheirTextWholeAndOnThePicture()
{
    Form2 form;
    const QRectF picture = pixelBox(*form.Image1);
    for (const SurfaceLabel *label : form.Label1) {
        const QRectF box = twips::rectF(label->Left(), label->Top(), label->Width(), label->Height());
        const QFontMetricsF metrics(label->font());
        const QRectF text = metrics.boundingRect(QRectF(0, 0, box.width(), 1e4), Qt::TextWordWrap, label->Caption());
        // No word wider than the box; the last line's letters (not its descent) inside it.
        QVERIFY2(text.width() <= box.width(), qPrintable(label->objectName()));
        QVERIFY2(text.height() - metrics.descent() <= box.height(), qPrintable(label->objectName()));
        QVERIFY2(picture.contains(box), qPrintable(label->objectName()));
    }
}

// The captions are opaque: wherever one stands, the drawing must have nothing,
// or a part, a curve or its start would be cut off.
void TeachingWindowsTest::captionsHideNothingOfTheDrawing()
{
    Form2 form;
    const QImage picture = renderPicture(QStringLiteral(":/diagrams/process_diagram.svg"));
    QCOMPARE(picture.size(), QSize(445, 487));
    for (const SurfaceLabel *label : form.Label1) {
        const QRect box = pixelBox(*label, form.Image1->Left(), form.Image1->Top()) & picture.rect();
        int drawn = 0;
        for (int y = box.top(); y <= box.bottom(); ++y) {
            for (int x = box.left(); x <= box.right(); ++x)
                drawn += qAlpha(picture.pixel(x, y)) > 24;
        }
        QVERIFY2(drawn == 0, qPrintable(QStringLiteral("%1 hides %2 pixels").arg(label->objectName()).arg(drawn)));
    }
}

// Where two captions overlap, the one in front leaves the letters of the one
// behind whole.
void TeachingWindowsTest::noCaptionCoversTheLettersOfAnother()
{
    Form2 form;
    for (auto behind = form.Label1.begin(); behind != form.Label1.end(); ++behind) {
        for (SurfaceLabel *label : form.Label1)
            label->setVisible(label == *behind);
        const QImage alone = form.Form2Client->grab().toImage();
        for (auto front = behind + 1; front != form.Label1.end(); ++front) {
            const QRect shared = pixelBox(**behind) & pixelBox(**front);
            QVERIFY2(shared.isEmpty() || inkWithin(alone, shared).isEmpty(),
                     qPrintable((*behind)->objectName() + QLatin1String(" under ") + (*front)->objectName()));
        }
    }
}

// ---------------------------------------------------------------- Form3

void TeachingWindowsTest::schemeWindow()
{
    Form3 form;
    QCOMPARE(form.windowTitle(), QStringLiteral(" ESQUEMA INSTALACIÓN"));
    QVERIFY(form.windowState() & Qt::WindowMaximized);
    QVERIFY(form.testAttribute(Qt::WA_DeleteOnClose) && !form.isModal());
    QVERIFY(!form.windowIcon().isNull());
    QVERIFY(form.windowIcon().cacheKey() != Form2().windowIcon().cacheKey());
    QCOMPARE(form.Command1->text(), QStringLiteral("Cerrar ventana"));
    QCOMPARE(form.Label1->Caption(), kSchemeText);
    QCOMPARE(form.Label1->foreColor(), QColor(0, 0, 128));
    QVERIFY(form.Label2->Caption().isEmpty() && form.Label3->Caption().isEmpty());
    QCOMPARE(pixelBox(*form.Image1), QRect(22, 27, 575, 427));
    QCOMPARE(form.Form3Client->items().front(), form.Image1);   // lowest
}

void TeachingWindowsTest::hotSpotWritesItsTextUnderThePointer_data()
{
    QTest::addColumn<QPoint>("at");   // twips
    QTest::addColumn<QString>("help");

    QTest::newRow("tower") << QPoint(1000, 1000) << kTowerText;
    QTest::newRow("tower beside the fan") << QPoint(1700, 2200) << kTowerText;
    QTest::newRow("fan") << QPoint(2000, 2000) << kFanText;
    QTest::newRow("fan below the tower") << QPoint(1740, 2235) << kFanText;
    QTest::newRow("overlap, top left") << QPoint(1740, 1530) << kFanText;
    QTest::newRow("overlap, bottom right") << QPoint(1755, 2205) << kFanText;
    QTest::newRow("right of the fan") << QPoint(2340, 1800) << kSchemeText;
    QTest::newRow("air handler") << QPoint(6000, 2000) << kSchemeText;
}

void TeachingWindowsTest::hotSpotWritesItsTextUnderThePointer()
{
    QFETCH(QPoint, at);
    QFETCH(QString, help);

    ShownScheme scheme;
    QCOMPARE(scheme.help(), kSchemeText);
    scheme.moveTo(at.x(), at.y());
    QCOMPARE(scheme.help(), help);
}

void TeachingWindowsTest::helpTextStaysUntilAnotherReplacesIt()
{
    ShownScheme scheme;
    const std::pair<QPoint, QString> path[] = {
        {{1000, 1000}, kTowerText}, {{6000, 4000}, kTowerText},   // leaving a hot spot keeps its text
        {{2000, 2000}, kFanText},   {{1000, 1000}, kTowerText}, {{6000, 4000}, kTowerText},
    };
    for (const auto &[at, help] : path) {
        scheme.moveTo(at.x(), at.y());
        QCOMPARE(scheme.help(), help);
    }
    scheme.clickAt(twips::point(6000, 4000));
    QCOMPARE(scheme.help(), kSchemeText);
}

void TeachingWindowsTest::clicksOnArrowsAndHelpLineChangeNothing()
{
    ShownScheme scheme;
    scheme.moveTo(2000, 2000);
    for (const SurfaceItem *item : scheme.form.Form3Client->findChildren<SurfaceItem *>()) {
        if (item == scheme.form.Image1 || item == scheme.form.Label2 || item == scheme.form.Label3)
            continue;
        scheme.clickAt(pixelBox(*item).center());
        QVERIFY2(scheme.help() == kFanText, qPrintable(item->objectName()));
    }
}

void TeachingWindowsTest::arrowsLieOnTheirPipesAndAirPaths_data()
{
    QTest::addColumn<QString>("arrow");
    QTest::addColumn<QColor>("pipe");       // invalid for an air arrow
    QTest::addColumn<QPoint>("unitSide");   // air arrows: where the unit touches them

    for (const char *name : {"Image3", "Image29", "Image10", "Image30", "Image5", "Image28"})
        QTest::newRow(name) << QString::fromLatin1(name) << QColor(0x34, 0xb0, 0x4a) << QPoint();
    for (const char *name : {"Image2", "Image31", "Image32"})
        QTest::newRow(name) << QString::fromLatin1(name) << QColor(0x20, 0xb0, 0xb0) << QPoint();
    QTest::newRow("Image7") << QStringLiteral("Image7") << QColor(0xa0, 0x40, 0xc0) << QPoint();
    QTest::newRow("Image8") << QStringLiteral("Image8") << QColor() << QPoint(0, 1);     // air in from above
    QTest::newRow("Image4") << QStringLiteral("Image4") << QColor() << QPoint(1, 0);     // air in at the left
    QTest::newRow("Image35") << QStringLiteral("Image35") << QColor() << QPoint(-1, 0);  // supply air out
}

// A water arrow sits on a pipe of its circuit that runs right through it the
// way it points; an air arrow touches the air handler.
void TeachingWindowsTest::arrowsLieOnTheirPipesAndAirPaths()
{
    QFETCH(QString, arrow);
    QFETCH(QColor, pipe);
    QFETCH(QPoint, unitSide);

    Form3 form;
    const auto *image = form.findChild<SurfaceImage *>(arrow);
    QVERIFY(image);
    const QImage picture = renderPicture(QStringLiteral(":/diagrams/installation_scheme.svg"));
    const QRect box = pixelBox(*image, form.Image1->Left(), form.Image1->Top());
    if (!pipe.isValid()) {
        const QPoint edge(unitSide.x() > 0 ? box.right() : unitSide.x() < 0 ? box.left() : box.center().x(),
                          unitSide.y() > 0 ? box.bottom() : box.center().y());
        QVERIFY(qGray(picture.pixel(edge + 4 * unitSide)) > 20);   // not the black ground
        return;
    }
    const bool horizontal = box.width() > box.height();
    auto runsThrough = [&](int offset) {
        for (int along = 0; along < (horizontal ? box.width() : box.height()); ++along) {
            const QPoint p = horizontal ? QPoint(box.left() + along, box.top() + offset)
                                        : QPoint(box.left() + offset, box.top() + along);
            if (!picture.rect().contains(p) || picture.pixelColor(p) != pipe)
                return false;
        }
        return true;
    };
    bool found = false;
    for (int offset = 0; offset < (horizontal ? box.height() : box.width()); ++offset)
        found = found || runsThrough(offset);
    QVERIFY(found);
}

// ---------------------------------------------------------------- both

void TeachingWindowsTest::closeButtonClosesOnlyItsWindow_data()
{
    QTest::addColumn<bool>("scheme");
    QTest::newRow("Form2") << false;
    QTest::newRow("Form3") << true;
}

void TeachingWindowsTest::closeButtonClosesOnlyItsWindow()
{
    QFETCH(bool, scheme);

    QWidget mainWindow;
    mainWindow.show();
    QPointer<Form2> form2 = new Form2;
    QPointer<Form3> form3 = new Form3;
    form2->show();
    form3->show();
    QVERIFY(QTest::qWaitForWindowExposed(form2) && QTest::qWaitForWindowExposed(form3));

    QTest::mouseClick(scheme ? form3->Command1 : form2->Command1, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(form3.isNull(), scheme);
    QCOMPARE(form2.isNull(), !scheme);
    QVERIFY(mainWindow.isVisible());
    QVERIFY(scheme ? form2->isVisible() : form3->isVisible());
    delete form2;
    delete form3;
}

void TeachingWindowsTest::rendersBothWindowsAtOneAndTwoTimesScale()
{
    Form2 form2;
    form2.show();
    ShownScheme scheme;
    scheme.moveTo(2000, 2000);
    const std::pair<QWidget *, const char *> clients[] = {{form2.Form2Client, "form2"},
                                                          {scheme.form.Form3Client, "form3"}};
    for (const auto &[client, name] : clients) {
        for (int ratio : {1, 2}) {
            QImage image(client->size() * ratio, QImage::Format_ARGB32_Premultiplied);
            image.setDevicePixelRatio(ratio);
            image.fill(Qt::white);
            client->render(&image);
            QVERIFY(image.save(QStringLiteral(VORBELIA_TEST_OUTPUT_DIR "/%1@%2x.png").arg(QLatin1String(name)).arg(ratio)));
        }
    }
}

QTEST_MAIN(TeachingWindowsTest)
#include "tst_form2_form3.moc"
