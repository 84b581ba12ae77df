#pragma once

#include <QObject>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

#include <memory>

class DeliveryThread;

// Before a run: how large the composed message is and how large a message
// the server says it takes (its SIZE), so that a message every recipient's
// server would refuse is named before anything is sent. Greeting the server
// and composing run on a thread of their own; the answer comes by finished().
class MessageSizeCheck : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(bool running READ running NOTIFY runningChanged)
    // Limits of the greeting, in milliseconds; tests shorten them.
    Q_PROPERTY(int timeoutMs MEMBER m_timeoutMs NOTIFY timeoutChanged)

public:
    // What is assumed of a server that announces no SIZE.
    static constexpr qint64 defaultLimit = 25 * 1000 * 1000;

    explicit MessageSizeCheck(QObject *parent = nullptr);
    ~MessageSizeCheck() override;

    bool running() const { return m_running; }

    // params: as SendingRun::start takes them; recipient: the first
    // recipient's contact record. A check under way is given up for this one.
    Q_INVOKABLE void start(const QVariantMap &params, const QVariantMap &recipient);
    Q_INVOKABLE void cancel();

signals:
    // {messageBytes, serverLimit (-1: none announced or no answer), limit
    // (the one that holds), tooLarge, answered (the server greeted us)}
    void finished(const QVariantMap &result);
    void runningChanged();
    void timeoutChanged();

private:
    struct Shared;
    std::shared_ptr<Shared> m_shared; // the check under way
    std::unique_ptr<DeliveryThread> m_thread;
    bool m_running = false;
    int m_timeoutMs = 10 * 1000;
};
