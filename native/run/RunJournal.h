#pragma once

#include <QFile>
#include <QHash>
#include <QJsonObject>
#include <QMutex>
#include <QSet>
#include <QString>

#include <functional>

// The sending run's record on disk: a header line describing the run, then
// one line per event (message bytes sent, an attempt's outcome), each
// written and flushed as it happens, so a crash loses at most the line being
// written. A line cut short by a crash is ignored when read back.
class RunJournal
{
public:
    struct Contents
    {
        bool valid = false;
        QJsonObject header;
        // Final outcome record of each recipient index that has one.
        QHash<int, QJsonObject> outcomes;
        // Indexes whose message bytes went out, outcome known or not.
        QSet<int> dataStarted;
        // The Message-ID each of those carried.
        QHash<int, QString> messageIds;
        // Every record after the header, in order, for the log.
        QList<QJsonObject> records;
        // The user stopped the run (and did not continue it since): it was
        // not cut short by a crash.
        bool stopped = false;
        // The run was waiting for its account's sending limit until then
        // (ms since the epoch) when it last wrote; 0 otherwise.
        qint64 limitUntil = 0;
    };

    // Marks the run as stopped by the user, or as going on again.
    static QJsonObject stoppedRecord(bool stopped);

    // A record as one line of the file.
    static QByteArray line(const QJsonObject &record);
    // Goes on writing an existing journal.
    bool reopen(const QString &path);
    // Writes the first lines of a new journal at a path of its own
    // (owner-only), for adopt(): a quarter of a million recipients take a
    // moment to write, so this is done on a worker.
    static bool writeNew(const QString &path, const std::function<void(QIODevice &)> &writeLines);
    // Puts the file that writeNew() wrote in place of the journal at
    // `path`, replacing any old one at once, and goes on writing it.
    bool adopt(const QString &written, const QString &path);
    // Safe from any thread.
    void append(const QJsonObject &record);
    void close();
    // Closes and deletes the file: the run is over.
    void remove();
    QString path() const { return m_path; }

    static Contents read(const QString &path);

private:
    QMutex m_mutex;
    QFile m_file;
    QString m_path;
};
