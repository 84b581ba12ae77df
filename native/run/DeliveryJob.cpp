#include "run/DeliveryJob.h"

#include "run/DeliveryThread.h"

using namespace Qt::Literals::StringLiterals;

DeliveryJob::DeliveryJob(OutgoingMail job, MailLimits limits,
                         std::shared_ptr<SmtpTransport> transport, DeliveryThread *thread,
                         QObject *parent)
    : QObject(parent), m_shared(std::make_shared<Shared>()), m_thread(thread)
{
    m_shared->job = std::move(job);
    m_shared->limits = limits;
    m_shared->transport = std::move(transport);
}

DeliveryJob::~DeliveryJob()
{
    m_shared->control.abort = true;
}

void DeliveryJob::setOnDataStarted(std::function<void()> callback)
{
    m_shared->control.onDataStarted = std::move(callback);
}

void DeliveryJob::start(DeliveryThread *composer, const DeliveryJob *after)
{
    if (m_started)
        return;
    m_started = m_running = true;
    // The worker has this object deleted on our thread (by a queued call,
    // which any event loop delivers); its end is our signal, and it is
    // dropped if this job is gone by then.
    auto *relay = new QObject;
    connect(relay, &QObject::destroyed, this, [this] {
        m_running = false;
        emit finished();
    });
    // The workers hold their own references: they may outlive this job.
    std::shared_ptr<Shared> shared = m_shared;
    composer->post([shared] {
        shared->prepared = Outgoing::prepare(shared->job, shared->limits);
        shared->composed.release();
    });
    std::shared_ptr<const Shared> previous = after ? after->m_shared : nullptr;
    m_thread->post([shared, previous, relay] {
        const auto givenUp = [&shared] {
            return shared->control.abort || shared->control.abortUnlessSent;
        };
        // Tasks run in order on this thread: the previous job has ended here.
        bool go = (!previous || previous->result.outcome == SmtpTransport::Outcome::Sent)
                  && !givenUp();
        // The message is awaited, as long as nobody gives up.
        while (go && !shared->composed.tryAcquire(1, 50))
            go = !givenUp();
        if (!go) {
            shared->result = SmtpTransport::Result();
            shared->result.abandoned = true;
            shared->result.text = u"Not started"_s;
        } else {
            shared->result = Outgoing::deliver(shared->prepared, *shared->transport,
                                               &shared->control);
        }
        shared->ended.release();
        QMetaObject::invokeMethod(
                relay, [relay] { delete relay; }, Qt::QueuedConnection);
    });
}

void DeliveryJob::abandon()
{
    m_shared->control.abortUnlessSent = true;
}

void DeliveryJob::abort()
{
    m_shared->control.abort = true;
}

bool DeliveryJob::waitForWorker(int ms)
{
    if (!m_running)
        return true;
    if (!m_shared->ended.tryAcquire(1, ms))
        return false;
    m_shared->ended.release();
    return true;
}
