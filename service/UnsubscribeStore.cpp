#include "UnsubscribeStore.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <cstdio>
#include <memory>
#include <thread>
#include <unordered_map>

std::atomic<quint64> UnsubscribeStore::s_serial{0};

namespace {

// One connection per thread and store: a connection may only be used on the
// thread that made it.
struct ThreadConnections
{
    std::unordered_map<quint64, std::unique_ptr<QSqlDatabase>> byStore;
    std::vector<QString> names;
    ~ThreadConnections()
    {
        byStore.clear();
        for (const QString &name : names)
            QSqlDatabase::removeDatabase(name);
    }
};
thread_local ThreadConnections connections;

void report(const QSqlQuery &query)
{
    std::fprintf(stderr, "parvane-service: store: %s\n",
                 query.lastError().text().toLocal8Bit().constData());
}

bool execute(QSqlQuery &query)
{
    if (query.exec())
        return true;
    report(query);
    return false;
}

QString hex(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex());
}

} // namespace

UnsubscribeStore::UnsubscribeStore(Options options)
    : m_options(std::move(options)), m_serial(++s_serial)
{}

UnsubscribeStore::~UnsubscribeStore() = default;

QString UnsubscribeStore::driver() const
{
    return m_options.kind == "postgresql" ? QStringLiteral("QPSQL") : QStringLiteral("QSQLITE");
}

QSqlDatabase *UnsubscribeStore::database()
{
    auto &mine = connections.byStore[m_serial];
    // A connection the server dropped is opened again under its own name.
    if (mine) {
        if (mine->isOpen() || mine->open())
            return mine.get();
        std::fprintf(stderr, "parvane-service: store: %s\n",
                     mine->lastError().text().toLocal8Bit().constData());
        return nullptr;
    }
    const QString name = QStringLiteral("store-%1-%2")
                                 .arg(m_serial)
                                 .arg(quint64(
                                         std::hash<std::thread::id>()(std::this_thread::get_id())));
    QSqlDatabase db;
    {
        // Adding a connection touches Qt's list of them.
        std::lock_guard lock(m_mutex);
        db = QSqlDatabase::addDatabase(driver(), name);
    }
    if (m_options.kind == "postgresql") {
        db.setHostName(QString::fromStdString(m_options.host));
        if (m_options.port > 0)
            db.setPort(m_options.port);
        db.setDatabaseName(QString::fromStdString(m_options.database));
        db.setUserName(QString::fromStdString(m_options.user));
        db.setPassword(QString::fromStdString(m_options.password));
        db.setConnectOptions(QStringLiteral("connect_timeout=5"));
    } else {
        db.setDatabaseName(QString::fromStdString(m_options.path));
        // Several threads write the one file: a writer waits for another.
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    }
    connections.names.push_back(name);
    mine = std::make_unique<QSqlDatabase>(db);
    if (!db.open()) {
        std::fprintf(stderr, "parvane-service: store: %s\n",
                     db.lastError().text().toLocal8Bit().constData());
        return nullptr;
    }
    if (m_options.kind != "postgresql") {
        QSqlQuery pragma(db);
        pragma.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
        pragma.exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
    }
    return mine.get();
}

bool UnsubscribeStore::open(std::string *error)
{
    if (driver() == QStringLiteral("QPSQL") && !QSqlDatabase::isDriverAvailable(driver())) {
        *error = "the PostgreSQL driver of Qt is missing (Debian package libqt6sql6-psql)";
        return false;
    }
    if (!QSqlDatabase::isDriverAvailable(driver())) {
        *error = "the SQLite driver of Qt is missing (Debian package libqt6sql6-sqlite)";
        return false;
    }
    QSqlDatabase *db = database();
    if (!db) {
        *error = "cannot open the store";
        return false;
    }
    const bool postgres = m_options.kind == "postgresql";
    const QString serial = postgres ? QStringLiteral("BIGSERIAL PRIMARY KEY")
                                    : QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
    const QStringList statements{
            QStringLiteral("CREATE TABLE IF NOT EXISTS mailboxes (id TEXT PRIMARY KEY, "
                           "seal_key TEXT NOT NULL, proof_hash TEXT NOT NULL, "
                           "created BIGINT NOT NULL)"),
            QStringLiteral("CREATE TABLE IF NOT EXISTS events (id %1, mailbox TEXT NOT NULL, "
                           "address TEXT NOT NULL, run TEXT NOT NULL, at BIGINT NOT NULL, "
                           "UNIQUE (mailbox, address, run))")
                    .arg(serial),
            QStringLiteral("CREATE INDEX IF NOT EXISTS events_by_mailbox ON events (mailbox, id)"),
            QStringLiteral("CREATE INDEX IF NOT EXISTS events_by_age ON events (at)")};
    for (const QString &statement : statements) {
        QSqlQuery query(*db);
        if (!query.exec(statement)) {
            *error = query.lastError().text().toStdString();
            return false;
        }
    }
    return true;
}

bool UnsubscribeStore::addMailbox(const QByteArray &id, const QByteArray &sealKey,
                                  const QByteArray &proofHash)
{
    QSqlDatabase *db = database();
    if (!db)
        return false;
    QSqlQuery query(*db);
    query.prepare(QStringLiteral("INSERT INTO mailboxes (id, seal_key, proof_hash, created) "
                                 "VALUES (?, ?, ?, ?)"));
    query.addBindValue(hex(id));
    query.addBindValue(hex(sealKey));
    query.addBindValue(hex(proofHash));
    query.addBindValue(QDateTime::currentMSecsSinceEpoch());
    return execute(query);
}

UnsubscribeStore::Found UnsubscribeStore::column(const QByteArray &mailbox, const char *name,
                                                 QByteArray *value)
{
    QSqlDatabase *db = database();
    if (!db)
        return Found::Failed;
    QSqlQuery query(*db);
    query.prepare(QStringLiteral("SELECT %1 FROM mailboxes WHERE id = ?").arg(QLatin1String(name)));
    query.addBindValue(hex(mailbox));
    if (!execute(query))
        return Found::Failed;
    if (!query.next())
        return Found::No;
    *value = QByteArray::fromHex(query.value(0).toString().toLatin1());
    return Found::Yes;
}

UnsubscribeStore::Found UnsubscribeStore::sealKey(const QByteArray &mailbox, QByteArray *key)
{
    return column(mailbox, "seal_key", key);
}

UnsubscribeStore::Found UnsubscribeStore::proofMatches(const QByteArray &mailbox,
                                                       const QByteArray &proofHash)
{
    QByteArray stored;
    const Found found = column(mailbox, "proof_hash", &stored);
    if (found != Found::Yes)
        return found;
    // Compared in constant time: the hash is of a secret.
    if (stored.size() != proofHash.size())
        return Found::No;
    unsigned char difference = 0;
    for (qsizetype i = 0; i < stored.size(); ++i)
        difference |= static_cast<unsigned char>(stored.at(i) ^ proofHash.at(i));
    return difference == 0 ? Found::Yes : Found::No;
}

bool UnsubscribeStore::addEvent(const QByteArray &mailbox, const QString &address,
                                const QString &run, qint64 at)
{
    QSqlDatabase *db = database();
    if (!db)
        return false;
    QSqlQuery query(*db);
    query.prepare(QStringLiteral("INSERT INTO events (mailbox, address, run, at) "
                                 "VALUES (?, ?, ?, ?) ON CONFLICT DO NOTHING"));
    query.addBindValue(hex(mailbox));
    query.addBindValue(address);
    query.addBindValue(run);
    query.addBindValue(at);
    return execute(query);
}

std::optional<QList<UnsubscribeStore::Event>> UnsubscribeStore::takeEvents(
        const QByteArray &mailbox, const QList<qint64> &acknowledged, int limit, qint64 now)
{
    QSqlDatabase *db = database();
    if (!db)
        return std::nullopt;
    // By their ids, not "up to the last": a database server may commit an
    // event with a smaller id after a larger one was fetched.
    if (!acknowledged.isEmpty()) {
        QStringList marks(acknowledged.size(), QStringLiteral("?"));
        QSqlQuery forget(*db);
        forget.prepare(QStringLiteral("DELETE FROM events WHERE mailbox = ? AND id IN (%1)")
                               .arg(marks.join(u',')));
        forget.addBindValue(hex(mailbox));
        for (const qint64 id : acknowledged)
            forget.addBindValue(id);
        if (!execute(forget))
            return std::nullopt;
    }
    QSqlQuery old(*db);
    old.prepare(QStringLiteral("DELETE FROM events WHERE at < ?"));
    old.addBindValue(now - keptMs);
    if (!execute(old))
        return std::nullopt;
    QSqlQuery query(*db);
    query.prepare(QStringLiteral("SELECT id, address, run, at FROM events WHERE mailbox = ? "
                                 "ORDER BY id LIMIT ?"));
    query.addBindValue(hex(mailbox));
    query.addBindValue(limit);
    if (!execute(query))
        return std::nullopt;
    QList<Event> events;
    while (query.next()) {
        events.append({query.value(0).toLongLong(), query.value(1).toString(),
                       query.value(2).toString(), query.value(3).toLongLong()});
    }
    return events;
}
