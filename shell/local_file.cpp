#include "local_file.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace localfile {

namespace {

constexpr qint64 kChunk = 64 * 1024;

// Reads until the end or until one byte more than `limit` has come, so that
// a longer file is known to be cut.
template <typename ReadSome>
Contents readUpTo(qint64 limit, ReadSome readSome)
{
    Contents contents{Outcome::Read, {}, false};
    for (;;) {
        const qint64 wanted = std::min(kChunk, limit + 1 - qint64(contents.data.size()));
        if (wanted <= 0)
            break;
        const qsizetype before = contents.data.size();
        contents.data.resize(before + wanted);
        const qint64 got = readSome(contents.data.data() + before, wanted);
        if (got < 0)
            return {Outcome::Unreadable, {}, false};
        contents.data.resize(before + got);
        if (got == 0)
            break;
    }
    if (contents.data.size() > limit) {
        contents.data.truncate(limit);
        contents.truncated = true;
    }
    return contents;
}

Contents readResource(const QString &path, qint64 limit)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {Outcome::Missing, {}, false};
    if (!info.isFile())
        return {Outcome::NotAFile, {}, false};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {Outcome::Unreadable, {}, false};
    return readUpTo(limit, [&file](char *to, qint64 size) { return file.read(to, size); });
}

Outcome outcomeOfError(int error)
{
    return error == ENOENT || error == ENOTDIR ? Outcome::Missing : Outcome::Unreadable;
}

Contents readLocal(const QString &path, qint64 limit)
{
    const QByteArray name = QFile::encodeName(path);
    // A device or a FIFO is never opened: opening some of them waits or acts.
    struct stat status {};
    if (::stat(name.constData(), &status) != 0)
        return {outcomeOfError(errno), {}, false};
    if (!S_ISREG(status.st_mode))
        return {Outcome::NotAFile, {}, false};
    // Not waiting, and checked again once open, in case the path changed meanwhile.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return {outcomeOfError(errno), {}, false};
    Contents contents{Outcome::NotAFile, {}, false};
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) {
        contents = readUpTo(limit, [fd](char *to, qint64 size) {
            ssize_t got;
            do
                got = ::read(fd, to, size_t(size));
            while (got < 0 && errno == EINTR);
            return qint64(got);
        });
    }
    ::close(fd);
    return contents;
}

} // namespace

Contents read(const QString &path, qint64 limit)
{
    if (path.startsWith(QLatin1Char(':')))
        return readResource(path, limit);
    return readLocal(path, limit);
}

} // namespace localfile
