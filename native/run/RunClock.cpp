#include "run/RunClock.h"

#include <QDateTime>
#include <QJSEngine>

#include <atomic>

namespace {
// Apart from the object, so that a worker reading the time never makes it.
std::atomic<qint64> offset{0};
} // namespace

RunClock::RunClock(QObject *parent) : QObject(parent) {}

RunClock *RunClock::instance()
{
    static RunClock clock;
    return &clock;
}

RunClock *RunClock::create(QQmlEngine *, QJSEngine *)
{
    RunClock *clock = instance();
    QJSEngine::setObjectOwnership(clock, QJSEngine::CppOwnership);
    return clock;
}

qint64 RunClock::now()
{
    return QDateTime::currentMSecsSinceEpoch() + offset.load();
}

qint64 RunClock::offsetMs() const
{
    return offset.load();
}

void RunClock::setOffsetMs(qint64 value)
{
    if (value == offset.load())
        return;
    offset.store(value);
    emit moved();
}
