#include "sysinfo_launcher.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QWindow>

namespace sysinfo {

namespace {

using namespace registry;

// Rights asked for when a key is opened: every right on its values and
// subkeys, and read control. Reading needs only some of them, but a key that
// grants no more than reading is not opened, and so not read.
constexpr DWORD kKeyAccess = KEY_QUERY_VALUE | KEY_SET_VALUE | KEY_CREATE_SUB_KEY | KEY_ENUMERATE_SUB_KEYS
                             | KEY_NOTIFY | KEY_CREATE_LINK | READ_CONTROL;

// The value buffer: 1024 NUL characters, announced as 1024 bytes.
constexpr int kValueBufferSize = 1024;

const char kProgramPathKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const char kProgramPathValue[] = "PATH";
const char kProgramFolderKey[] = "SOFTWARE\\Microsoft\\Shared Tools Location";
const char kProgramFolderValue[] = "MSINFO";
const char kProgramFile[] = "\\MSINFO32.EXE";

// The bytes from the last to the first, two upper-case hexadecimal digits
// each: a little-endian number written most significant byte first.
QString hexDigitsFromLast(const QByteArray &bytes)
{
    QString digits;
    for (auto byte = bytes.crbegin(); byte != bytes.crend(); ++byte)
        digits += QStringLiteral("%1").arg(uchar(*byte), 2, 16, QLatin1Char('0')).toUpper();
    return digits;
}

// "&h" followed by hexadecimal digits reads as that number, written in
// decimal; any other text (or a number too long for 64 bits) stays as it is.
QString formatGeneral(const QString &text)
{
    if (!text.startsWith(QLatin1String("&h"), Qt::CaseInsensitive))
        return text;
    static const QRegularExpression hexDigits(QStringLiteral("^[0-9A-Fa-f]{1,16}$"));
    const QString digits = text.mid(2);
    if (!hexDigits.match(digits).hasMatch())
        return text;
    return QString::number(digits.toULongLong(nullptr, 16));
}

LookUp readValue(Registry &registry, HKEY key, const QString &valueName, QString &value)
{
    QByteArray buffer(kValueBufferSize, '\0');
    DWORD size = kValueBufferSize;
    DWORD type = 0;
    const LONG read = registry.RegQueryValueExA(key, valueName.toLatin1().constData(), nullptr, &type,
                                                reinterpret_cast<unsigned char *>(buffer.data()), &size);
    if (read != ERROR_SUCCESS) {
        value.clear();
        return LookUp::NotRead;
    }
    // The text ends before a terminating NUL. An empty value has no last
    // character to look at, and a size beyond the buffer nothing sound in it.
    if (size == 0 || size > DWORD(kValueBufferSize)) {
        value.clear();
        return LookUp::Failed;
    }
    const QByteArray kept = buffer.left(int(buffer.at(int(size) - 1) == '\0' ? size - 1 : size));
    if (type == REG_SZ)
        value = QString::fromLatin1(kept);
    else if (type == REG_DWORD)
        value = formatGeneral(QLatin1String("&h") + value + hexDigitsFromLast(kept));
    return LookUp::Read;
}

// Starts the program the registry names; false when there is none or it
// does not start.
bool startFromRegistry(const Services &services)
{
    QString path;
    switch (lookUpKeyValue(*services.registry, HKEY_LOCAL_MACHINE, QLatin1String(kProgramPathKey),
                           QLatin1String(kProgramPathValue), path)) {
    case LookUp::Read:
        return services.startProgram(path);
    case LookUp::Failed:
        return false;
    case LookUp::NotRead:
        break;
    }
    if (lookUpKeyValue(*services.registry, HKEY_LOCAL_MACHINE, QLatin1String(kProgramFolderKey),
                       QLatin1String(kProgramFolderValue), path)
        != LookUp::Read)
        return false;
    const QString program = path + QLatin1String(kProgramFile);
    return services.findFile(program) && services.startProgram(program);
}

} // namespace

QString localPath(const QString &windowsPath)
{
    QString path = windowsPath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
#ifndef Q_OS_WIN
    static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:(?=/)"));
    path.remove(drive);
#endif
    return QDir::cleanPath(path);
}

bool findOrdinaryFile(const QString &path)
{
    const QFileInfo info(localPath(path));
    return info.isFile() && !info.isHidden();
}

bool startProgramDetached(const QString &path)
{
    return !path.isEmpty() && QProcess::startDetached(localPath(path), {});
}

void showPlainMessage(QWidget *parent, const QString &prompt)
{
    // Owned here, not by `parent`: a window deleted while the box runs would
    // delete its children, the box among them, under exec(). The box stands
    // over that window all the same, and blocks the whole program.
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), prompt, QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    if (parent) {
        box.winId();
        box.windowHandle()->setTransientParent(parent->window()->windowHandle());
    }
    box.exec();
}

QString unavailableMessage()
{
    return QStringLiteral("La información del sistema no está disponible en este momento");
}

LookUp lookUpKeyValue(Registry &registry, HKEY root, const QString &keyName, const QString &valueName,
                      QString &value)
{
    HKEY key = 0;
    if (registry.RegOpenKeyExA(root, keyName.toLatin1().constData(), 0, kKeyAccess, &key) != ERROR_SUCCESS) {
        value.clear();
        return LookUp::NotRead;
    }
    const LookUp result = readValue(registry, key, valueName, value);
    registry.RegCloseKey(key);
    return result;
}

bool GetKeyValue(Registry &registry, HKEY KeyRoot, const QString &KeyName, const QString &SubKeyRef,
                 QString &KeyVal)
{
    return lookUpKeyValue(registry, KeyRoot, KeyName, SubKeyRef, KeyVal) == LookUp::Read;
}

void StartSysInfo(const Services &services, QWidget *parent)
{
    if (!startFromRegistry(services))
        services.showMessage(parent, unavailableMessage());
}

} // namespace sysinfo
