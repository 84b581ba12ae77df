#pragma once

#include "mail/EmailAddress.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>
#include <QVariantList>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

class QThread;

// The addresses no run may mail again: those who unsubscribed, bounced for
// good, complained, or were added by hand, each with its reason. Kept in a
// private file of one line per change, appended and flushed on a thread of
// its own and read back on a worker at start; looked up by address (letter
// case aside) in constant time, so a million entries cost a run nothing.
// Only remove(), the user's explicit act, takes an address off the list.
class SuppressionList : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    // The list's file; the default is "suppression.tsv" in the program's data folder.
    Q_PROPERTY(QString path READ path WRITE setPath NOTIFY pathChanged)
    // The file has been read (or there was none).
    Q_PROPERTY(bool loaded READ loaded NOTIFY loadedChanged)
    Q_PROPERTY(int count READ count NOTIFY changed)
    // An import or export is under way.
    Q_PROPERTY(bool busy READ busy NOTIFY busyChanged)
    // Why the file could not be read or written; empty when all is well.
    Q_PROPERTY(QString error READ error NOTIFY errorChanged)

public:
    struct Entry
    {
        QString address;
        QString reason; // "unsubscribed", "bounced", "complained" or "manual"
        qint64 at = 0;  // when it was added, ms since the epoch
        QString detail; // the server's reply, the run, or the user's note
    };
    // By address in lower case, in shards that copies share until one
    // changes: a copy that a worker reads costs nothing, and a change made
    // meanwhile copies one shard (a 256th of the list), not the whole list.
    class Entries
    {
    public:
        bool contains(const QString &key) const { return shard(key).contains(key); }
        const Entry *find(const QString &key) const
        {
            const auto &in = shard(key);
            const auto it = in.constFind(key);
            return it == in.cend() ? nullptr : &*it;
        }
        void insert(const QString &key, Entry entry);
        void remove(const QString &key);
        qsizetype size() const { return m_size; }
        // Calls f(key, entry) for every entry, in no particular order.
        template<typename F>
        void forEach(F &&f) const
        {
            for (const auto &in : m_shards) {
                for (auto it = in.cbegin(); it != in.cend(); ++it)
                    f(it.key(), it.value());
            }
        }

    private:
        static constexpr int shardCount = 256;
        // A seed of its own: QHash picks buckets from the same low bits.
        static int index(const QString &key)
        {
            return int((qHash(key, size_t(0x9e3779b97f4a7c15ULL)) >> 24) % shardCount);
        }
        const QHash<QString, Entry> &shard(const QString &key) const;

        QList<QHash<QString, Entry>> m_shards;
        qsizetype m_size = 0;
    };

    explicit SuppressionList(QObject *parent = nullptr);
    ~SuppressionList() override;

    static QString defaultPath();
    static bool isReason(const QString &reason);

    QString path() const { return m_path; }
    void setPath(const QString &path);
    bool loaded() const { return m_loaded; }
    int count() const { return static_cast<int>(m_entries.size()); }
    bool busy() const { return m_busy; }
    QString error() const { return m_error; }

    bool contains(const QString &address) const
    {
        return m_entries.contains(EmailAddress::key(address));
    }
    // Every entry as it is now, for a worker to read while this one goes on.
    Entries snapshot() const { return m_entries; }

    // {address, reason, at, detail}, or an empty map when not listed.
    Q_INVOKABLE QVariantMap find(const QString &address) const;
    // Lists a well-formed address, or updates its entry; false otherwise.
    Q_INVOKABLE bool add(const QString &address, const QString &reason,
                         const QString &detail = QString());
    // Takes an address off the list; false when it was not listed.
    Q_INVOKABLE bool remove(const QString &address);
    // Looks for the entries whose address holds the text (letter case
    // aside; every entry for an empty text) on a worker, newest first, and
    // reports the first `limit` of them by searched().
    Q_INVOKABLE void search(const QString &text, int limit = 500);
    // Adds every well-formed address of a CSV file (the "email" column, or
    // every field when no column is named so), with the file's reasons and
    // dates when it has them and `reason` otherwise; reports by imported().
    Q_INVOKABLE bool importFile(const QUrl &url, const QString &reason = QStringLiteral("manual"));
    // Writes every entry as CSV (email, reason, date, detail); reports by exported().
    Q_INVOKABLE bool exportFile(const QUrl &url);

    // The CSV text of entries, and what a CSV text holds, for the file jobs.
    static QByteArray toCsv(const Entries &entries);
    static QList<Entry> fromCsv(const QByteArray &bytes, const QString &reason, qint64 now);

signals:
    void pathChanged();
    void loadedChanged();
    void changed();
    void busyChanged();
    void errorChanged();
    // results: [{address, reason, at, detail}]; matches: how many in all.
    void searched(const QString &text, const QVariantList &results, int matches);
    void imported(int added, int skipped, const QString &error);
    void exported(int count, const QString &error);

private:
    struct Change
    {
        bool add = true;
        Entry entry;
    };
    struct Loaded
    {
        Entries entries;
        qsizetype lines = 0;
        bool torn = false; // the file ends inside a line
        QString error;
    };

    static Loaded read(const QString &path);
    static QByteArray lineOf(const Change &change);
    void load();
    void loadFinished(quint64 serial, const Loaded &loaded);
    void commit(const Change &change);
    void apply(const Change &change);
    // Appends the lines on the writer, or rewrites the file when it holds
    // mostly lines that no longer count.
    void write(const QByteArray &lines, qsizetype count);
    void rewrite();
    void setError(const QString &error);
    void setBusy(bool busy);
    static QVariantMap toMap(const Entry &entry);

    QString m_path;
    Entries m_entries;
    // Changes made while the file is read or an import merged, applied
    // again on top of the result.
    QList<Change> m_early;
    bool m_loaded = false;
    bool m_loadQueued = true; // the constructor's load has not run yet
    bool m_busy = false;
    QString m_error;
    quint64 m_loadSerial = 0;
    quint64 m_searchSerial = 0;
    qsizetype m_fileLines = 0; // lines in the file, to know when to rewrite it
    // Writes the file, one task after the other; waited for on destruction,
    // so that no change made is left unwritten at quit.
    QThread *m_writer = nullptr;
    QObject *m_writerContext = nullptr;
};
