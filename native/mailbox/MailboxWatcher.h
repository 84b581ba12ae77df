#pragma once

#include "mailbox/MailboxCheck.h"
#include "mailbox/MailboxVerdicts.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QTimer>
#include <QVariantList>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

#include <array>
#include <atomic>
#include <functional>
#include <memory>

#include "suppression/SuppressionList.h"

// Reads what came back to the mailboxes of the accounts that have IMAP
// settings and acts on it: hard bounces, complaints and unsubscribe replies
// about messages of ours go to the suppression list, temporary failures
// count towards it. Each check starts where the last one of that account
// stopped; what it found is kept per run with the report itself, for the
// history to show. Checks run on a thread of their own, one at a time.
class MailboxWatcher : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(SuppressionList *suppression READ suppression WRITE setSuppression NOTIFY
                       suppressionChanged)
    // The run history, where the Message-IDs of our messages are looked up.
    Q_PROPERTY(QString historyPath MEMBER m_historyPath NOTIFY historyPathChanged)
    // Where the positions, the counts and the reports are kept.
    Q_PROPERTY(QString folder READ folder WRITE setFolder NOTIFY folderChanged)
    // Authorities trusted besides the system's, as PEM (tests, private servers).
    Q_PROPERTY(QString extraCaFile MEMBER m_extraCaFile)
    // The reports kept for the history; the oldest go beyond it, at the next start.
    Q_PROPERTY(int maxReports MEMBER m_maxReports)
    // Milliseconds between the checks asked for by checkWanted(); 0 for none.
    Q_PROPERTY(int interval READ interval WRITE setInterval NOTIFY intervalChanged)
    Q_PROPERTY(bool busy READ busy NOTIFY busyChanged)
    // Why the last check failed, account by account; "" when it did not.
    Q_PROPERTY(QString error READ error NOTIFY checked)
    // Grows whenever reports are added, for the views that count them.
    Q_PROPERTY(int revision READ revision NOTIFY reportsChanged)

public:
    explicit MailboxWatcher(QObject *parent = nullptr);
    ~MailboxWatcher() override;

    static QString defaultFolder();

    SuppressionList *suppression() const { return m_suppression; }
    void setSuppression(SuppressionList *list);
    QString folder() const { return m_folder; }
    void setFolder(const QString &folder);
    int interval() const { return m_timer.interval(); }
    void setInterval(int ms);
    bool busy() const { return m_busy; }
    QString error() const { return m_error; }
    int revision() const { return m_revision; }

    // Checks the mailboxes of these accounts, each a map of the account
    // record's "address", "imapHost", "imapPort", "imapConnection",
    // "imapUsername" (the address when empty), "imapFolders" and "password";
    // those without a host are passed over. False when a check is under way
    // or already asked for.
    Q_INVOKABLE bool check(const QVariantList &accounts);
    // Logs in to one account's mailbox and out again; reports by loginTested().
    Q_INVOKABLE bool testLogin(const QVariantMap &account);
    // What came back about a run: {bounced, softBounced, complained, unsubscribed}.
    Q_INVOKABLE QVariant counts(const QString &runId) const;
    // The reports about a run, newest first: {id, at, address, reason, soft, detail}.
    Q_INVOKABLE QVariantList reports(const QString &runId) const;
    // A report as it came, for the user to read; "" when it is gone.
    Q_INVOKABLE QString reportText(const QString &id) const;

    // What check() reads of an account map.
    MailboxCheck::Settings settingsOf(const QVariantMap &account) const;

signals:
    void suppressionChanged();
    void historyPathChanged();
    void folderChanged();
    void intervalChanged();
    void busyChanged();
    void reportsChanged();
    // The timer says it is time for a check: the accounts are the caller's.
    void checkWanted();
    // A check ended: addresses it listed, reports about our messages it found.
    void checked(int suppressed, int found, const QString &error);
    void loginTested(bool ok, const QString &error);

public:
    // One report about a message of ours, as kept.
    struct Record
    {
        QString id; // the same for the same message read again
        qint64 at = 0;
        QString runId;
        QString address;
        QString reason;
        bool soft = false;
        QString detail;
    };
    // Where each account's folders were left, by account.
    using AccountPositions = QHash<QString, MailboxCheck::Positions>;

private:
    struct Outcome;
    // Runs the work on a thread of its own; its outcome comes back to finish().
    void runOnThread(std::function<Outcome()> work);
    void load();
    void finish(const Outcome &outcome);
    void saveState() const;
    void addRecord(const Record &record);
    // Keeps the counts by run (bounced, temporary, complained, unsubscribed),
    // which the history asks for at every run it shows.
    void count(const Record &record, int change);
    using RunCounts = std::array<int, 4>;
    static QString accountKey(const MailboxCheck::Settings &settings, const QString &address);

    QPointer<SuppressionList> m_suppression;
    QString m_historyPath;
    QString m_folder;
    QString m_extraCaFile;
    int m_maxReports = 20000;
    QTimer m_timer;
    bool m_busy = false;
    bool m_loaded = false;
    bool m_loadQueued = false; // the first reading waits for the event loop
    QVariantList m_queued;     // a check asked for before the state was read
    bool m_checkQueued = false;
    QString m_error;
    int m_revision = 0;
    AccountPositions m_positions;
    MailboxVerdicts::SoftBounces m_soft;
    QList<Record> m_records;
    QSet<QString> m_recordIds;
    QHash<QString, RunCounts> m_counts;
    quint64 m_serial = 0; // which load or check an answer belongs to
    MailboxCheck m_login;
    std::shared_ptr<std::atomic_bool> m_cancelled = std::make_shared<std::atomic_bool>(false);
};
