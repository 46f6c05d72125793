#include "support/figures.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace ejteto::bench {

double Samples::median() const
{
    if (values_.empty())
        return 0;
    std::vector<double> v = values_;
    std::sort(v.begin(), v.end());
    const size_t mid = v.size() / 2;
    return v.size() % 2 == 1 ? v[mid] : (v[mid - 1] + v[mid]) / 2;
}

BenchOptions parseOptions(int argc, char** argv, int defaultRounds)
{
    BenchOptions o;
    o.rounds = defaultRounds;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--rounds") == 0 && i + 1 < argc && std::atoi(argv[i + 1]) > 0) {
            o.rounds = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--rows-only") == 0) {
            o.rowsOnly = true;
        } else {
            std::fprintf(stderr, "usage: %s [--rounds N] [--rows-only]   (default %d rounds)\n", argv[0],
                         defaultRounds);
            std::exit(2);
        }
    }
    return o;
}

namespace {
constexpr int kFigureWidth = 46;

QString amount(double value, Unit unit)
{
    switch (unit) {
    case Unit::Microseconds:
        return QStringLiteral("%1 µs").arg(value, 0, 'f', 1);
    case Unit::Milliseconds:
        return QStringLiteral("%1 ms").arg(value, 0, 'f', 1);
    case Unit::Seconds:
        return QStringLiteral("%1 s").arg(value, 0, 'f', 2);
    case Unit::MiB:
        return QStringLiteral("%1 MiB").arg(value, 0, 'f', 1);
    case Unit::Percent:
        return QStringLiteral("%1 %").arg(value, 0, 'f', 1);
    }
    return {};
}

void printLine(const QString& line)
{
    std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}
} // namespace

void printHeader()
{
    printLine(QStringLiteral("%1 %2 %3 %4 %5 %6")
                  .arg(QStringLiteral("figure (medians)"), -kFigureWidth)
                  .arg(QStringLiteral("rounds"), 6)
                  .arg(QStringLiteral("program"), 11)
                  .arg(QStringLiteral("floor"), 11)
                  .arg(QStringLiteral("ratio"), 7)
                  .arg(QStringLiteral("difference"), 12));
    printLine(QString(kFigureWidth + 6 + 11 + 11 + 7 + 12 + 5, QLatin1Char('-')));
}

void printRow(const QString& figure, const Samples& program, const Samples& floor, Unit unit)
{
    const double p = program.median();
    const double f = floor.median();
    // A floor close to nothing makes any ratio huge; past 100 its digits mean nothing.
    const QString ratio = f <= 0        ? QStringLiteral("-")
                          : p / f > 100 ? QStringLiteral(">100x")
                                        : QStringLiteral("%1x").arg(p / f, 0, 'f', 2);
    const QString rounds = program.count() == floor.count()
                               ? QString::number(program.count())
                               : QStringLiteral("%1/%2").arg(program.count()).arg(floor.count());
    const double d = p - f;
    printLine(QStringLiteral("%1 %2 %3 %4 %5 %6")
                  .arg(figure, -kFigureWidth)
                  .arg(rounds, 6)
                  .arg(amount(p, unit), 11)
                  .arg(amount(f, unit), 11)
                  .arg(ratio, 7)
                  .arg((d >= 0 ? QStringLiteral("+") : QString()) + amount(d, unit), 12));
}

void printNote(const QString& text) { printLine(QStringLiteral("  note: ") + text); }

void fail(const QString& text)
{
    std::fflush(stdout);
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
    std::exit(1);
}

} // namespace ejteto::bench
