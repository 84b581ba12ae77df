#pragma once

#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QVariantList>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

// Runs that have ended, each in a file of its own in the history folder: a
// header line (when, account, subject, counts, the message's fingerprint),
// then one line per recipient (address, outcome, the server's reply, when).
// The oldest runs are dropped first once there are too many or they take too
// much room. Writing happens on the sending run's side, on a thread; this
// object lists, shows and exports what is there.
class RunHistory : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString path READ path WRITE setPath NOTIFY pathChanged)
    // Newest first: {id, started, ended, state, account, subject, list,
    // total, sent, failed, unknown, invalid}.
    Q_PROPERTY(QVariantList runs READ runs NOTIFY runsChanged)

public:
    struct Row
    {
        QString address;
        QString outcome;   // "sent", "failed", "unknown", "invalid", "" when never tried
        QString text;      // the server's reply, or why nothing was sent
        qint64 at = 0;     // milliseconds since the epoch; 0 when never tried
        QString messageId; // of the message sent, "" when none went out
        QString account;   // the account it went through when the run had several; "" otherwise
    };
    // Where a message of an earlier run went.
    struct Sent
    {
        QString runId;
        QString address;
    };
    static constexpr int maxRuns = 200;
    static constexpr qint64 maxBytes = 200LL * 1024 * 1024;

    explicit RunHistory(QObject *parent = nullptr);

    QString path() const { return m_path; }
    void setPath(const QString &path);
    QVariantList runs() const { return m_runs; }

    // Writes (or replaces: the same id) a run's file, then drops the oldest
    // runs beyond the limits. Safe on any thread.
    static bool write(const QString &folder, const QJsonObject &header, const QList<Row> &rows,
                      int keepRuns = maxRuns, qint64 keepBytes = maxBytes);
    // A run's header line: `identity` (id, fingerprint, started, account,
    // subject, list) with the state, the end time and the counts of `rows`.
    static QJsonObject header(QJsonObject identity, const QString &state, const QList<Row> &rows);
    // What makes two runs the same message: the subject, the text, the HTML
    // file's bytes and each attachment's path, size and modification time.
    static QString fingerprint(const QVariantMap &params);
    // The addresses (lower case) that earlier runs of this message reached:
    // accepted, or sent whole without a reply. Safe on any thread.
    static QStringList receivedAddresses(const QString &folder, const QString &fingerprint);
    // The runs and recipients of the messages of these Message-IDs (without
    // angle brackets), among the runs of the folder; the others are left out.
    // Safe on any thread.
    static QHash<QString, Sent> findMessages(const QString &folder, const QSet<QString> &messageIds);

    // When each account (lower case) had messages go out since `since` (ms
    // since the epoch): accepted or sent whole; with the ids of the runs
    // read. Safe on any thread.
    struct Sends
    {
        QHash<QString, QList<qint64>> times;
        QSet<QString> runIds;
    };
    static Sends sendsSince(const QString &folder, qint64 since);

    Q_INVOKABLE void reload();
    // The first `limit` recipients of a run: {address, outcome, text, at,
    // account (when the run had several)}.
    Q_INVOKABLE QVariantList outcomes(const QString &id, int limit = 2000) const;
    // Writes every recipient of the run as CSV (address, outcome, time,
    // reply) on a thread; reports with exported().
    Q_INVOKABLE bool exportCsv(const QString &id, const QUrl &url);

signals:
    void pathChanged();
    void runsChanged();
    void exported(bool ok, const QString &path);

private:
    QString fileOf(const QString &id) const;

    QString m_path;
    QVariantList m_runs;
};
