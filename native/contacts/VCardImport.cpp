#include "contacts/VCardImport.h"

#include "contacts/CsvReader.h"
#include "contacts/VCardReader.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSemaphore>

#include <algorithm>

VCardImport::VCardImport(QObject *parent) : QObject(parent) {}

VCardImport::~VCardImport()
{
    // The reader posts to this object: it must be gone before the object is.
    if (m_cancelled)
        m_cancelled->store(true);
    stopThread();
}

bool VCardImport::start(const QUrl &url)
{
    // Empty lines are dropped, as the text-file reader drops them.
    return startReading(url, VCardReader(), false);
}

bool VCardImport::startCsv(const QUrl &url, const QList<int> &mapping)
{
    CsvReader reader;
    if (!mapping.isEmpty())
        reader.setMapping(mapping);
    // Empty lines are kept: inside a quoted field they are its text.
    return startReading(url, std::move(reader), true);
}

template<typename Reader>
bool VCardImport::startReading(const QUrl &url, Reader reader, bool keepEmptyLines)
{
    if (m_thread)
        return false;
    const QString path = url.isLocalFile() ? url.toLocalFile() : url.toString();
    m_cancelled = std::make_shared<std::atomic_bool>(false);
    const quint64 run = ++m_run;
    const int batchSize = std::max(1, m_batchSize);
    const auto cancelled = m_cancelled;
    // At most two batches on their way: the interface takes each in its own
    // turn of the event loop (queued events are otherwise handled all at
    // once, a stall as long as the file), and the reading waits for it,
    // which keeps the memory held by batches small.
    m_batchSlots = std::make_shared<QSemaphore>(2);
    const auto batchSlots = m_batchSlots;
    m_progress = 0;
    m_cardCount = 0;
    emit progressChanged();

    m_thread = QThread::create([this, path, run, batchSize, cancelled, batchSlots,
                                reader = std::move(reader), keepEmptyLines]() mutable {
        int total = 0;
        double progress = 0;
        QElapsedTimer sinceReport;
        sinceReport.start();
        const auto handOver = [&] {
            while (!batchSlots->tryAcquire(1, 50)) {
                if (cancelled->load())
                    return false;
            }
            QList<VCardReader::Card> batch = reader.takeFinishedCards();
            total += static_cast<int>(batch.size());
            QMetaObject::invokeMethod(
                    this,
                    [this, run, batch = std::move(batch), progress, total] {
                        deliver(run, batch, progress, total);
                    },
                    Qt::QueuedConnection);
            sinceReport.restart();
            return true;
        };

        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            const double size = static_cast<double>(std::max<qint64>(1, file.size()));
            int linesSinceCheck = 0;
            while (!file.atEnd() && !cancelled->load()) {
                QByteArray line = file.readLine();
                if (line.endsWith('\n'))
                    line.chop(1);
                // CR LF and LF alike.
                if (line.endsWith('\r'))
                    line.chop(1);
                if (line.isEmpty() && !keepEmptyLines)
                    continue;
                reader.addBytes(line);
                if (++linesSinceCheck < 64)
                    continue;
                linesSinceCheck = 0;
                progress = static_cast<double>(file.pos()) / size;
                // Batches of about batchSize cards, and news at least every
                // tenth of a second for the progress bar.
                if ((reader.finishedCount() >= batchSize || sinceReport.elapsed() >= 100)
                    && !handOver())
                    return;
            }
        }
        if (cancelled->load())
            return;
        reader.finish();
        progress = 1;
        if (!handOver())
            return;
        QMetaObject::invokeMethod(
                this, [this, run] { end(run); }, Qt::QueuedConnection);
    });
    m_thread->start();
    emit runningChanged();
    return true;
}

void VCardImport::cancel()
{
    if (!m_thread)
        return;
    m_cancelled->store(true);
    // Batches already on their way belong to this run: they are dropped.
    ++m_run;
    stopThread();
    emit runningChanged();
    emit finished(false);
}

void VCardImport::deliver(quint64 run, const QList<VCardReader::Card> &cards, double progress,
                          int total)
{
    if (run != m_run)
        return;
    m_batchSlots->release();
    m_progress = progress;
    m_cardCount = total;
    emit progressChanged();
    if (cards.isEmpty())
        return;
    emit cardsReady(cards);
}

void VCardImport::end(quint64 run)
{
    if (run != m_run)
        return;
    stopThread();
    emit runningChanged();
    emit finished(true);
}

void VCardImport::stopThread()
{
    if (!m_thread)
        return;
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
}
