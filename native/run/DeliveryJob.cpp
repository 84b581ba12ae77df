#include "DeliveryJob.h"

#include <QThread>

DeliveryJob::DeliveryJob(MailJob job, MailLimits limits, std::shared_ptr<SmtpTransport> transport,
                         QObject *parent)
    : QObject(parent), m_shared(std::make_shared<Shared>())
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

void DeliveryJob::start()
{
    if (m_running || m_worker)
        return;
    m_running = true;
    // The worker holds its own reference: it may outlive this job.
    std::shared_ptr<Shared> shared = m_shared;
    QThread *worker = QThread::create([shared] {
        shared->result = MailDelivery::deliver(shared->job, shared->limits, *shared->transport,
                                               &shared->control);
    });
    m_worker = worker;
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    connect(worker, &QThread::finished, this, [this] {
        m_running = false;
        emit finished();
    });
    worker->start();
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
    if (!m_worker)
        return true;
    return m_worker->wait(QDeadlineTimer(ms));
}
