#pragma once

#include <functional>

class QObject;
class QThread;

// The long-lived thread on which a sending run's deliveries run, one after
// the other: a run of thousands of messages then starts one thread, not one
// per message. Destroying it never waits: tasks already posted still run,
// and the thread goes away on its own once they have ended.
class DeliveryThread
{
public:
    explicit DeliveryThread(const char *name = "delivery");
    ~DeliveryThread();
    DeliveryThread(const DeliveryThread &) = delete;
    DeliveryThread &operator=(const DeliveryThread &) = delete;

    // Runs the task on the thread, after every task posted before it.
    void post(std::function<void()> task);

private:
    QThread *m_thread = nullptr;
    QObject *m_context = nullptr; // lives on the thread; tasks are queued to it
};

// A thread for one task, not yet started, that deletes itself once the task
// has run: connect to its finished() first, then start it.
QThread *oneOffThread(std::function<void()> task);
