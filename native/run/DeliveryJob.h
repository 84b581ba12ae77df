#pragma once

#include "mail/OutgoingMail.h"
#include "mail/SmtpTransport.h"

#include <QObject>
#include <QSemaphore>

#include <functional>
#include <memory>

class DeliveryThread;

// One message to one recipient, delivered on the run's delivery thread over a
// transport that the sending run keeps between messages. It reports its end
// with finished(), like a network reply; nothing waits for it.
class DeliveryJob : public QObject
{
    Q_OBJECT
public:
    DeliveryJob(OutgoingMail job, MailLimits limits, std::shared_ptr<SmtpTransport> transport,
                DeliveryThread *thread, QObject *parent = nullptr);
    // A job destroyed while it runs tells the worker to give up; the worker
    // then ends on its own, keeping what it shares alive until then.
    ~DeliveryJob() override;

    // Called on the worker thread as the first message bytes go out.
    void setOnDataStarted(std::function<void()> callback);
    // Composes the message on `composer` and queues its delivery on the
    // worker, which only ever sends: composing may wait for a web image in
    // an event loop, which would run a job queued behind this one early.
    // With `after`, a job queued before this one, the worker goes on with
    // this one only if that one's message was accepted; otherwise this one
    // ends abandoned without a word to the server, like a job given up
    // before it started.
    void start(DeliveryThread *composer, const DeliveryJob *after = nullptr);
    // Gives up unless the whole message has already gone out, in which case
    // the server's verdict is still awaited.
    void abandon();
    // Gives up at once, whatever was sent.
    void abort();
    // Waits at most this long for the worker; true when it has ended.
    bool waitForWorker(int ms);

    bool isRunning() const { return m_running; }
    bool messageSent() const { return m_shared->control.messageSent; }
    const SmtpTransport::Result &result() const { return m_shared->result; }

signals:
    void finished();

private:
    struct Shared
    {
        OutgoingMail job;
        MailLimits limits;
        std::shared_ptr<SmtpTransport> transport;
        SmtpTransport::Control control;
        SmtpTransport::Result result;
        QSemaphore ended; // released once the worker is done with this job
        Outgoing::Prepared prepared;
        QSemaphore composed; // released once `prepared` is set
    };

    std::shared_ptr<Shared> m_shared;
    DeliveryThread *m_thread;
    bool m_started = false;
    bool m_running = false;
};
