#pragma once
// The environment in which a test starts the program as a separate process:
// no screen, errors printed instead of shown in a box, and the window closing
// itself as soon as it has started.
#include <QProcessEnvironment>

namespace ejteto::testing {

inline QProcessEnvironment headlessProgramEnvironment()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("EJTETO_ERRORS"), QStringLiteral("stderr"));
    env.insert(QStringLiteral("EJTETO_QUIT_AFTER_START"), QStringLiteral("1"));
    return env;
}

} // namespace ejteto::testing
