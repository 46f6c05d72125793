#pragma once
// The single error path of the program: every event handler is bound through
// `guarded`, which shows a failure in the "Ejteto!" box and returns to the
// event loop, so no exception ever unwinds through Qt's own frames.
#include <QString>
#include <concepts>
#include <functional>
#include <utility>

namespace ejteto {

// Appends a full stop when the message's last character sorts above ".",
// so a message already ending in ".", "!" or ")" is left as it is.
QString withFullStop(const QString& message);

// Shows `message` (full-stop rule applied) in the modal error box captioned
// "Ejteto!". With EJTETO_ERRORS=stderr in the environment the text goes to
// standard error instead, so unattended runs never wait on a dialog.
void showErrorBox(const QString& message);

// Tests replace the box with a recorder; pass an empty function to restore it.
using ErrorSink = std::function<void(const QString& shownText)>;
void setErrorSink(ErrorSink sink);

// Runs `body`, and shows whatever it throws. Returns true when it succeeded.
bool runGuarded(const std::function<void()>& body);

// Wraps a handler for connect(): the returned callable never throws. It only
// accepts the arguments the handler itself accepts, so connect() can drop the
// signal arguments a handler does not take (clicked(bool) to a handler of none).
template <class F>
auto guarded(F handler)
{
    return [handler = std::move(handler)](auto&&... args) mutable -> void requires std::invocable<F&, decltype(args)...>
    {
        runGuarded([&] { std::invoke(handler, std::forward<decltype(args)>(args)...); });
    };
}

} // namespace ejteto
