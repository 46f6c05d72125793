// A second program writing the history, for the tests that kill it in the
// middle of its writes or run two of it at once. Writes test runs to the
// history given and prints each run's id once its transaction is committed.
// Usage: history_child FILE COUNT   (COUNT 0: until killed)
#include "history/history_store.h"
#include "history/sample_runs.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    ejteto::HistoryStore store(QString::fromLocal8Bit(argv[1]));
    if (!store.available()) {
        std::fprintf(stderr, "%s\n", store.opening().message.toUtf8().constData());
        return 1;
    }
    const long count = std::strtol(argv[2], nullptr, 10);
    for (long n = 0; count == 0 || n < count; ++n) {
        const auto run = ejteto::testing::sampleRun(ejteto::RunKind::Test, static_cast<int>(n % 16) + 1,
                                                    static_cast<int>(n % 10), QDateTime::currentDateTimeUtc());
        const ejteto::HistoryWrite w = store.recordRun(run);
        if (!w.ok()) {
            std::fprintf(stderr, "%s\n", w.error.toUtf8().constData());
            return 1;
        }
        std::printf("%lld\n", static_cast<long long>(w.id));
        std::fflush(stdout);
    }
    return 0;
}
