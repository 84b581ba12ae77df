#pragma once

#include "mailbox/MailboxReport.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>
#include <memory>

// Reads what came back to an account's mailbox over IMAP since the last
// check: delivery status notifications, feedback reports and replies to the
// unsubscribe address, in the inbox and in the folders the user names.
// Folders are opened read-only and messages fetched with PEEK, so nothing is
// deleted, moved or marked as read. Only headers are read at first; whole
// messages only for those that may be reports. It works on a thread of its
// own and reports once with finished(); nothing waits for it.
class MailboxCheck : public QObject
{
    Q_OBJECT
public:
    struct Settings
    {
        QString host;
        quint16 port = 0;
        QString security; // "SSL" (implicit TLS), "TLS" (STARTTLS required) or "None"
        QString username;
        QString password;
        QStringList folders{QStringLiteral("INBOX")};
        QString extraCaFile;       // authorities trusted besides the system's, as PEM
        int timeoutMs = 30 * 1000; // longest silence of the server
    };
    // Where the last check of a folder stopped: a UID is meaningful only
    // with the UIDVALIDITY it came with; a changed one reads the folder again.
    struct Position
    {
        quint32 uidValidity = 0;
        quint32 lastUid = 0;
    };
    using Positions = QHash<QString, Position>;
    struct Result
    {
        bool ok = false;
        QString error; // said plainly, with the server's words, when not ok
        Positions positions;
        QList<MailboxReport::Report> reports; // bounces, complaints, unsubscribes
        int examined = 0;                     // new messages whose headers were read
        int fetched = 0;                      // of them, read whole
    };

    explicit MailboxCheck(QObject *parent = nullptr);
    // A check under way is told to give up and left to end on its own.
    ~MailboxCheck() override;

    // False when a check is under way already.
    bool start(const Settings &settings, const Positions &since,
               const QString &unsubscribeSubject = QStringLiteral("unsubscribe"));
    // Gives up at the next exchange with the server; finished() still comes.
    void cancel();
    bool isRunning() const { return m_running; }
    const Result &result() const { return m_result; }

    // The check itself, on the calling thread; `cancelled` is looked at
    // between exchanges. What start() runs on its thread.
    static Result run(const Settings &settings, const Positions &since,
                      const QString &unsubscribeSubject, const std::atomic_bool &cancelled);

signals:
    void finished();

private:
    std::shared_ptr<std::atomic_bool> m_cancelled;
    bool m_running = false;
    Result m_result;
};
