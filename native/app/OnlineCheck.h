#pragma once

#include <QDnsLookup>
#include <QObject>
#include <QTimer>
#include <QtQml/qqmlregistration.h>

// One look-up of a name that is always published, bounded in time: the
// machine is online when it answers. Reports by finished(); nothing waits.
class OnlineCheck : public QObject
{
    Q_OBJECT
    QML_ELEMENT
public:
    static constexpr int limitMs = 3000;

    explicit OnlineCheck(QObject *parent = nullptr);
    Q_INVOKABLE void start();
    bool isFinished() const { return m_finished; }
    bool isOnline() const { return m_online; }

signals:
    void finished(bool online);

private:
    void end(bool online);

    QDnsLookup m_lookup;
    QTimer m_deadline;
    bool m_finished = false;
    bool m_online = false;
};
