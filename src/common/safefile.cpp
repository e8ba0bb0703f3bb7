#include "common/safefile.h"

#include "common/filenamelimit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The temporary file's name: a dot, at most 24 characters of the file's own name (so it can be
// told whose it is), and a random tail. Well under any file-name length limit.
QString temporaryNameFor(const QString &fileName)
{
    const QFileInfo info(fileName);
    const QString tail = QString::number(QRandomGenerator::global()->generate() & 0xFFFFFF, 16);
    return info.dir().filePath(
        QLatin1Char('.') + info.fileName().left(24) + QLatin1Char('.') + tail + QStringLiteral(".tmp"));
}

} // namespace

const FileCalls &FileCalls::system()
{
    static const FileCalls calls {
        [](const char *path, int flags, mode_t mode) { return ::open(path, flags, mode); },
        [](int fd, const void *bytes, size_t count) { return ::write(fd, bytes, count); },
        [](int fd) { return ::fdatasync(fd); },
        [](int fd) { return ::close(fd); },
        [](const char *from, const char *to) { return ::rename(from, to); },
    };
    return calls;
}

SafeFile::SafeFile(const QString &fileName, const FileCalls &calls, SafeFileOptions options)
    : m_fileName(fileName)
    , m_calls(calls)
    , m_options(std::move(options))
{
    // Replacing a link replaces the file it points to, as editors do, and keeps the link.
    const QFileInfo info(fileName);
    if (info.isSymLink() && info.exists())
        m_fileName = info.canonicalFilePath();
}

SafeFile::~SafeFile()
{
    discard();
}

bool SafeFile::fail(int error)
{
    if (m_error.isEmpty())
        m_error = QString::fromLocal8Bit(std::strerror(error));
    discard();
    return false;
}

void SafeFile::discard()
{
    if (m_fd >= 0)
        m_calls.close(m_fd);
    m_fd = -1;
    // A failed save leaves no temporary file, not even one kept between writes: it may hold half
    // of the new bytes, and the next write starts it afresh.
    if (!m_committed && !m_temporary.isEmpty())
        QFile::remove(m_temporary);
    m_temporary.clear();
}

bool SafeFile::open()
{
    struct stat old
    {
    };
    const QByteArray target = QFile::encodeName(m_fileName);
    const bool replacing = ::stat(target.constData(), &old) == 0;
    if (replacing && S_ISDIR(old.st_mode))
        return fail(EISDIR);
    // Said before anything is written, with the limit, rather than as the system's bare "File name
    // too long" from the final rename.
    if (const QString tooLong = fileNameLengthProblem(m_fileName); !tooLong.isEmpty()) {
        m_error = tooLong;
        return false;
    }
    if (!m_options.keptTemporary.isEmpty()) {
        m_temporary = m_options.keptTemporary;
        m_fd = m_calls.open(QFile::encodeName(m_temporary).constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    }
    for (int attempt = 0; m_temporary.isEmpty() && attempt < 100; ++attempt) {
        m_temporary = temporaryNameFor(m_fileName);
        m_fd = m_calls.open(QFile::encodeName(m_temporary).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (m_fd < 0 && errno == EEXIST)
            m_temporary.clear();
    }
    if (m_fd < 0) {
        const int error = errno;
        m_temporary.clear(); // not ours to remove
        return fail(error);
    }
    // The new file keeps the permissions of the one it replaces.
    if (replacing)
        ::fchmod(m_fd, old.st_mode & 07777);
    return true;
}

bool SafeFile::write(QByteArrayView bytes)
{
    if (m_fd < 0)
        return false;
    const char *from = bytes.data();
    size_t left = static_cast<size_t>(bytes.size());
    while (left > 0) {
        const ssize_t written = m_calls.write(m_fd, from, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return fail(written < 0 ? errno : ENOSPC);
        from += written;
        m_size += written;
        left -= static_cast<size_t>(written);
    }
    return true;
}

bool SafeFile::commit()
{
    if (m_fd < 0)
        return false;
    // The flush is what makes the save safe before the old file goes: a disk that fails it (an
    // I/O error) must not get the old file replaced.
    if (m_options.flush && m_calls.fdatasync(m_fd) != 0)
        return fail(errno);
    // A kept temporary file may hold a longer file from before.
    if (!m_options.keptTemporary.isEmpty() && ::ftruncate(m_fd, m_size) != 0)
        return fail(errno);
    const int fd = m_fd;
    m_fd = -1;
    if (m_calls.close(fd) != 0)
        return fail(errno);
    const QByteArray from = QFile::encodeName(m_temporary), to = QFile::encodeName(m_fileName);
#ifdef RENAME_EXCHANGE
    // Swaps the two names in one step: the new file takes the place of the old, which becomes the
    // next temporary file.
    if (!m_options.keptTemporary.isEmpty()
        && ::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_EXCHANGE) == 0) {
        m_committed = true;
        return true;
    }
#endif
    // No file to swap with yet (or no swapping here): rename() replaces the old file in one step.
    if (m_calls.rename(from.constData(), to.constData()) != 0)
        return fail(errno);
    m_committed = true;
    return true;
}

bool writeFileSafely(const QString &fileName, QByteArrayView bytes, QString *error, const FileCalls &calls)
{
    SafeFile file(fileName, calls);
    const bool saved = file.open() && file.write(bytes) && file.commit();
    if (!saved && error)
        *error = file.errorString();
    return saved;
}
