#include "run/DeliveryThread.h"

#include <QObject>
#include <QThread>

DeliveryThread::DeliveryThread(const char *name) : m_thread(new QThread), m_context(new QObject)
{
    m_thread->setObjectName(QString::fromLatin1(name));
    m_context->moveToThread(m_thread);
    // The context is deleted on its own thread as that thread ends, and the
    // thread object afterwards on the thread that made it.
    QObject::connect(m_thread, &QThread::finished, m_context, &QObject::deleteLater);
    QObject::connect(m_thread, &QThread::finished, m_thread, &QObject::deleteLater);
    m_thread->start();
}

DeliveryThread::~DeliveryThread()
{
    // Quitting from a task lets every task posted so far run first.
    QThread *thread = m_thread;
    post([thread] { thread->quit(); });
}

QThread *oneOffThread(std::function<void()> task)
{
    QThread *thread = QThread::create(std::move(task));
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    return thread;
}

void DeliveryThread::post(std::function<void()> task)
{
    QMetaObject::invokeMethod(m_context, std::move(task), Qt::QueuedConnection);
}
