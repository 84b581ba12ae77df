#pragma once

#include <QObject>
#include <QtQml/qqmlregistration.h>

class QJSEngine;
class QQmlEngine;

// The time that sending limits and schedules keep to: the system clock,
// moved forward by tests so that a day of limits passes in milliseconds.
// Whatever waits on it listens to moved() and works its wait out again.
class RunClock : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    // How far ahead of the system clock it is, in milliseconds.
    Q_PROPERTY(qint64 offsetMs READ offsetMs WRITE setOffsetMs NOTIFY moved)

public:
    static RunClock *instance();
    static RunClock *create(QQmlEngine *, QJSEngine *);

    // Milliseconds since the epoch; safe on any thread.
    static qint64 now();

    qint64 offsetMs() const;
    void setOffsetMs(qint64 offset);
    Q_INVOKABLE qint64 nowMs() const { return now(); }
    Q_INVOKABLE void advance(qint64 ms) { setOffsetMs(offsetMs() + ms); }

signals:
    void moved();

private:
    explicit RunClock(QObject *parent = nullptr);
};
