#include "support/marked_start.h"

#include "support/clock.h"
#include "support/figures.h"

#include <QFile>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace ejteto::bench {

namespace {
constexpr int kMarksFdInChild = 3;

// Keeps both ends of the pipe clear of the descriptor the child receives
// them at, so the dup2 in the child always makes a fresh, inheritable copy.
int movedAboveStandardFds(int fd)
{
    const int moved = fcntl(fd, F_DUPFD_CLOEXEC, 10);
    ::close(fd);
    return moved;
}

QString exitStatusText(int status)
{
    if (WIFEXITED(status))
        return QStringLiteral("exit code %1").arg(WEXITSTATUS(status));
    if (WIFSIGNALED(status))
        return QStringLiteral("signal %1").arg(WTERMSIG(status));
    return QStringLiteral("status %1").arg(status);
}
} // namespace

MarkedStart::MarkedStart(const QString& program, const QString& workDir, const QStringList& arguments)
    : program_(program)
{
    int ends[2];
    if (pipe(ends) != 0)
        fail(QStringLiteral("pipe: %1").arg(QString::fromLocal8Bit(strerror(errno))));
    const int readEnd = movedAboveStandardFds(ends[0]);
    const int writeEnd = movedAboveStandardFds(ends[1]);

    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e)
        if (std::string(*e).rfind("EJTETO_BENCH_MARKS=", 0) != 0)
            env.emplace_back(*e);
    env.push_back("EJTETO_BENCH_MARKS=/dev/fd/" + std::to_string(kMarksFdInChild));
    std::vector<char*> envp;
    for (std::string& s : env)
        envp.push_back(s.data());
    envp.push_back(nullptr);

    const QByteArray path = QFile::encodeName(program);
    const QByteArray dir = QFile::encodeName(workDir);
    std::vector<QByteArray> args{path};
    for (const QString& a : arguments)
        args.push_back(a.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, writeEnd, kMarksFdInChild);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addchdir_np(&actions, dir.constData());

    execNs_ = nowNs();
    const int rc = posix_spawn(&pid_, path.constData(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(writeEnd); // the child holds the only writer now: its exit ends the pipe
    if (rc != 0)
        fail(QStringLiteral("cannot start %1: %2").arg(program, QString::fromLocal8Bit(strerror(rc))));
    marksFd_ = readEnd;
}

MarkedStart::~MarkedStart()
{
    if (pid_ > 0) {
        kill(pid_, SIGKILL);
        int status = 0;
        waitpid(pid_, &status, 0);
    }
    if (marksFd_ >= 0)
        ::close(marksFd_);
}

StartTimes MarkedStart::waitForMarks(int timeoutMs)
{
    StartTimes t;
    std::string text;
    const int64_t deadline = nowNs() + int64_t(timeoutMs) * 1000000;
    while (t.mappedMs < 0 || t.paintedMs < 0) {
        const int left = int((deadline - nowNs()) / 1000000);
        pollfd p{marksFd_, POLLIN, 0};
        if (left <= 0 || poll(&p, 1, left) <= 0)
            failWithChild(QStringLiteral("wrote no start marks within %1 ms").arg(timeoutMs));
        char buffer[256];
        const ssize_t n = read(marksFd_, buffer, sizeof buffer);
        if (n <= 0)
            failWithChild(QStringLiteral("ended before its window was painted"));
        text.append(buffer, size_t(n));
        size_t eol;
        while ((eol = text.find('\n')) != std::string::npos) {
            const std::string line = text.substr(0, eol);
            text.erase(0, eol + 1);
            const size_t space = line.find(' ');
            if (space == std::string::npos)
                continue;
            const double ms = msBetween(execNs_, std::stoll(line.substr(space + 1)));
            if (line.compare(0, space, "mapped") == 0)
                t.mappedMs = ms;
            else if (line.compare(0, space, "painted") == 0)
                t.paintedMs = ms;
        }
    }
    return t;
}

void MarkedStart::failWithChild(const QString& why)
{
    // A child that is still running is stopped first: nothing of a failed
    // run stays behind on the display.
    kill(pid_, SIGKILL);
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
    fail(QStringLiteral("%1 %2 (%3)").arg(program_, why, exitStatusText(status)));
}

double MarkedStart::residentMiB() const
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid_));
    if (!status.open(QIODevice::ReadOnly))
        fail(QStringLiteral("cannot read %1").arg(status.fileName()));
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0; // kB
    }
    fail(QStringLiteral("no VmRSS in %1").arg(status.fileName()));
}

} // namespace ejteto::bench
