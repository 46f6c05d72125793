#pragma once
// Starting a program that writes start marks (EJTETO_BENCH_MARKS) and reading
// them: how long after exec its window was mapped and first painted, and how
// much memory it holds afterwards. The program runs as a child process with a
// pipe at /dev/fd/3 for its marks; it is killed when the measurement is done,
// so it never reaches its close handler and writes nothing.
#include <QString>
#include <QStringList>
#include <sys/types.h>

namespace ejteto::bench {

struct StartTimes {
    double mappedMs = -1;  // exec -> window mapped
    double paintedMs = -1; // exec -> first complete paint
};

class MarkedStart {
public:
    // Starts `program` with `arguments` in `workDir`, with the environment
    // of this process plus the marks variable; its standard output is
    // discarded.
    MarkedStart(const QString& program, const QString& workDir, const QStringList& arguments = {});
    ~MarkedStart(); // kills and reaps the child
    MarkedStart(const MarkedStart&) = delete;
    MarkedStart& operator=(const MarkedStart&) = delete;

    // Waits for both marks; fails the benchmark (with the child's exit
    // status) when they do not come within `timeoutMs`.
    StartTimes waitForMarks(int timeoutMs = 20000);
    // The child's resident set size now, in MiB (VmRSS).
    double residentMiB() const;

private:
    // Ends the child and reports `why` with how the child ended.
    [[noreturn]] void failWithChild(const QString& why);

    pid_t pid_ = -1;
    int marksFd_ = -1;
    long long execNs_ = 0;
    QString program_;
};

} // namespace ejteto::bench
