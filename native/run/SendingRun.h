#pragma once

#include "mail/OutgoingMail.h"
#include "mail/SmtpTransport.h"
#include "run/RunJournal.h"
#include "run/RunPlan.h"

#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QVariantList>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

#include <memory>
#include <optional>

class AccountLimits;
class DeliveryJob;
class ContactBook;
class DeliveryThread;
class MessageSizeCheck;
class OnlineCheck;
class SmtpTransport;
class SuppressionList;
class UnsubscribeMailbox;
class QThread;

// One sending run: the recipients, the position, the counters, the log, the
// pacing timer and the delivery in flight. Deliveries are jobs that report
// by signal, so nothing here waits in a nested event loop, and every entry
// point checks the state first: a run cannot be started twice, and Stop,
// leaving a page or closing the window never leave a delivery behind.
// Each outcome is journalled on disk as it becomes known, so a run cut short
// by a crash can be resumed without mailing anyone twice.
class SendingRun : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_MOC_INCLUDE("run/AccountLimits.h")
    Q_MOC_INCLUDE("suppression/SuppressionList.h")
    Q_MOC_INCLUDE("suppression/UnsubscribeMailbox.h")
    Q_PROPERTY(State state READ state NOTIFY stateChanged)
    // From the press of Send until the run has ended and nothing is in flight.
    Q_PROPERTY(bool busy READ busy NOTIFY stateChanged)
    Q_PROPERTY(bool inFlight READ inFlight NOTIFY stateChanged)
    Q_PROPERTY(int sent READ sent NOTIFY countersChanged)
    Q_PROPERTY(int failed READ failed NOTIFY countersChanged)
    Q_PROPERTY(int unknown READ unknown NOTIFY countersChanged)
    // Skipped because their address is on the suppression list.
    Q_PROPERTY(int suppressed READ suppressed NOTIFY countersChanged)
    Q_PROPERTY(int total READ total NOTIFY countersChanged)
    Q_PROPERTY(int waitingRetry READ waitingRetry NOTIFY countersChanged)
    Q_PROPERTY(int connections READ connections NOTIFY countersChanged)
    Q_PROPERTY(int logins READ logins NOTIFY countersChanged)
    // Milliseconds since the epoch when a paused run goes on; 0 otherwise.
    Q_PROPERTY(qint64 resumesAt READ resumesAt NOTIFY stateChanged)
    // True only while paused because the server asked to wait (421).
    Q_PROPERTY(bool pausedByServer READ pausedByServer NOTIFY stateChanged)
    // Why a paused run waits: "server" (421), "unreachable", "login" (the
    // password is asked for), "token", "retry" (temporary failures wait for
    // the next pass) or "limit" (the account's sending limit is reached);
    // "" when not paused.
    Q_PROPERTY(QString pauseReason READ pauseReason NOTIFY stateChanged)
    // Why the run stopped on its own (the server refused the message
    // itself), said plainly with the server's reply; "" otherwise.
    Q_PROPERTY(QString stopReason READ stopReason NOTIFY stateChanged)
    // Milliseconds between two deliveries; 0 starts each as the last ends.
    Q_PROPERTY(int interval READ interval WRITE setInterval NOTIFY intervalChanged)
    // The interface's translated log texts: "sent", "invalid", "retry", "unknown".
    Q_PROPERTY(QVariantMap texts MEMBER m_texts NOTIFY textsChanged)
    // Limits, in milliseconds; tests shorten them.
    Q_PROPERTY(int idleTimeoutMs MEMBER m_idleTimeoutMs NOTIFY limitsChanged)
    Q_PROPERTY(int connectTimeoutMs MEMBER m_connectTimeoutMs NOTIFY limitsChanged)
    Q_PROPERTY(int stopGraceMs MEMBER m_stopGraceMs NOTIFY limitsChanged)
    // Waits while the server asks to wait or cannot be reached, growing,
    // the last one repeated; none of them costs a recipient an attempt.
    Q_PROPERTY(QVariantList serverPausesMs MEMBER m_serverPausesMs NOTIFY limitsChanged)
    Q_PROPERTY(QVariantList retryDelaysMs MEMBER m_retryDelaysMs NOTIFY limitsChanged)
    Q_PROPERTY(int messagesPerConnection MEMBER m_messagesPerConnection NOTIFY limitsChanged)
    Q_PROPERTY(QString journalPath READ journalPath WRITE setJournalPath NOTIFY journalPathChanged)
    // Where ended runs are kept: "runs" beside the journal.
    Q_PROPERTY(QString historyPath READ historyPath NOTIFY journalPathChanged)
    // A stopped run with recipients left: Continue sends to them.
    Q_PROPERTY(bool canContinue READ canContinue NOTIFY countersChanged)
    // The addresses never to mail: each recipient is looked up just before
    // its message goes, so an address listed during the run is skipped too.
    Q_PROPERTY(SuppressionList *suppression READ suppression WRITE setSuppression NOTIFY
                       suppressionChanged)
    // A permanent refusal of an address (it does not exist, or its mailbox
    // is disabled) puts it on the suppression list as a bounce.
    Q_PROPERTY(bool suppressBounces MEMBER m_suppressBounces NOTIFY suppressionChanged)
    // Seals each message's one-click unsubscribe address; without a
    // registered mailbox, messages offer the mailto: address alone.
    Q_PROPERTY(UnsubscribeMailbox *unsubscribeMailbox MEMBER m_unsubscribeMailbox NOTIFY
                       suppressionChanged)
    // What each account may still send: a run waits when its account has
    // reached a limit, and counts each message that goes out.
    Q_PROPERTY(AccountLimits *accountLimits READ accountLimits WRITE setAccountLimits NOTIFY
                       suppressionChanged)

public:
    enum State { Idle, Starting, Delivering, Paused, Stopping, Finished, Stopped };
    Q_ENUM(State)

    enum class Outcome { None, Sent, Failed, Unknown, Invalid, Suppressed };

    explicit SendingRun(QObject *parent = nullptr);
    ~SendingRun() override;

    State state() const { return m_state; }
    bool busy() const;
    bool inFlight() const;
    int sent() const { return m_sent; }
    int failed() const { return m_failed; }
    int unknown() const { return m_unknown; }
    int suppressed() const { return m_suppressed; }
    int total() const { return static_cast<int>(m_recipients.size()); }
    int waitingRetry() const { return static_cast<int>(m_retryLater.size()); }
    int connections() const;
    int logins() const;
    qint64 resumesAt() const { return m_resumesAt; }
    bool pausedByServer() const { return m_pausedByServer; }
    QString pauseReason() const { return m_state == Paused ? m_pauseReason : QString(); }
    QString stopReason() const { return m_stopReason; }
    int interval() const { return m_timer.interval(); }
    void setInterval(int ms);
    QString journalPath() const { return m_journalPath; }
    void setJournalPath(const QString &path);
    QString historyPath() const;
    bool canContinue() const;
    SuppressionList *suppression() const;
    AccountLimits *accountLimits() const;
    void setAccountLimits(AccountLimits *limits);
    void setSuppression(SuppressionList *list);

    // Send was pressed: checks that the machine is online, then reports with
    // onlineChecked(). False (and nothing happens) while a run is busy.
    Q_INVOKABLE bool begin();
    // Gives up a begun run before it started (a refused form).
    Q_INVOKABLE void cancel();
    // Works out a begun run from the form on a worker: the members of the
    // lists in the book, then the recipients of the typed text; reports with
    // prepared(). params as start() takes them, the HTML file's references
    // read here. Only after begin() or while idle, like start().
    Q_INVOKABLE bool prepare(const QVariantMap &params, ContactBook *book, const QStringList &lists,
                             const QString &typed, const QVariantMap &extra = {});
    // Starts the prepared run: each address once or every repeat, and those
    // an earlier run of the message reached or not. False when nobody is
    // left to send to, and the run is then given up.
    Q_INVOKABLE bool confirm(bool oncePerAddress, bool sendAgain);
    // Checks the prepared message's size against the server's limit.
    Q_INVOKABLE void checkSize(MessageSizeCheck *check) const;
    // Starts the run; params: host, port, connection, address, password,
    // senderName, subject, content, html, localUrls, attachments, messageId,
    // and optionally accounts (more accounts that share the recipients, each
    // {host, port, connection, address, password, accessToken, senderName})
    // with spread ("fill": each account until its limits hold it, in order;
    // "turns": one after the other); recipients: contact records. Only after
    // begin() or while idle.
    Q_INVOKABLE bool start(const QVariantMap &params, const QVariantList &recipients,
                           const QVariantMap &extra = {});
    Q_INVOKABLE void stop();
    // Goes on with a stopped run: only recipients without an outcome are sent to.
    Q_INVOKABLE bool continueRun();
    // Kinds of failed outcome: "refused" (refused, or temporary failures
    // that stayed so), "nonexistent" (the server says the address does not
    // exist: 5.1.x), "unknown" (sent whole, no reply), "invalid" (no address).
    // Sends again to the recipients of the given kinds; none given: "refused".
    Q_INVOKABLE bool retryFailed(const QStringList &kinds = {});
    // Their addresses; none given: every kind but "unknown", whose message
    // may well have arrived.
    Q_INVOKABLE QStringList failedAddresses(const QStringList &kinds = {}) const;
    Q_INVOKABLE int failedCount(const QString &kind) const;
    // Goes on with a run paused for its password, logging in with this one
    // (used for this run only, never stored).
    Q_INVOKABLE bool continueWithPassword(const QString &password);
    // The same for a run that signs in with a provider's access token.
    Q_INVOKABLE bool continueWithToken(const QString &accessToken);
    Q_INVOKABLE QStringList logEntries() const { return m_log; }
    Q_INVOKABLE QString logText() const { return m_log.join(QString()); }

    // What the journal of a run cut short or stopped holds: {total, done,
    // sent, unknown, left, stopped, limitUntil (when it was waiting for its
    // account's limit, ms; 0 if not), subject, account, accounts (the others
    // it shares its recipients with), started, extra}; empty
    // when there is none. `left` are those a resumption would send to.
    Q_INVOKABLE QVariantMap interruptedRun() const;
    // Resumes it with the account's password (never written to disk), and
    // those of the other accounts it shares its recipients with, by address.
    Q_INVOKABLE bool resumeInterrupted(const QString &password, const QVariantMap &passwords = {});
    Q_INVOKABLE void discardInterrupted();
    // For quitting: abandons what is in flight and waits at most this long.
    Q_INVOKABLE void shutdown(int waitMs = 1500);

signals:
    void stateChanged();
    void countersChanged();
    void intervalChanged();
    void textsChanged();
    void limitsChanged();
    void journalPathChanged();
    void suppressionChanged();
    void onlineChecked(bool online);
    // A new run begins its log: views of the last one clear theirs.
    void logCleared();
    // The prepared run's summary: {total, valid, duplicates, invalid,
    // invalidAddresses (the first eleven), unreplaced [{field, count}],
    // received, suppressed, first (the first recipient's record)}.
    void prepared(const QVariantMap &summary);
    void logAppended(const QString &chunk);
    // A recipient's final outcome: "sent", "failed", "unknown", "invalid" or "suppressed".
    void recipientDone(int index, const QString &address, const QString &outcome);
    // The run is over: finished every recipient, or stopped.
    void ended(bool stopped);
    // A run was written to the history folder.
    void historyWritten();
    // The server refused the login: the run is paused until
    // continueWithPassword() or stop(). `reason`: said plainly, with the reply.
    void passwordNeeded(const QString &reason);
    // The server refused the access token (it expired): the run is paused
    // until continueWithToken() or stop(). `again`: a token just given was
    // refused too, so a new sign-in is needed rather than a refresh.
    void tokenNeeded(const QString &reason, bool again);

private:
    struct Recipient
    {
        int attempts = 0;
        QString lastText;
        QString lastShown; // lastText said plainly, as the log shows it
        Outcome outcome = Outcome::None;
        qint64 at = 0;     // when the outcome became known, ms since the epoch
        QString messageId; // made at the first attempt, kept for the others
        int sender = 0;    // the account it goes through, in m_senders
    };
    // An account the run sends through: the run's message with its address,
    // sender name and server, over a connection of its own.
    struct Sender
    {
        OutgoingMail message;
        std::shared_ptr<SmtpTransport> transport;
        qint64 heldUntil = 0; // its server asked to wait, or was out of reach, until then
        bool out = false;     // its login was refused: it sends nothing more in this run
    };

    void setState(State state);
    void tick();
    void startPacing();
    void deliverNext();
    DeliveryJob *makeJob(int index);
    void stageNext();
    // The outcome a recipient gets without any message: Invalid for an
    // address no run sends to, Suppressed for a listed one; None otherwise.
    Outcome skipped(int index) const;
    void dropNext();
    void abortDeliveries();
    DeliveryThread *composeThread();
    void deliveryFinished();
    // `text` is kept (journal, history); `shown`, when given, is what the log says instead.
    void record(int index, Outcome outcome, const QString &text, bool journal = true,
                const QString &shown = {});
    void appendLog(const QString &chunk);
    void endOfPass();
    void pause(qint64 ms, const QString &reason);
    // The account the next message goes through, or -1 when none may send
    // now: then `wait` says for how long and `why` whether for a limit
    // ("limit") or a server ("server"), and `soonest` the account that opens
    // first. `busy` is the account of the message in flight, if any.
    int chooseSender(int busy, qint64 *wait, QString *why, int *soonest);
    void pauseForLimit(qint64 ms, int sender);
    bool sharedRun() const { return m_senders.size() > 1; }
    // The recipient's address as the log names it: with its account when the run has several.
    QString shownAddress(int index) const;
    const OutgoingMail &messageOf(int index) const;
    void clockMoved();
    // A failure that the next recipients would meet too: the run waits,
    // asks for the password or stops, and this recipient keeps no outcome.
    void runWideFailure(int index, const SmtpTransport::Result &result);
    bool isKind(const Recipient &recipient, const QString &kind) const;
    void finish(bool stopped);
    void resetCounters();
    void resume();
    void releaseTransport();
    // A connection for every account; with `only`, for that one alone.
    void createTransport(int only = -1);
    void startJournal();
    void planned(quint64 serial, RunPlan::Plan plan);
    // What confirm() makes on its worker: the chosen recipients, their
    // outcomes (none yet) and the sending order.
    struct Chosen
    {
        QList<ContactBook::ContactPointer> contacts;
        QList<Recipient> recipients;
        QList<int> pending;
    };
    void confirmed(quint64 serial, const QVariantMap &params, const QString &fingerprint,
                   Chosen chosen);
    // Starts with the recipients given (m_contacts or m_records, and a
    // Recipient each in m_recipients), in the order of `pending`.
    bool startRecipients(const QVariantMap &params, const QString &fingerprint,
                         const QVariantMap &extra, const QList<int> &pending);
    // The recipient's address, and contact record as its message's placeholders read it.
    QString addressOf(int index) const;
    // Lets go of the last run's recipients.
    void releaseRecipients();
    QJsonObject recordOf(int index) const;
    void setParams(const QVariantMap &params);
    // A file the message would carry is one no message may carry: the whole
    // run is refused (the interface names the file before it gets here).
    static bool refusesFiles(const QVariantMap &params);
    QJsonObject journalHeader() const;
    // Who the run is, as the history names it.
    QJsonObject historyIdentity() const;
    void saveHistory(const QString &state, bool wait = false);
    void watchHistoryWriter(QThread *writer);
    void startWith(const QList<int> &pending);
    QString text(const char *key, const QString &fallback) const;
    QString entryFor(const QString &address, Outcome outcome, const QString &text) const;
    OutgoingMail jobFor(int index) const;
    MailLimits limits() const;

    State m_state = Idle;
    State m_stateBeforeBegin = Idle;
    QList<Recipient> m_recipients;
    // The recipients as given, one list of the two: contacts of the book or
    // typed (prepared runs), or records (start(), or a journal read back).
    // Never changed while the run lasts, so the journal writer shares them.
    QList<ContactBook::ContactPointer> m_contacts;
    QList<QJsonObject> m_records;
    // The prepared run awaiting confirm(); m_planSerial names the latest
    // preparation, so that one given up reports nothing.
    std::optional<RunPlan::Plan> m_plan;
    QVariantMap m_planExtra;
    quint64 m_planSerial = 0;
    // confirm() is making the run on its worker; a Stop meanwhile waits for it.
    bool m_confirming = false;
    bool m_tokenJustGiven = false; // no message went through since continueWithToken()
    bool m_stopWhenConfirmed = false;
    QPointer<QThread> m_planner;
    QPointer<QThread> m_journalWriter;
    QString m_journalWritten; // where it writes, until the journal is put in place
    bool m_journalReady = true;
    QList<int> m_pending;    // this pass, in sending order
    QList<int> m_retryLater; // temporary failures for the next pass
    int m_round = 0;
    int m_current = -1;
    int m_sent = 0;
    int m_failed = 0;
    int m_unknown = 0;
    int m_suppressed = 0;
    QPointer<SuppressionList> m_suppression;
    QPointer<UnsubscribeMailbox> m_unsubscribeMailbox;
    QPointer<AccountLimits> m_accountLimits;
    bool m_suppressBounces = true;
    QStringList m_log;
    QVariantMap m_params;
    OutgoingMail m_message; // the run's message; each delivery adds its recipient
    QVariantMap m_extra;
    QVariantMap m_texts;
    qint64 m_resumesAt = 0;
    bool m_pausedByServer = false;
    QString m_pauseReason;
    QString m_stopReason;
    int m_serverPauseStep = 0; // server waits in a row, since the last accepted message
    QTimer m_timer;
    QTimer m_stopGrace;
    QTimer m_resumeTimer;
    QPointer<DeliveryJob> m_job;
    // Without pacing: the next delivery, queued behind m_job on the worker.
    QPointer<DeliveryJob> m_next;
    int m_nextIndex = -1;
    QPointer<OnlineCheck> m_onlineCheck;
    // The accounts of the run, its own first; m_message is that first one's message.
    QList<Sender> m_senders;
    bool m_spreadInTurn = false;
    int m_nextSender = 0;
    int m_askingSender = 0;                           // whose password or token the run waits for
    std::unique_ptr<DeliveryThread> m_deliveryThread; // made at the first delivery
    std::unique_ptr<DeliveryThread> m_composeThread;  // composes every message of the run
    int m_connectionsBefore = 0;
    int m_loginsBefore = 0;
    std::shared_ptr<RunJournal> m_journal;
    QString m_journalPath;
    QString m_runId;       // names the run in the journal and the history
    QString m_fingerprint; // the message's, for "already received"
    QString m_started;
    // History writes under way: quitting waits for them.
    QList<QPointer<QThread>> m_historyWriters;

    int m_idleTimeoutMs = 60 * 1000;
    int m_connectTimeoutMs = 30 * 1000;
    int m_stopGraceMs = 10 * 1000;
    QVariantList m_serverPausesMs{60 * 1000, 2 * 60 * 1000, 5 * 60 * 1000, 10 * 60 * 1000};
    QVariantList m_retryDelaysMs{60 * 1000, 3 * 60 * 1000};
    int m_messagesPerConnection = 100;
};
