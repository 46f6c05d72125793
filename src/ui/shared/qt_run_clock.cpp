#include "shared/qt_run_clock.h"

#include <QCoreApplication>
#include <QThread>

namespace ejteto {

void QtRunClock::processPendingEvents() { QCoreApplication::processEvents(); }

QDateTime QtRunClock::now() const { return QDateTime::currentDateTime(); }

void QtRunClock::sleep(int ms) { QThread::msleep(static_cast<unsigned long>(ms)); }

} // namespace ejteto
