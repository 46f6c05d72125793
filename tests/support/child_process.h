#pragma once
// Runs part of a test in a forked child process, for what a test process
// must not do to itself: give up root, or lower its file size limit.
#include <QString>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

namespace ejteto::testing {

// Forks; the child calls `restrict` (false: it could not, and the child
// fails), then `scenario`, whose text comes back to the parent through a
// pipe. A failed child gives a text saying so, never a scenario's result.
inline QString inChildProcess(const std::function<bool()>& restrict, const std::function<QString()>& scenario)
{
    int fds[2];
    if (::pipe(fds) != 0)
        return QStringLiteral("(no pipe)");
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        if (!restrict())
            ::_exit(3);
        const QByteArray report = scenario().toUtf8();
        ::_exit(::write(fds[1], report.constData(), static_cast<size_t>(report.size())) == report.size() ? 0 : 4);
    }
    ::close(fds[1]);
    QByteArray received;
    char buffer[512];
    for (ssize_t got; (got = ::read(fds[0], buffer, sizeof buffer)) > 0;)
        received.append(buffer, got);
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return QStringLiteral("(child failed with status %1)").arg(status);
    return QString::fromUtf8(received);
}

// Gives up root for the unprivileged user "nobody", to whom folder
// permissions apply.
inline bool becomeNobody() { return ::setgid(65534) == 0 && ::setuid(65534) == 0; }

} // namespace ejteto::testing
