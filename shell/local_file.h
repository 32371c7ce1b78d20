#pragma once

#include <QByteArray>
#include <QString>

// The one way the program reads a file of this machine or one of its own
// resources (":/..."): never more than a limit, whatever size the file
// reports. Files of /proc report a size of 0 and some hold gigabytes, devices
// have no end at all, and a FIFO without a writer would hold an ordinary open
// for ever; so only regular files are opened, without waiting, and read up to
// the limit.
namespace localfile {

enum class Outcome {
    Read,        // `data` holds the file, or its first `limit` bytes
    Missing,     // nothing at that path
    NotAFile,    // a folder, a device, a FIFO, a socket
    Unreadable,  // present but not readable (rights, a read error)
};

struct Contents
{
    Outcome outcome = Outcome::Missing;
    QByteArray data;
    bool truncated = false;   // the file holds more than `limit` bytes
};

Contents read(const QString &path, qint64 limit);

} // namespace localfile
