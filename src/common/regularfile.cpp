#include "common/regularfile.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#ifdef Q_OS_LINUX
#include <linux/magic.h>
#include <sys/vfs.h>
#endif

namespace {

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// What a name that is not a regular file is, in the user's words.
QString kindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return QStringLiteral("it is a folder, not a file");
    if (S_ISFIFO(mode))
        return QStringLiteral("it is a named pipe (FIFO), not a file");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("it is a device, not a file");
    if (S_ISSOCK(mode))
        return QStringLiteral("it is a socket, not a file");
    return QStringLiteral("it is not a regular file");
}

// Files under /proc and /sys look regular but are made up by the system as they are read: some
// never end, some block until the system has something to say.
bool isSystemTable(int fd)
{
#ifdef Q_OS_LINUX
    struct statfs fs
    {
    };
    return ::fstatfs(fd, &fs) == 0 && (fs.f_type == PROC_SUPER_MAGIC || fs.f_type == SYSFS_MAGIC);
#else
    Q_UNUSED(fd)
    return false;
#endif
}

bool fail(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return false;
}

} // namespace

QString sizeInWords(qint64 bytes)
{
    return bytes >= 1024 * 1024 ? QStringLiteral("%1 MB").arg(bytes / (1024 * 1024))
                                : QStringLiteral("%1 KB").arg(bytes / 1024);
}

bool readRegularFile(const QString &fileName, qint64 limitBytes, QByteArray &data, QString *error)
{
    const int fd = ::open(QFile::encodeName(fileName).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return fail(error, systemReason(errno));
    struct Closer
    {
        int fd;
        ~Closer() { ::close(fd); }
    } closer { fd };
    struct stat info
    {
    };
    if (::fstat(fd, &info) != 0)
        return fail(error, systemReason(errno));
    if (!S_ISREG(info.st_mode))
        return fail(error, kindOf(info.st_mode));
    if (isSystemTable(fd))
        return fail(error, QStringLiteral("it is a file of the running system, not a saved file"));
    const QString tooLarge = QStringLiteral("it is larger than %1").arg(sizeInWords(limitBytes));
    if (info.st_size > limitBytes)
        return fail(error, tooLarge);
    // The size read may differ from the size stated (a file still being written): read to the end,
    // but never past the limit.
    QByteArray bytes(qsizetype(info.st_size) + 1, Qt::Uninitialized);
    qsizetype have = 0;
    for (;;) {
        if (have == bytes.size()) {
            if (have > limitBytes)
                return fail(error, tooLarge);
            bytes.resize(qMin<qint64>(qint64(have) * 2 + 4096, limitBytes + 1));
        }
        const ssize_t n = ::read(fd, bytes.data() + have, size_t(bytes.size() - have));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return fail(error, systemReason(errno));
        if (n == 0)
            break;
        have += n;
    }
    if (have > limitBytes)
        return fail(error, tooLarge);
    bytes.truncate(have);
    data = std::move(bytes);
    return true;
}
