#include "application.h"
#include "frmabout.h"
#include "memory_registry_support.h"
#include "surface.h"
#include "sysinfo_launcher.h"
#include "twips.h"

#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QWindow>
#include <QtTest>

using namespace registry;

namespace {

const QString kUnavailable = QStringLiteral("La información del sistema no está disponible en este momento");
const QByteArray kPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
// What a key grants: every right, or reading alone.
constexpr DWORD kEveryRight = ~DWORD(0);
constexpr DWORD kReadOnly = READ_CONTROL | KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS | KEY_NOTIFY;

QByteArray dword(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

// One registry look-up: what is stored, and what reading "PATH" gives.
struct LookUpCase
{
    const char *tag, *name;
    quint32 type; QByteArray data; quint32 granted;
    bool read; QString expected;
};

// One start of System Information: the two registry values (null when
// absent), what the system answers, and what is searched, started and said.
struct StartCase
{
    const char *tag;
    QByteArray path; quint32 pathType; QByteArray folder;
    bool fileThere, startWorks;
    QStringList searched, started; bool message;
};

} // namespace

Q_DECLARE_METATYPE(LookUpCase)
Q_DECLARE_METATYPE(StartCase)

// The About window and the start of System Information from it.
class AboutTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void loadWritesTitleAndVersion();
    void unavailableMessageReadsSpanishAndOutlivesItsWindow();
    void iconBoxAndButtonCaptionsAsDesigned();
    void closesOnAceptarEnterAndEsc();
    void readsKeyValuesByType_data();
    void readsKeyValuesByType();
    void startsSystemInformation_data();
    void startsSystemInformation();
    void programRegistryHoldsNothing();
};

// The program's name and version, and Qt's standard texts in Spanish, given
// to the application as the program gives them.
void AboutTest::initTestCase()
{
    app::setNameAndVersion();
    QVERIFY2(app::loadStandardTexts(), "Qt's Spanish translations (qt6-translations-l10n) are missing");
}

// The message stands over the About window without being owned by it: the
// window may go while the message is open, and the message still closes
// normally. Its one button reads Spanish.
void AboutTest::unavailableMessageReadsSpanishAndOutlivesItsWindow()
{
    QPointer<frmAbout> about = new frmAbout;
    about->show();
    QVERIFY(QTest::qWaitForWindowExposed(about));
    QString button;
    QTimer::singleShot(0, about, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        QCOMPARE(box->text(), kUnavailable);
        QCOMPARE(box->windowTitle(), QStringLiteral("Vorbelia"));
        QCOMPARE(box->windowHandle()->transientParent(), about->windowHandle());
        button = box->button(QMessageBox::Ok)->text();
        delete about;
        QTimer::singleShot(0, box->button(QMessageBox::Ok), &QPushButton::click);
    });
    sysinfo::showPlainMessage(about, kUnavailable);
    QVERIFY(about.isNull());
    QCOMPARE(button, QStringLiteral("Aceptar"));
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

// The icon stands in its bordered box of 540 x 540 twips; each button's
// caption keeps clear of the button's edges, on a screen of 1 and of 2
// device pixels to the pixel.
void AboutTest::iconBoxAndButtonCaptionsAsDesigned()
{
    frmAbout about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QCOMPARE(about.picIcon->geometry(), twips::rect(240, 240, 540, 540));
    QVERIFY(about.picIcon->hasBorder());

    for (QPushButton *button : {about.cmdOK, about.cmdSysInfo}) {
        for (const qreal ratio : {1.0, 2.0}) {
            QImage face(button->size() * ratio, QImage::Format_RGB32);
            face.setDevicePixelRatio(ratio);
            face.fill(Qt::white);
            button->render(&face);
            // The caption's ink: the dark pixels of the middle half of its
            // height, inside the button's frame (2 pixels, 3 for the default button).
            const int frame = int(3 * ratio);
            int left = face.width(), right = -1;
            for (int y = face.height() / 4; y < face.height() * 3 / 4; ++y) {
                for (int x = frame; x < face.width() - frame; ++x) {
                    if (qGray(face.pixel(x, y)) < 100) {
                        left = std::min(left, x);
                        right = std::max(right, x);
                    }
                }
            }
            const qreal margin = std::min(left, face.width() - 1 - right) / ratio;
            QVERIFY2(right >= 0 && margin >= 6, qPrintable(QStringLiteral("%1 at %2x: %3 pixels clear")
                                                                .arg(button->objectName()).arg(ratio).arg(margin)));
        }
    }
}

void AboutTest::loadWritesTitleAndVersion()
{
    frmAbout about;
    QCOMPARE(about.windowTitle(), QStringLiteral("Acerca de Vorbelia"));
    QCOMPARE(about.lblVersion->Caption(), QStringLiteral("Versión 2.1.12"));
    QCOMPARE(about.lblTitle->Caption(), QStringLiteral("Vorbelia"));
}

void AboutTest::closesOnAceptarEnterAndEsc()
{
    for (const int key : {0, int(Qt::Key_Return), int(Qt::Key_Escape)}) {   // 0: a click on "Aceptar"
        QPointer<frmAbout> about = new frmAbout;
        about->setAttribute(Qt::WA_DeleteOnClose);
        about->show();
        QVERIFY(QTest::qWaitForWindowActive(about));
        key ? QTest::keyClick(QApplication::focusWidget(), Qt::Key(key)) : QTest::mouseClick(about->cmdOK, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY2(about.isNull(), qPrintable(QString::number(key)));
    }
}

void AboutTest::readsKeyValuesByType_data()
{
    QTest::addColumn<LookUpCase>("c");
    const QByteArray path = "C:\\Archivos de programa\\MSInfo\\MSINFO32.EXE", full(1024, 'x');
    const QString before = QStringLiteral("before"), text = QString::fromLatin1(path);
    const LookUpCase cases[] = {
        {"text stored with its NUL", "Path", REG_SZ, path + '\0', kEveryRight, true, text},
        {"text stored without NUL", "Path", REG_SZ, path, kEveryRight, true, text},
        {"1024 bytes are read whole", "Path", REG_SZ, full, kEveryRight, true, QString::fromLatin1(full)},
        {"a lone NUL is empty text", "Path", REG_SZ, QByteArray(1, '\0'), kEveryRight, true, QString()},
        {"number", "Path", REG_DWORD, dword(300), kEveryRight, true, QStringLiteral("300")},
        {"largest number", "Path", REG_DWORD, dword(0xFFFFFFFF), kEveryRight, true, QStringLiteral("4294967295")},
        {"expandable text leaves the text", "Path", REG_EXPAND_SZ, "%SystemRoot%", kEveryRight, true, before},
        {"missing value", "Other", REG_SZ, path, kEveryRight, false, QString()},
        {"1025 bytes", "Path", REG_SZ, QByteArray(1025, 'x'), kEveryRight, false, QString()},
        {"size 0", "Path", REG_SZ, QByteArray(), kEveryRight, false, QString()},
        {"key readable only", "Path", REG_SZ, path, kReadOnly, false, QString()},
    };
    for (const LookUpCase &c : cases)
        QTest::newRow(c.tag) << c;
}

void AboutTest::readsKeyValuesByType()
{
    QFETCH(LookUpCase, c);
    MemoryRegistry registry;
    // Stored in other letter case: registry names ignore case.
    const QByteArray key = "Software\\Microsoft\\Shared Tools\\MsInfo";
    registry.setValue(HKEY_LOCAL_MACHINE, key, c.name, c.type, c.data);
    registry.setKeyAccess(HKEY_LOCAL_MACHINE, key, c.granted);
    // Callers pass the text empty: a number's digits are appended to it.
    QString value = c.type == REG_DWORD ? QString() : QStringLiteral("before");
    QCOMPARE(sysinfo::GetKeyValue(registry, HKEY_LOCAL_MACHINE, QString::fromLatin1(kPathKey), "PATH", value), c.read);
    QCOMPARE(value, c.expected);
    QCOMPARE(registry.openKeyCount(), 0);
    // Query, set, create and enumerate subkeys, notify, create link, read control.
    QCOMPARE(registry.lastAccessAsked(), DWORD(0x2003F));
}

void AboutTest::startsSystemInformation_data()
{
    QTest::addColumn<StartCase>("c");
    const QByteArray program = "C:\\Tools\\MSInfo\\msinfo32.exe", folder = "C:\\Archivos de programa\\MSInfo", none;
    const QStringList nothing, first{QString::fromLatin1(program)},
        inFolder{QStringLiteral("C:\\Archivos de programa\\MSInfo\\MSINFO32.EXE")};
    const StartCase cases[] = {
        {"first key wins unchanged", program + '\0', REG_SZ, folder, true, true, nothing, first, false},
        {"first key's program does not start", program, REG_SZ, folder, true, false, nothing, first, true},
        {"empty first value ends at once", "", REG_SZ, folder, true, true, nothing, nothing, true},
        {"first value of another type", program, REG_EXPAND_SZ, none, false, false, nothing, {QString()}, true},
        {"folder holding the program", none, REG_SZ, folder + '\0', true, true, inFolder, inFolder, false},
        {"folder without the program", none, REG_SZ, folder, false, true, inFolder, nothing, true},
        {"program in the folder does not start", none, REG_SZ, folder, true, false, inFolder, inFolder, true},
        {"nothing in the registry", none, REG_SZ, none, true, true, nothing, nothing, true},
    };
    for (const StartCase &c : cases)
        QTest::newRow(c.tag) << c;
}

void AboutTest::startsSystemInformation()
{
    QFETCH(StartCase, c);
    MemoryRegistry registry;
    if (!c.path.isNull())
        registry.setValue(HKEY_LOCAL_MACHINE, kPathKey, "PATH", c.pathType, c.path);
    if (!c.folder.isNull())
        registry.setValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", REG_SZ, c.folder);
    QStringList searched, started, messages;
    sysinfo::Services services;
    services.registry = &registry;
    services.findFile = [&](const QString &path) { searched << path; return c.fileThere; };
    services.startProgram = [&](const QString &path) { started << path; return c.startWorks; };
    services.showMessage = [&](QWidget *, const QString &prompt) { messages << prompt; };
    sysinfo::StartSysInfo(services, nullptr);
    QCOMPARE(searched, c.searched);
    QCOMPARE(started, c.started);
    QCOMPARE(messages, c.message ? QStringList{kUnavailable} : QStringList());
    QCOMPARE(registry.openKeyCount(), 0);
}

// This computer has no registry: the window's look-up reads nothing, and
// System Information is said to be unavailable without a search or a start.
void AboutTest::programRegistryHoldsNothing()
{
    frmAbout about;
    QString value = QStringLiteral("before");
    QVERIFY(!about.GetKeyValue(HKEY_LOCAL_MACHINE, QString::fromLatin1(kPathKey), QStringLiteral("PATH"), value));
    QCOMPARE(value, QString());

    QStringList calls;
    sysinfo::Services services;
    services.findFile = [&](const QString &path) { calls << QStringLiteral("search ") + path; return true; };
    services.startProgram = [&](const QString &path) { calls << QStringLiteral("start ") + path; return true; };
    services.showMessage = [&](QWidget *parent, const QString &prompt) {
        QCOMPARE(parent, &about);
        calls << prompt;
    };
    about.setServices(services);
    QTest::mouseClick(about.cmdSysInfo, Qt::LeftButton);
    QCOMPARE(calls, QStringList{kUnavailable});
}

QTEST_MAIN(AboutTest)
#include "tst_about.moc"
