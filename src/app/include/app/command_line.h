#pragma once
// The program's own command-line options, answered before any window or
// display is needed: --help (-h) prints how to start the program and its
// keys, --version (-v) its version; both then end the program. Every other
// argument is left to Qt, as before.
#include <QString>
#include <QStringList>
#include <optional>

namespace ejteto {

struct CommandLineAnswer {
    QString text; // printed to standard output
    int exitCode = 0;
};

// The answer for `arguments` (the program's name first), or nothing when the
// window is to open.
std::optional<CommandLineAnswer> answerCommandLine(const QStringList& arguments, const QString& version);

} // namespace ejteto
