#pragma once

#include "contacts/VCardReader.h"

#include <QObject>
#include <QThread>
#include <QUrl>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

#include <atomic>
#include <memory>

class QSemaphore;

// Reads a vCard or CSV file on a worker thread and hands its cards to the interface
// in batches as they are read, so that a file of any size neither blocks the
// window nor is held whole in memory. One file at a time; cancel() stops the
// reading, and so does destroying the job (quitting mid-import).
class VCardImport : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(bool running READ running NOTIFY runningChanged)
    // Share of the file read so far, from 0 to 1.
    Q_PROPERTY(double progress READ progress NOTIFY progressChanged)
    // Cards read so far.
    Q_PROPERTY(int cardCount READ cardCount NOTIFY progressChanged)
    // Most cards handed over in one batch; tests make it small.
    Q_PROPERTY(int batchSize MEMBER m_batchSize NOTIFY batchSizeChanged)

public:
    explicit VCardImport(QObject *parent = nullptr);
    ~VCardImport() override;

    bool running() const { return m_thread != nullptr; }
    double progress() const { return m_progress; }
    int cardCount() const { return m_cardCount; }

    // Starts reading the file; false when an import is already running.
    Q_INVOKABLE bool start(const QUrl &url);
    // The same for a CSV file, its columns fed to the fields as `mapping`
    // says (see CsvReader; the proposed mapping when empty).
    Q_INVOKABLE bool startCsv(const QUrl &url, const QList<int> &mapping);
    // Stops the reading: no batch is handed over after this call, and
    // finished(false) follows.
    Q_INVOKABLE void cancel();

signals:
    // A batch of cards, in file order.
    void cardsReady(const QList<VCardReader::Card> &cards);
    // The end of an import: `completed` is false when it was cancelled. An
    // unreadable file completes with no cards.
    void finished(bool completed);
    void runningChanged();
    void progressChanged();
    void batchSizeChanged();

private:
    template<typename Reader>
    bool startReading(const QUrl &url, Reader reader, bool keepEmptyLines);
    void deliver(quint64 run, const QList<VCardReader::Card> &cards, double progress, int total);
    void end(quint64 run);
    void stopThread();

    QThread *m_thread = nullptr;
    std::shared_ptr<std::atomic_bool> m_cancelled;
    std::shared_ptr<QSemaphore> m_batchSlots;
    // Tells the batches of a cancelled run from those of the next one.
    quint64 m_run = 0;
    double m_progress = 0;
    int m_cardCount = 0;
    int m_batchSize = 500;
};
