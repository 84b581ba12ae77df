#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <atomic>
#include <mutex>
#include <optional>
#include <string>

class QSqlDatabase;

// Where the service keeps the senders' mailboxes and the unsubscribes waiting
// for them: SQLite in a file for one instance, or a PostgreSQL server that
// several instances behind the load balancer share. Each thread that asks
// gets its own connection.
class UnsubscribeStore
{
public:
    struct Options
    {
        std::string kind = "sqlite"; // "sqlite" or "postgresql"
        std::string path;            // SQLite: the database file
        // PostgreSQL: host (or a socket folder), port, database, user, password
        std::string host;
        int port = 0;
        std::string database;
        std::string user;
        std::string password;
    };
    struct Event
    {
        qint64 id = 0;
        QString address;
        QString run;
        qint64 at = 0; // ms since the epoch
    };
    // How long an event not fetched is kept.
    static constexpr qint64 keptMs = 30LL * 24 * 3600 * 1000;

    explicit UnsubscribeStore(Options options);
    ~UnsubscribeStore();
    UnsubscribeStore(const UnsubscribeStore &) = delete;
    UnsubscribeStore &operator=(const UnsubscribeStore &) = delete;

    // Connects and makes the tables that are missing; false with *error.
    bool open(std::string *error);

    // What a lookup found; Failed (the store did not answer) is never taken
    // for a mailbox that does not exist.
    enum class Found { Yes, No, Failed };

    bool addMailbox(const QByteArray &id, const QByteArray &sealKey, const QByteArray &proofHash);
    // The mailbox's sealing key, and whether a proof's hash is its own.
    Found sealKey(const QByteArray &mailbox, QByteArray *key);
    Found proofMatches(const QByteArray &mailbox, const QByteArray &proofHash);
    // Keeps an unsubscribe once: a second click of the same message is the same event.
    bool addEvent(const QByteArray &mailbox, const QString &address, const QString &run, qint64 at);
    // Forgets the events `acknowledged` (by their ids, as fetched before),
    // then those older than keptMs, and returns the others, oldest first.
    std::optional<QList<Event>> takeEvents(const QByteArray &mailbox,
                                           const QList<qint64> &acknowledged, int limit,
                                           qint64 now);

private:
    // This thread's connection, opened on first use; nullptr when it cannot be.
    QSqlDatabase *database();
    QString driver() const;
    Found column(const QByteArray &mailbox, const char *name, QByteArray *value);

    Options m_options;
    const quint64 m_serial;
    std::mutex m_mutex; // guards the connection list
    static std::atomic<quint64> s_serial;
};
