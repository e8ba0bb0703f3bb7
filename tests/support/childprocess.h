#pragma once

#include <QByteArray>

#include <functional>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// Runs `action` in a forked child under a file-size limit of `limitBytes` and hands back how the
// child ended and what the action returned. The limit then holds for the child alone, and a
// SIGXFSZ that ends it cannot take the test with it.
struct ChildResult
{
    bool signalled = false; // ended by a signal (which)
    int signal = 0;
    QByteArray output;
};

inline ChildResult runWithFileSizeLimit(rlim_t limitBytes, const std::function<QByteArray()> &action)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return { true, -1, {} };
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        rlimit limit {};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = limitBytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const QByteArray output = action();
        [[maybe_unused]] const ssize_t written = ::write(channel[1], output.constData(), size_t(output.size()));
        ::_exit(0);
    }
    ::close(channel[1]);
    ChildResult result;
    char buffer[4096];
    for (ssize_t n; (n = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        result.output.append(buffer, n);
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    result.signalled = WIFSIGNALED(status);
    result.signal = result.signalled ? WTERMSIG(status) : 0;
    return result;
}
