#include "form2.h"
#include "form3.h"
#include "surface.h"
#include "twips.h"

#include <QPointer>
#include <QPushButton>
#include <QtTest>

namespace {

const QString kSchemeText = QStringLiteral(
    "Esquema de una instalación con tramblor y unidad enfriadora de agua dotada de torre de refrigeración");
const QString kTowerText = QStringLiteral("Torre de enfriamiento para refrigerar el agua del condensador");
const QString kFanText = QStringLiteral("Ventilador para forzar la entrada de aire en la torre de refrigeración");

// Form3, shown, with the pointer resting off the hot spots; points in twips.
struct ShownScheme
{
    Form3 form;
    ShownScheme()
    {
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        moveTo({5000, 8400});
    }
    void moveTo(QPoint at) { QTest::mouseMove(form.Form3Client, twips::point(at.x(), at.y())); }
    void clickAt(QPoint at) { QTest::mouseClick(form.Form3Client, Qt::LeftButton, {}, twips::point(at.x(), at.y())); }
    QString help() const { return form.Label1->Caption(); }
};

} // namespace

// The process diagram (Form2) and the installation scheme with its help line (Form3).
class TeachingWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void hotSpotWritesItsTextUnderThePointer_data();
    void hotSpotWritesItsTextUnderThePointer();
    void helpTextStaysUntilAnotherReplacesIt();
    void closeButtonClosesOnlyItsWindow();
    void helpLineHasBlackSingleBorder();
};

void TeachingWindowsTest::hotSpotWritesItsTextUnderThePointer_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QString>("help");
    QTest::newRow("tower") << QPoint(1000, 1000) << kTowerText;
    QTest::newRow("fan") << QPoint(2000, 2000) << kFanText;
    // Where the two overlap the fan, drawn above, takes the pointer.
    QTest::newRow("overlap, top left") << QPoint(1740, 1530) << kFanText;
    QTest::newRow("overlap, bottom right") << QPoint(1755, 2205) << kFanText;
    QTest::newRow("right of the fan") << QPoint(2340, 1800) << kSchemeText;
}

void TeachingWindowsTest::hotSpotWritesItsTextUnderThePointer()
{
    QFETCH(QPoint, at);
    ShownScheme scheme;
    QCOMPARE(scheme.help(), kSchemeText);
    scheme.moveTo(at);
    QTEST(scheme.help(), "help");
}

void TeachingWindowsTest::helpTextStaysUntilAnotherReplacesIt()
{
    ShownScheme scheme;
    const std::pair<QPoint, QString> path[] = {
        {{1000, 1000}, kTowerText}, {{6000, 4000}, kTowerText},   // leaving a hot spot keeps its text
        {{2000, 2000}, kFanText},   {{1000, 1000}, kTowerText}, {{2000, 2000}, kFanText},
    };
    for (const auto &[at, help] : path) {
        scheme.moveTo(at);
        QCOMPARE(scheme.help(), help);
    }
    // Clicks on an arrow or on the help line change nothing.
    for (const SurfaceItem *item : scheme.form.Form3Client->findChildren<SurfaceItem *>()) {
        if (item == scheme.form.Image1 || item == scheme.form.Label2 || item == scheme.form.Label3)
            continue;
        const QPointF centre = QRectF(item->Left(), item->Top(), item->Width(), item->Height()).center();
        scheme.clickAt(centre.toPoint());
        QVERIFY2(scheme.help() == kFanText, qPrintable(item->objectName()));
    }
    // A click on the free picture restores the general text.
    scheme.clickAt({6000, 4000});
    QCOMPARE(scheme.help(), kSchemeText);
}

void TeachingWindowsTest::closeButtonClosesOnlyItsWindow()
{
    QWidget mainWindow;
    mainWindow.show();
    QPointer<Form2> form2 = new Form2;
    QPointer<Form3> form3 = new Form3;
    form2->show();
    form3->show();
    QVERIFY(QTest::qWaitForWindowExposed(form2) && QTest::qWaitForWindowExposed(form3));
    QTest::mouseClick(form3->Command1, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(form3.isNull() && form2->isVisible());
    QTest::mouseClick(form2->Command1, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(form2.isNull() && mainWindow.isVisible());
}

// The help line's text is dark blue, its single-line border black.
void TeachingWindowsTest::helpLineHasBlackSingleBorder()
{
    ShownScheme scheme;
    const QImage shown = scheme.form.Form3Client->grab().toImage();
    const QRect line = twips::rect(330, 7020, 8325, 525).translated(scheme.form.Form3Client->innerOrigin());
    for (const QPoint edge : {QPoint(line.center().x(), line.top()), QPoint(line.left(), line.center().y()),
                              QPoint(line.center().x(), line.bottom()), QPoint(line.right(), line.center().y())})
        QCOMPARE(shown.pixelColor(edge), QColor(Qt::black));
    QCOMPARE(scheme.form.Label1->foreColor(), QColor(0, 0, 128));
}

QTEST_MAIN(TeachingWindowsTest)
#include "tst_form2_form3.moc"
