#include "sysinfo_launcher.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>

using namespace registry;

class SysInfoTest : public QObject
{
    Q_OBJECT
private slots:
    void readsValuesByType_data();
    void readsValuesByType();
    void failedLookUpsEmptyTheText_data();
    void failedLookUpsEmptyTheText();
    void startsSystemInformation_data();
    void startsSystemInformation();
    void fileSearchFindsOrdinaryFilesOnly();
    void programStartReportsFailure();
    void unavailableMessageIsAPlainBox();
};

namespace {

const QByteArray kPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const QByteArray kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

QByteArray dword(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

// The launcher's services over a registry and recorded hooks.
struct FakeSystem
{
    MemoryRegistry registry;
    bool fileThere = false;
    bool startWorks = true;
    QStringList filesSearched;
    QStringList programsStarted;
    QStringList messages;

    sysinfo::Services services()
    {
        sysinfo::Services s;
        s.registry = &registry;
        s.findFile = [this](const QString &path) { filesSearched << path; return fileThere; };
        s.startProgram = [this](const QString &path) { programsStarted << path; return startWorks; };
        s.showMessage = [this](QWidget *, const QString &prompt) { messages << prompt; };
        return s;
    }
};

} // namespace

void SysInfoTest::readsValuesByType_data()
{
    QTest::addColumn<quint32>("type");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("entering");
    QTest::addColumn<QString>("expected");

    const QByteArray path = "C:\\Archivos de programa\\MSInfo\\MSINFO32.EXE";
    const QByteArray full(1024, 'x');
    QTest::newRow("text stored with its NUL") << REG_SZ << path + '\0' << QString() << QString::fromLatin1(path);
    QTest::newRow("text stored without NUL") << REG_SZ << path << QString() << QString::fromLatin1(path);
    QTest::newRow("1024 bytes are read whole") << REG_SZ << full << QString() << QString::fromLatin1(full);
    QTest::newRow("1024 bytes ending in NUL") << REG_SZ << full.left(1023) + '\0' << QString()
                                              << QString::fromLatin1(full.left(1023));
    QTest::newRow("a lone NUL is empty text") << REG_SZ << QByteArray(1, '\0') << QStringLiteral("old") << QString();
    QTest::newRow("ANSI accents") << REG_SZ << QByteArray("Informaci\xf3n\0", 12) << QString()
                                  << QStringLiteral("Información");
    QTest::newRow("number 300") << REG_DWORD << dword(300) << QString() << QStringLiteral("300");
    QTest::newRow("number with a high byte") << REG_DWORD << dword(0x01000000) << QString() << QStringLiteral("16777216");
    QTest::newRow("largest number") << REG_DWORD << dword(0xFFFFFFFF) << QString() << QStringLiteral("4294967295");
    QTest::newRow("number 0") << REG_DWORD << dword(0) << QString() << QStringLiteral("0");
    QTest::newRow("expandable text leaves the text") << REG_EXPAND_SZ << QByteArray("%SystemRoot%\0", 13)
                                                     << QStringLiteral("before") << QStringLiteral("before");
    QTest::newRow("binary leaves it empty") << REG_BINARY << QByteArray("\x01\x02", 2) << QString() << QString();
}

void SysInfoTest::readsValuesByType()
{
    QFETCH(quint32, type);
    QFETCH(QByteArray, data);
    QFETCH(QString, entering);
    QFETCH(QString, expected);

    MemoryRegistry registry;
    // Stored in other letter case: registry names ignore case.
    registry.setValue(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Shared Tools\\MsInfo", "Path", type, data);
    QString value = entering;
    QVERIFY(sysinfo::GetKeyValue(registry, HKEY_LOCAL_MACHINE, QString::fromLatin1(kPathKey), QStringLiteral("PATH"), value));
    QCOMPARE(value, expected);
    QCOMPARE(registry.openKeyCount(), 0);
}

void SysInfoTest::failedLookUpsEmptyTheText_data()
{
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<quint32>("granted");

    QTest::newRow("missing key") << QByteArray("SOFTWARE\\Other") << QByteArray("PATH") << QByteArray("x") << KEY_ALL_RIGHTS;
    QTest::newRow("missing value") << kPathKey << QByteArray("OTHER") << QByteArray("x") << KEY_ALL_RIGHTS;
    QTest::newRow("1025 bytes") << kPathKey << QByteArray("PATH") << QByteArray(1025, 'x') << KEY_ALL_RIGHTS;
    QTest::newRow("size 0") << kPathKey << QByteArray("PATH") << QByteArray() << KEY_ALL_RIGHTS;
    QTest::newRow("key readable only") << kPathKey << QByteArray("PATH") << QByteArray("x") << KEY_READ;
}

void SysInfoTest::failedLookUpsEmptyTheText()
{
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, data);
    QFETCH(quint32, granted);

    MemoryRegistry registry;
    registry.setValue(HKEY_LOCAL_MACHINE, key, name, REG_SZ, data);
    registry.setKeyAccess(HKEY_LOCAL_MACHINE, key, granted);
    QString value = QStringLiteral("before");
    QVERIFY(!sysinfo::GetKeyValue(registry, HKEY_LOCAL_MACHINE, QString::fromLatin1(kPathKey), QStringLiteral("PATH"), value));
    QCOMPARE(value, QString());
    QCOMPARE(registry.openKeyCount(), 0);
}

void SysInfoTest::startsSystemInformation_data()
{
    QTest::addColumn<QVariant>("pathValue");     // under the first key; invalid when absent
    QTest::addColumn<quint32>("pathType");
    QTest::addColumn<QVariant>("folderValue");   // under the second key
    QTest::addColumn<bool>("fileThere");
    QTest::addColumn<bool>("startWorks");
    QTest::addColumn<QStringList>("searched");
    QTest::addColumn<QStringList>("started");
    QTest::addColumn<bool>("message");

    const QByteArray program = "C:\\Tools\\MSInfo\\msinfo32.exe";
    const QByteArray folder = "C:\\Archivos de programa\\MSInfo";
    const QString inFolder = QStringLiteral("C:\\Archivos de programa\\MSInfo\\MSINFO32.EXE");
    const QVariant none;
    QTest::newRow("first key wins unchanged")
        << QVariant(program + '\0') << REG_SZ << QVariant(folder) << true << true
        << QStringList() << QStringList{QString::fromLatin1(program)} << false;
    QTest::newRow("first key's program does not start")
        << QVariant(program) << REG_SZ << QVariant(folder) << true << false
        << QStringList() << QStringList{QString::fromLatin1(program)} << true;
    QTest::newRow("empty first value ends at once")
        << QVariant(QByteArray()) << REG_SZ << QVariant(folder) << true << true
        << QStringList() << QStringList() << true;
    QTest::newRow("first value of another type starts nothing")
        << QVariant(program) << REG_EXPAND_SZ << none << false << false
        << QStringList() << QStringList{QString()} << true;
    QTest::newRow("folder holding the program")
        << none << REG_SZ << QVariant(folder + '\0') << true << true
        << QStringList{inFolder} << QStringList{inFolder} << false;
    QTest::newRow("folder without the program")
        << none << REG_SZ << QVariant(folder) << false << true
        << QStringList{inFolder} << QStringList() << true;
    QTest::newRow("program in the folder does not start")
        << none << REG_SZ << QVariant(folder) << true << false
        << QStringList{inFolder} << QStringList{inFolder} << true;
    QTest::newRow("nothing in the registry")
        << none << REG_SZ << none << true << true << QStringList() << QStringList() << true;
}

void SysInfoTest::startsSystemInformation()
{
    QFETCH(QVariant, pathValue);
    QFETCH(quint32, pathType);
    QFETCH(QVariant, folderValue);
    QFETCH(bool, fileThere);
    QFETCH(bool, startWorks);

    FakeSystem system;
    if (pathValue.isValid())
        system.registry.setValue(HKEY_LOCAL_MACHINE, kPathKey, "PATH", pathType, pathValue.toByteArray());
    if (folderValue.isValid())
        system.registry.setValue(HKEY_LOCAL_MACHINE, kFolderKey, "MSINFO", REG_SZ, folderValue.toByteArray());
    system.fileThere = fileThere;
    system.startWorks = startWorks;

    sysinfo::StartSysInfo(system.services(), nullptr);
    QTEST(system.filesSearched, "searched");
    QTEST(system.programsStarted, "started");
    QFETCH(bool, message);
    QCOMPARE(system.messages, message ? QStringList{QStringLiteral("La información del sistema no está disponible en este momento")}
                                      : QStringList());
    QCOMPARE(system.registry.openKeyCount(), 0);
}

void SysInfoTest::fileSearchFindsOrdinaryFilesOnly()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // The folder as the registry would name it: a drive, backslashes, one at the end.
    const QString folder = QStringLiteral("C:") + QString(dir.path()).replace(QLatin1Char('/'), QLatin1Char('\\'))
                           + QLatin1Char('\\');
    for (const QString &name : {QStringLiteral("MSINFO32.EXE"), QStringLiteral(".hidden.exe")}) {
        QFile file(QDir(dir.path()).filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.exe")));

    QVERIFY(sysinfo::findOrdinaryFile(folder + QStringLiteral("\\MSINFO32.EXE")));
    QVERIFY(!sysinfo::findOrdinaryFile(folder + QStringLiteral("\\.hidden.exe")));
    QVERIFY(!sysinfo::findOrdinaryFile(folder + QStringLiteral("\\folder.exe")));
    QVERIFY(!sysinfo::findOrdinaryFile(folder + QStringLiteral("\\missing.exe")));
}

void SysInfoTest::programStartReportsFailure()
{
    QVERIFY(!sysinfo::startProgramDetached(QString()));
    QVERIFY(!sysinfo::startProgramDetached(QStringLiteral("C:\\no\\such\\MSINFO32.EXE")));
    QVERIFY(sysinfo::startProgramDetached(QStringLiteral("C:\\bin\\true")));
}

void SysInfoTest::unavailableMessageIsAPlainBox()
{
    QString text, title;
    QMessageBox::Icon icon = QMessageBox::Warning;
    QMessageBox::StandardButtons buttons;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        text = box->text();
        title = box->windowTitle();
        icon = box->icon();
        buttons = box->standardButtons();
        box->button(QMessageBox::Ok)->click();
    });
    sysinfo::showPlainMessage(nullptr, sysinfo::unavailableMessage());
    QCOMPARE(text, QStringLiteral("La información del sistema no está disponible en este momento"));
    QCOMPARE(title, QStringLiteral("Vorbelia"));
    QCOMPARE(icon, QMessageBox::NoIcon);
    QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

QTEST_MAIN(SysInfoTest)
#include "tst_sysinfo.moc"
