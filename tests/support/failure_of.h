#pragma once
// The message of the error a piece of code raises, for tests that compare
// the exact text a learner would see.
#include "app/app_error.h"

#include <QString>
#include <functional>

namespace ejteto::testing {

inline QString failureOf(const std::function<void()>& body)
{
    try {
        body();
    } catch (const AppError& e) {
        return e.message();
    }
    return QStringLiteral("(no error)");
}

} // namespace ejteto::testing
