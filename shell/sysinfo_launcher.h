#pragma once

#include "registry.h"

#include <QString>

#include <functional>

class QWidget;

// The start of the operating system's System Information program, found
// through the registry, and the services of the system it needs. Paths are
// kept as the registry gives them, in Windows form ("C:\...\MSINFO32.EXE").
namespace sysinfo {

// A Windows path as a path of this file system: backslashes become slashes,
// and a drive letter stands for the root ("C:\A\b.exe" -> "/A/b.exe").
QString localPath(const QString &windowsPath);

// Whether `path` names an ordinary file: present, not a folder, not hidden.
bool findOrdinaryFile(const QString &path);
// Starts the program `path` as a separate process, without waiting for it;
// false when it could not be started.
bool startProgramDetached(const QString &path);
// A message box over `parent` (not owned by it): the prompt, the application
// title as its caption, an OK button only and no icon. Returns when the user
// closes it, even if `parent` is deleted meanwhile.
void showPlainMessage(QWidget *parent, const QString &prompt);

// The system services the launcher uses: this computer's by default; each can
// be replaced (tests do).
struct Services
{
    registry::Registry *registry = &registry::systemRegistry();
    std::function<bool(const QString &path)> findFile = findOrdinaryFile;
    std::function<bool(const QString &path)> startProgram = startProgramDetached;
    std::function<void(QWidget *parent, const QString &prompt)> showMessage = showPlainMessage;
};

// How a registry look-up ended.
enum class LookUp {
    Read,      // the value was read
    NotRead,   // the key or the value is missing or cannot be read
    Failed,    // the value was read but holds nothing to trim (size 0)
};

// Reads the value `valueName` of key `keyName` below `root` into `value`
// through a buffer of 1024 bytes: a text without its terminating NUL, a 32-bit
// number in decimal; other types leave `value` as it came in. A missing key or
// value, one that cannot be opened for reading and writing, or one longer than
// the buffer is not read; every failure leaves `value` empty. The key is
// closed again on every path.
LookUp lookUpKeyValue(registry::Registry &registry, registry::HKEY root, const QString &keyName,
                      const QString &valueName, QString &value);

// The same as a yes/no answer: true when the value was read.
bool GetKeyValue(registry::Registry &registry, registry::HKEY KeyRoot, const QString &KeyName,
                 const QString &SubKeyRef, QString &KeyVal);

// Starts System Information: the program the first registry key names, used
// as it stands; failing that key, MSINFO32.EXE in the folder the second key
// names, if it is there. When neither gives a program that starts (or the
// first value is empty), says in a message box over `parent` that it is not
// available.
void StartSysInfo(const Services &services, QWidget *parent);

// The message shown when the program cannot be started.
QString unavailableMessage();

} // namespace sysinfo
