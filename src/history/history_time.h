#pragma once
// Times in the history are UTC in ISO 8601 with milliseconds, so they sort as
// text and read the same wherever the file goes.
#include <QDateTime>
#include <QString>

namespace ejteto {

inline QString historyTime(const QDateTime& t) { return t.toUTC().toString(Qt::ISODateWithMs); }

} // namespace ejteto
