#pragma once

#include <QByteArrayView>
#include <QString>

#include <functional>

#include <sys/types.h>

// The system calls a save makes. Tests replace one of them to make it fail with a chosen error
// (a full disk, a refused folder, a failing flush), whoever runs them: a folder made read-only
// still takes files from root.
struct FileCalls
{
    std::function<int(const char *path, int flags, mode_t mode)> open;
    std::function<ssize_t(int fd, const void *bytes, size_t count)> write;
    std::function<int(int fd)> fdatasync;
    std::function<int(int fd)> close;
    std::function<int(const char *from, const char *to)> rename;

    static const FileCalls &system();
};

// How a SafeFile writes. The defaults make a save that survives a power cut. A file rewritten at
// every change (the recovery file) trades that for speed: a killed process still leaves the old file
// or the new one, which is what it is for.
struct SafeFileOptions
{
    // Flush the bytes to the disk before the rename; a failed flush fails the save.
    bool flush = true;
    // A temporary file kept from write to write instead of a new one each time: overwritten where it
    // stands, and swapped with the old file, which then becomes the next temporary file. Writing over
    // its pages costs less than freeing and taking them again.
    QString keptTemporary;
};

// Writes a file so that a failure at any point leaves the file that was there byte for byte as it
// was: the bytes go to a temporary file in the same folder, which is flushed to the disk (a failed
// flush counts as a failed save) and only then renamed over the old file. The temporary file has a
// short name of its own, so that a file whose name is near the length limit can still be replaced.
class SafeFile
{
public:
    explicit SafeFile(
        const QString &fileName, const FileCalls &calls = FileCalls::system(), SafeFileOptions options = {});
    ~SafeFile(); // removes the temporary file when the save was not committed
    SafeFile(const SafeFile &) = delete;
    SafeFile &operator=(const SafeFile &) = delete;

    bool open();
    bool write(QByteArrayView bytes);
    // Flushes, closes and renames; false (the old file untouched) when any of them fails.
    bool commit();
    // The file descriptor of the temporary file while it is open, or -1.
    int handle() const { return m_fd; }
    // The system's reason for the first failure ("No space left on device").
    QString errorString() const { return m_error; }

private:
    bool fail(int error);
    void discard();

    QString m_fileName; // the file being replaced, symbolic links followed
    QString m_temporary;
    const FileCalls &m_calls;
    SafeFileOptions m_options;
    int m_fd = -1;
    qint64 m_size = 0; // bytes written
    bool m_committed = false;
    QString m_error;
};

// The whole of `bytes` as the file; on failure `error` holds the reason and the old file is kept.
bool writeFileSafely(
    const QString &fileName, QByteArrayView bytes, QString *error, const FileCalls &calls = FileCalls::system());
