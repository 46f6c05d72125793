#pragma once
// Collecting samples and printing the benchmark table: one row per figure
// with the program's median, the floor's median, their ratio and their
// difference. Every benchmark prints the same columns, so scripts/bench
// shows one table.
#include <QString>
#include <vector>

namespace ejteto::bench {

class Samples {
public:
    void add(double value) { values_.push_back(value); }
    int count() const { return static_cast<int>(values_.size()); }
    // The middle value (the mean of the two middle ones for an even count);
    // 0 when there is none.
    double median() const;

private:
    std::vector<double> values_;
};

enum class Unit { Microseconds, Milliseconds, Seconds, MiB, Percent };

struct BenchOptions {
    int rounds = 0;
    bool rowsOnly = false; // leave out the header (scripts/bench prints it once)
};

// "--rounds N" and "--rows-only"; anything else ends the program with a usage line.
BenchOptions parseOptions(int argc, char** argv, int defaultRounds);

void printHeader();
// A row comparing the program's and the floor's samples.
void printRow(const QString& figure, const Samples& program, const Samples& floor, Unit unit);
// A line under the table: what a figure means or where its time goes.
void printNote(const QString& text);
// Prints `text` to standard error and ends the program with exit code 1.
[[noreturn]] void fail(const QString& text);

} // namespace ejteto::bench
