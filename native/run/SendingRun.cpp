#include "run/SendingRun.h"

#include "app/OnlineCheck.h"
#include "files/FileTrust.h"
#include "mail/EmailAddress.h"
#include "mail/SmtpTransport.h"
#include "run/AccountLimits.h"
#include "run/DeliveryJob.h"
#include "run/DeliveryThread.h"
#include "run/MessageSizeCheck.h"
#include "run/RunClock.h"
#include "run/RunHistory.h"
#include "suppression/SuppressionList.h"
#include "suppression/UnsubscribeMailbox.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QThread>

#include <numeric>

using namespace Qt::Literals::StringLiterals;

namespace {

// Lets go of a long list a slice at a time between the window's events. A
// list that holds the last reference to a quarter of a million contacts,
// freed at once on any thread, leaves millions of small blocks that the
// window thread's next allocation gathers in one go (30 to 80 ms measured).
template<typename T>
void releaseInSlices(QObject *context, QList<T> list)
{
    constexpr qsizetype slice = 4096;
    // Shared with the book, or short: letting go frees little at once.
    if (list.size() <= slice || !list.isDetached())
        return;
    auto held = std::make_shared<QList<T>>(std::move(list));
    auto *timer = new QTimer(context);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, held] {
        held->resize(std::max<qsizetype>(0, held->size() - slice));
        if (held->isEmpty()) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(0);
}

// How outcomes are named in the journal and to the interface.
constexpr std::pair<SendingRun::Outcome, QLatin1StringView> outcomeNames[] = {
        {SendingRun::Outcome::Sent, "sent"_L1},
        {SendingRun::Outcome::Failed, "failed"_L1},
        {SendingRun::Outcome::Unknown, "unknown"_L1},
        {SendingRun::Outcome::Invalid, "invalid"_L1},
        {SendingRun::Outcome::Suppressed, "suppressed"_L1},
};

QString outcomeName(SendingRun::Outcome outcome)
{
    for (const auto &[value, name] : outcomeNames) {
        if (value == outcome)
            return name;
    }
    return {};
}

SendingRun::Outcome outcomeFromName(const QString &text)
{
    for (const auto &[value, name] : outcomeNames) {
        if (text == name)
            return value;
    }
    return SendingRun::Outcome::None;
}

QJsonObject outcomeRecord(int index, SendingRun::Outcome outcome, const QString &text, qint64 at)
{
    return {{u"i"_s, index}, {u"o"_s, outcomeName(outcome)}, {u"t"_s, text}, {u"at"_s, at}};
}

// A message's own Message-ID: 128 random bits at the sender's domain, so it
// names nobody and cannot be guessed, and the history says where it went.
QString newMessageId(const QString &sender)
{
    quint32 words[4];
    QRandomGenerator::system()->fillRange(words);
    const QByteArray random(reinterpret_cast<const char *>(words), sizeof words);
    QString domain = sender.section(u'@', -1).toLower();
    static const QRegularExpression hostName(u"^[a-z0-9.-]{1,253}$"_s);
    if (!sender.contains(u'@') || !hostName.match(domain).hasMatch())
        domain = u"localhost"_s;
    return QString::fromLatin1(random.toHex()) + u'@' + domain;
}

// A new run's id: its start time first, so that names sort as runs began.
QString newRunId()
{
    return QDateTime::currentDateTimeUtc().toString(u"yyyyMMdd'T'HHmmsszzz"_s) + u'-'
           + QString::number(QRandomGenerator::global()->generate() & 0xffffff, 16);
}

QString stringField(const QJsonObject &record, QLatin1StringView key)
{
    const QJsonValue value = record.value(key);
    return value.isString() ? value.toString() : QString();
}

// Appends the text as a JSON string.
void appendJsonString(QByteArray &out, const QString &text)
{
    out += '"';
    for (const char c : text.toUtf8()) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            out += "\\u00";
            out += "0123456789abcdef"[byte >> 4];
            out += "0123456789abcdef"[byte & 15];
        } else {
            out += c;
        }
    }
    out += '"';
}

// A contact as the journal keeps it, the record the interface would have
// given: written by hand, ten times quicker than through a JSON object.
void appendContact(QByteArray &out, const ContactBook::Contact &contact)
{
    if (!contact.extra.isEmpty()) {
        out += QJsonDocument(ContactBook::toJson(contact)).toJson(QJsonDocument::Compact);
        return;
    }
    char separator = '{';
    for (int field = 0; field < ContactBook::FieldCount; ++field) {
        if (!ContactBook::isWritten(contact, field))
            continue;
        out += separator;
        separator = ',';
        appendJsonString(out, ContactBook::fieldKey(field));
        out += ':';
        appendJsonString(out, contact.fields[field]);
    }
    out += '}';
}

// The journal's first line: the header with every recipient as given,
// written out in pieces rather than gathered into one array first, which
// would hold every recipient twice more.
void writeJournalHeader(QIODevice &file, const QJsonObject &header,
                        const QList<ContactBook::ContactPointer> &contacts,
                        const QList<QJsonObject> &records)
{
    QByteArray piece = RunJournal::line(header);
    piece.chop(2); // the header's closing brace and line end
    piece += ",\"recipients\":[";
    const qsizetype count = records.isEmpty() ? contacts.size() : records.size();
    for (qsizetype i = 0; i < count; ++i) {
        if (i > 0)
            piece += ',';
        if (records.isEmpty())
            appendContact(piece, *contacts.at(i));
        else
            piece += QJsonDocument(records.at(i)).toJson(QJsonDocument::Compact);
        if (piece.size() > 1 << 20) {
            file.write(piece);
            piece.clear();
        }
    }
    piece += "]}\n";
    file.write(piece);
}

} // namespace

SendingRun::SendingRun(QObject *parent)
    : QObject(parent),
      m_journalPath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                    + u"/sending-run.journal"_s)
{
    m_timer.setInterval(1000);
    connect(&m_timer, &QTimer::timeout, this, &SendingRun::tick);
    m_stopGrace.setSingleShot(true);
    connect(&m_stopGrace, &QTimer::timeout, this, &SendingRun::abortDeliveries);
    m_resumeTimer.setSingleShot(true);
    connect(&m_resumeTimer, &QTimer::timeout, this, &SendingRun::resume);
    connect(RunClock::instance(), &RunClock::moved, this, &SendingRun::clockMoved);
}

SendingRun::~SendingRun()
{
    abortDeliveries();
    releaseTransport();
    // A run that ended just before the program quit is still being written
    // to the history.
    for (const QPointer<QThread> &writer : std::as_const(m_historyWriters)) {
        if (writer)
            writer->wait(10000);
    }
    // A run being planned reads only what it was given: it ends soon. A
    // journal not yet in place would be left over.
    if (m_planner)
        m_planner->wait();
    if (m_journalWriter) {
        m_journalWriter->wait();
        QFile::remove(m_journalWritten);
    }
}

bool SendingRun::busy() const
{
    switch (m_state) {
    case Starting:
    case Delivering:
    case Paused:
    case Stopping:
        return true;
    default:
        return inFlight();
    }
}

bool SendingRun::inFlight() const
{
    return m_job && m_job->isRunning();
}

int SendingRun::connections() const
{
    int count = m_connectionsBefore;
    for (const Sender &sender : m_senders)
        count += sender.transport ? sender.transport->connections() : 0;
    return count;
}

int SendingRun::logins() const
{
    int count = m_loginsBefore;
    for (const Sender &sender : m_senders)
        count += sender.transport ? sender.transport->logins() : 0;
    return count;
}

void SendingRun::setInterval(int ms)
{
    if (ms == m_timer.interval())
        return;
    m_timer.setInterval(qMax(0, ms));
    // 0 paces nothing: each delivery starts as its predecessor ends, so a
    // zero-interval timer must not spin meanwhile; between two deliveries,
    // the next one starts now.
    if (m_timer.interval() == 0) {
        m_timer.stop();
        if (m_state == Delivering && !m_job && m_journalReady)
            QTimer::singleShot(0, this, &SendingRun::deliverNext);
    } else {
        startPacing();
    }
    emit intervalChanged();
}

// The timer paces deliveries while delivering; without pacing it stays off.
void SendingRun::startPacing()
{
    if (m_state == Delivering && !m_timer.isActive() && m_timer.interval() > 0)
        m_timer.start();
}

void SendingRun::setJournalPath(const QString &path)
{
    if (path == m_journalPath)
        return;
    m_journalPath = path;
    FileTrust::addProgramFolder(QFileInfo(path).absolutePath());
    emit journalPathChanged();
}

AccountLimits *SendingRun::accountLimits() const
{
    return m_accountLimits;
}

void SendingRun::setAccountLimits(AccountLimits *limits)
{
    if (limits == m_accountLimits)
        return;
    if (m_accountLimits)
        disconnect(m_accountLimits, nullptr, this, nullptr);
    m_accountLimits = limits;
    // Limits changed while the run waits for them: it looks again at once,
    // and waits anew if they still hold it.
    if (limits)
        connect(limits, &AccountLimits::limitsChanged, this, [this] {
            if (m_state == Paused && m_pauseReason == "limit"_L1)
                m_resumeTimer.start(0);
        });
    emit suppressionChanged();
}

SuppressionList *SendingRun::suppression() const
{
    return m_suppression;
}

void SendingRun::setSuppression(SuppressionList *list)
{
    if (list == m_suppression)
        return;
    m_suppression = list;
    emit suppressionChanged();
}

QString SendingRun::historyPath() const
{
    return QFileInfo(m_journalPath).absolutePath() + u"/runs"_s;
}

bool SendingRun::canContinue() const
{
    return m_state == Stopped && !inFlight() && m_sent + m_failed < total();
}

void SendingRun::setState(State state)
{
    m_state = state;
    emit stateChanged();
}

QString SendingRun::text(const char *key, const QString &fallback) const
{
    const QString value = m_texts.value(QLatin1StringView(key)).toString();
    return value.isEmpty() ? fallback : value;
}

QString SendingRun::entryFor(const QString &address, Outcome outcome, const QString &detail) const
{
    switch (outcome) {
    case Outcome::Sent:
        return address + u": "_s + text("sent", u"Email sent"_s) + u"\n\n"_s;
    case Outcome::Invalid:
        return address + u": "_s + text("invalid", u"Invalid email"_s) + u"\n\n"_s;
    case Outcome::Suppressed:
        return address + u": "_s
               + text("suppressed", u"Not sent: this address is on the suppression list."_s)
               + u"\n\n"_s;
    case Outcome::Unknown:
        return address + u": "_s
               + text("unknown", u"No reply after the whole message was sent: it may have arrived. "
                                 "It is not sent again."_s)
               + u" ("_s + detail + u")\n"_s;
    case Outcome::Failed:
    case Outcome::None:
        break;
    }
    return address + u": "_s + detail + u"\n"_s;
}

MailLimits SendingRun::limits() const
{
    MailLimits limits;
    limits.idleTimeoutMs = m_idleTimeoutMs;
    limits.connectTimeoutMs = m_connectTimeoutMs;
    return limits;
}

bool SendingRun::refusesFiles(const QVariantMap &params)
{
    QStringList files = params.value(u"attachments"_s).toStringList();
    if (const QString html = params.value(u"html"_s).toString(); !html.isEmpty())
        files.append(html);
    for (const QString &path : std::as_const(files)) {
        // A missing file is left out of the message, as ever; the others stop the run.
        const FileTrust::Refusal refusal = FileTrust::refusal(path);
        if (refusal != FileTrust::Accepted && refusal != FileTrust::Missing) {
            qWarning("Refused file: %s", qPrintable(path));
            return true;
        }
    }
    return false;
}

void SendingRun::setParams(const QVariantMap &params)
{
    m_params = params;
    m_message = Outgoing::fromParams(params);
    // The run's own account first, then those that share its recipients:
    // the same message, each with its own sender and server.
    m_senders = {Sender{m_message}};
    for (const QVariant &item : params.value(u"accounts"_s).toList()) {
        QVariantMap account = item.toMap();
        if (account.value(u"senderName"_s).toString().isEmpty())
            account.remove(u"senderName"_s);
        QVariantMap merged = params;
        merged.insert(account);
        m_senders.append(Sender{Outgoing::fromParams(merged)});
    }
    m_spreadInTurn = params.value(u"spread"_s).toString() == "turns"_L1;
    m_nextSender = 0;
}

const OutgoingMail &SendingRun::messageOf(int index) const
{
    return m_senders
            .at(std::clamp<int>(m_recipients.at(index).sender, 0,
                                static_cast<int>(m_senders.size()) - 1))
            .message;
}

QString SendingRun::shownAddress(int index) const
{
    if (!sharedRun())
        return addressOf(index);
    return text("via", u"%1 via %2"_s).arg(addressOf(index), messageOf(index).username);
}

void SendingRun::releaseRecipients()
{
    releaseInSlices(this, std::exchange(m_contacts, {}));
    releaseInSlices(this, std::exchange(m_records, {}));
    // One block, and the few texts of those reached.
    if (m_recipients.size() > 1000)
        oneOffThread([table = std::exchange(m_recipients, {})]() mutable { table = {}; })->start();
    m_recipients.clear();
}

QString SendingRun::addressOf(int index) const
{
    return m_records.isEmpty() ? m_contacts.at(index)->fields[ContactBook::Email]
                               : stringField(m_records.at(index), "email"_L1);
}

QJsonObject SendingRun::recordOf(int index) const
{
    return m_records.isEmpty() ? ContactBook::toJson(*m_contacts.at(index)) : m_records.at(index);
}

OutgoingMail SendingRun::jobFor(int index) const
{
    OutgoingMail job = messageOf(index);
    job.to = recordOf(index);
    job.messageId = m_recipients.at(index).messageId;
    if (job.unsubscribe && m_unsubscribeMailbox)
        job.unsubscribeUrl = m_unsubscribeMailbox->link(addressOf(index), m_runId,
                                                        job.unsubscribeLanguage);
    return job;
}

bool SendingRun::begin()
{
    if (busy())
        return false;
    m_stateBeforeBegin = m_state;
    setState(Starting);
    auto *check = new OnlineCheck(this);
    m_onlineCheck = check;
    connect(check, &OnlineCheck::finished, this, [this, check](bool online) {
        check->deleteLater();
        if (m_state != Starting || m_onlineCheck != check)
            return;
        if (!online)
            setState(m_stateBeforeBegin);
        emit onlineChecked(online);
    });
    check->start();
    return true;
}

void SendingRun::cancel()
{
    if (m_state != Starting)
        return;
    if (m_onlineCheck)
        m_onlineCheck->deleteLater();
    ++m_planSerial;
    m_plan.reset();
    m_confirming = m_stopWhenConfirmed = false;
    setState(m_stateBeforeBegin);
}

bool SendingRun::prepare(const QVariantMap &params, ContactBook *book, const QStringList &lists,
                         const QString &typed, const QVariantMap &extra)
{
    if ((m_state != Starting && busy()) || m_confirming || inFlight())
        return false;
    if (m_state != Starting) {
        m_stateBeforeBegin = m_state;
        setState(Starting);
    }
    m_plan.reset();
    m_planExtra = extra;
    const quint64 serial = ++m_planSerial;
    // The book's list is shared, not copied: a change meanwhile makes the book its own copy.
    RunPlan::Input input{params,
                         book ? book->contacts() : QList<ContactBook::ContactPointer>(),
                         lists,
                         typed,
                         historyPath(),
                         m_suppression ? m_suppression->snapshot() : SuppressionList::Entries()};
    QPointer<SendingRun> self(this);
    QThread *planner = oneOffThread([self, serial, input = std::move(input)] {
        auto plan = std::make_shared<RunPlan::Plan>(RunPlan::make(input));
        QMetaObject::invokeMethod(
                self.get(),
                [self, serial, plan] {
                    if (self)
                        self->planned(serial, std::move(*plan));
                },
                Qt::QueuedConnection);
    });
    m_planner = planner;
    planner->start();
    return true;
}

void SendingRun::planned(quint64 serial, RunPlan::Plan plan)
{
    if (serial != m_planSerial || m_state != Starting)
        return; // given up meanwhile, or prepared again since
    m_plan = std::move(plan);
    emit prepared(m_plan->summary);
}

bool SendingRun::confirm(bool oncePerAddress, bool sendAgain)
{
    if (m_state != Starting || !m_plan || m_confirming || inFlight())
        return false;
    auto plan = std::make_shared<RunPlan::Plan>(std::move(*m_plan));
    m_plan.reset();
    if (RunPlan::chosenCount(*plan, oncePerAddress, sendAgain) == 0 || refusesFiles(plan->params)) {
        cancel();
        oneOffThread([plan]() mutable { plan.reset(); })->start();
        return false;
    }
    // The chosen list, the table of outcomes and the sending order of a
    // quarter of a million recipients are made on a worker, which also frees
    // the plan and the last run's table: the window goes on meanwhile.
    const quint64 serial = ++m_planSerial;
    m_confirming = true;
    m_stopWhenConfirmed = false;
    const QVariantMap params = plan->params;
    const QString fingerprint = plan->fingerprint;
    resetCounters();
    QList<Recipient> lastTable = std::exchange(m_recipients, {});
    releaseRecipients();
    QPointer<SendingRun> self(this);
    oneOffThread([self, serial, params, fingerprint, plan, lastTable = std::move(lastTable),
                  oncePerAddress, sendAgain]() mutable {
        auto chosen = std::make_shared<Chosen>();
        chosen->contacts = RunPlan::chosen(*plan, oncePerAddress, sendAgain);
        chosen->recipients.resize(chosen->contacts.size());
        chosen->pending.resize(chosen->contacts.size());
        std::iota(chosen->pending.begin(), chosen->pending.end(), 0);
        QMetaObject::invokeMethod(
                self.get(),
                [self, serial, params, fingerprint, chosen] {
                    if (self)
                        self->confirmed(serial, params, fingerprint, std::move(*chosen));
                },
                Qt::QueuedConnection);
        plan.reset();
        lastTable = {};
    })->start();
    return true;
}

void SendingRun::confirmed(quint64 serial, const QVariantMap &params, const QString &fingerprint,
                           Chosen chosen)
{
    if (serial != m_planSerial || m_state != Starting) {
        // Given up meanwhile: nobody gets a message.
        if (serial == m_planSerial)
            m_confirming = false;
        oneOffThread([chosen = std::move(chosen)]() mutable { chosen = {}; })->start();
        return;
    }
    m_confirming = false;
    m_contacts = std::move(chosen.contacts);
    m_recipients = std::move(chosen.recipients);
    if (!startRecipients(params, fingerprint, m_planExtra, std::move(chosen.pending)))
        return;
    // Stop was pressed while the run was being set up: nobody has been
    // mailed yet (the journal is still being written), and the run ends as
    // any stopped run does, resumable.
    if (std::exchange(m_stopWhenConfirmed, false))
        stop();
}

void SendingRun::checkSize(MessageSizeCheck *check) const
{
    if (check && m_plan)
        check->start(m_plan->params, m_plan->summary.value(u"first"_s).toMap());
}

void SendingRun::resetCounters()
{
    m_sent = m_failed = m_unknown = m_suppressed = 0;
    m_round = 0;
    m_retryLater.clear();
    m_pending.clear();
    m_log.clear();
    emit logCleared();
}

void SendingRun::createTransport(int only)
{
    for (int i = 0; i < m_senders.size(); ++i) {
        if (only >= 0 && i != only)
            continue;
        Sender &sender = m_senders[i];
        if (sender.transport) {
            m_connectionsBefore += sender.transport->connections();
            m_loginsBefore += sender.transport->logins();
            // Closing says goodbye to the server, which may take a moment:
            // never on this thread. A delivery still running keeps its own reference.
            std::shared_ptr<SmtpTransport> old = std::move(sender.transport);
            if (m_deliveryThread)
                m_deliveryThread->post([old]() mutable { old.reset(); });
        }
        SmtpTransport::Settings settings = Outgoing::settingsFor(sender.message, limits());
        settings.keepAlive = true;
        settings.messagesPerConnection = std::max(1, m_messagesPerConnection);
        sender.transport = std::make_shared<SmtpTransport>(settings);
        sender.out = false;
        sender.heldUntil = 0;
    }
}

void SendingRun::releaseTransport()
{
    for (Sender &sender : m_senders) {
        if (!sender.transport)
            continue;
        m_connectionsBefore += sender.transport->connections();
        m_loginsBefore += sender.transport->logins();
        std::shared_ptr<SmtpTransport> transport = std::move(sender.transport);
        if (m_deliveryThread)
            m_deliveryThread->post([transport]() mutable { transport.reset(); });
    }
}

QJsonObject SendingRun::journalHeader() const
{
    QVariantMap params = m_params;
    // Secrets are looked up again from the account on resumption, never written.
    params.remove(u"password"_s);
    params.remove(u"accessToken"_s);
    QVariantList accounts = params.value(u"accounts"_s).toList();
    for (QVariant &item : accounts) {
        QVariantMap account = item.toMap();
        account.remove(u"password"_s);
        account.remove(u"accessToken"_s);
        item = account;
    }
    if (!accounts.isEmpty())
        params.insert(u"accounts"_s, accounts);
    return {{u"kind"_s, u"run"_s},
            {u"version"_s, 1},
            {u"id"_s, m_runId},
            {u"fingerprint"_s, m_fingerprint},
            {u"started"_s, m_started},
            {u"account"_s, m_message.username},
            {u"params"_s, QJsonObject::fromVariantMap(params)},
            {u"extra"_s, QJsonObject::fromVariantMap(m_extra)}};
}

bool SendingRun::start(const QVariantMap &params, const QVariantList &recipients,
                       const QVariantMap &extra)
{
    if ((m_state != Starting && busy()) || m_confirming || inFlight())
        return false;
    releaseRecipients();
    m_records.reserve(recipients.size());
    for (const QVariant &item : recipients)
        m_records.append(QJsonObject::fromVariantMap(item.toMap()));
    m_recipients.resize(m_records.size());
    QList<int> all(m_records.size());
    std::iota(all.begin(), all.end(), 0);
    return startRecipients(params, RunHistory::fingerprint(params), extra, all);
}

bool SendingRun::startRecipients(const QVariantMap &params, const QString &fingerprint,
                                 const QVariantMap &extra, const QList<int> &pending)
{
    if (refusesFiles(params)) {
        cancel();
        return false;
    }
    setParams(params);
    m_extra = extra;
    m_runId = newRunId();
    m_fingerprint = fingerprint;
    m_started = QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
    resetCounters();
    emit countersChanged();
    if (m_recipients.isEmpty()) {
        cancel();
        return false;
    }
    createTransport();
    startJournal();
    startWith(pending);
    return true;
}

void SendingRun::startWith(const QList<int> &pending)
{
    m_pending = pending;
    m_stopReason.clear();
    m_serverPauseStep = 0;
    setState(Delivering);
    // Nobody is mailed before the journal that records it is on disk.
    if (!m_journalReady)
        return;
    // The first message goes at once; the timer paces the others.
    deliverNext();
    if (m_recipients.size() > 1)
        startPacing();
}

void SendingRun::tick()
{
    if (!m_journalReady)
        return;
    if (m_state == Delivering && !m_job)
        deliverNext();
    else if (m_state != Delivering && m_state != Stopping)
        m_timer.stop();
}

void SendingRun::resume()
{
    if (m_state != Paused)
        return;
    if (m_pauseReason == "retry"_L1) {
        // The next pass: the temporary failures of the last one.
        m_pending = m_retryLater;
        m_retryLater.clear();
        ++m_round;
    }
    m_resumesAt = 0;
    m_pausedByServer = false;
    m_pauseReason.clear();
    emit countersChanged();
    setState(Delivering);
    deliverNext();
    startPacing();
}

void SendingRun::deliverNext()
{
    if (m_state != Delivering)
        return;
    if (m_job) {
        stageNext();
        return;
    }
    if (m_pending.isEmpty()) {
        endOfPass();
        return;
    }
    int index = m_pending.takeFirst();
    // An invalid or suppressed address takes its tick when paced; without
    // pacing the run goes straight on to the next one.
    for (Outcome skip = skipped(index); skip != Outcome::None; skip = skipped(index)) {
        // The journal keeps why the address is listed.
        QString why;
        if (skip == Outcome::Suppressed)
            why = m_suppression->find(addressOf(index)).value(u"reason"_s).toString();
        record(index, skip, why);
        if (m_pending.isEmpty()) {
            endOfPass();
            return;
        }
        if (m_timer.interval() != 0 || m_state != Delivering)
            return;
        index = m_pending.takeFirst();
    }
    qint64 wait = 0;
    QString why;
    int soonest = 0;
    const int sender = chooseSender(-1, &wait, &why, &soonest);
    if (sender < 0) {
        m_pending.prepend(index);
        if (why == "limit"_L1)
            pauseForLimit(wait, soonest);
        else
            pause(wait, why);
        return;
    }
    Recipient &recipient = m_recipients[index];
    recipient.sender = sender;
    ++recipient.attempts;
    m_current = index;
    m_job = makeJob(index);
    m_job->start(composeThread());
    stageNext();
    emit stateChanged();
}

SendingRun::Outcome SendingRun::skipped(int index) const
{
    const QString address = addressOf(index);
    if (!EmailAddress::isDeliverable(address))
        return Outcome::Invalid;
    if (m_suppression && m_suppression->contains(address))
        return Outcome::Suppressed;
    return Outcome::None;
}

DeliveryJob *SendingRun::makeJob(int index)
{
    if (!m_deliveryThread)
        m_deliveryThread = std::make_unique<DeliveryThread>();
    // A retry carries the same Message-ID: a report about either attempt
    // names the same recipient, and a copy that arrived twice is seen as one.
    Recipient &recipient = m_recipients[index];
    if (recipient.messageId.isEmpty())
        recipient.messageId = newMessageId(messageOf(index).username);
    auto *job = new DeliveryJob(jobFor(index), limits(), m_senders.at(recipient.sender).transport,
                                m_deliveryThread.get(), this);
    std::shared_ptr<RunJournal> journal = m_journal;
    job->setOnDataStarted([journal, index, messageId = recipient.messageId] {
        if (journal)
            journal->append({{u"i"_s, index}, {u"data"_s, true}, {u"m"_s, messageId}});
    });
    connect(job, &DeliveryJob::finished, this, &SendingRun::deliveryFinished);
    return job;
}

// Without pacing, the next message waits on the worker behind the one in
// flight, composed meanwhile, so the connection does not idle while this
// thread records an outcome or a message is composed. The worker sends it
// only if the one before was accepted.
void SendingRun::stageNext()
{
    if (m_timer.interval() != 0 || m_state != Delivering || !m_job || m_next || m_pending.isEmpty()
        || skipped(m_pending.first()) != Outcome::None)
        return;
    qint64 wait = 0;
    QString why;
    int soonest = 0;
    const int sender = chooseSender(m_recipients.at(m_current).sender, &wait, &why, &soonest);
    if (sender < 0)
        return;
    const int index = m_pending.takeFirst();
    m_recipients[index].sender = sender;
    ++m_recipients[index].attempts;
    m_nextIndex = index;
    m_next = makeJob(index);
    m_next->start(composeThread(), m_job);
}

DeliveryThread *SendingRun::composeThread()
{
    if (!m_composeThread)
        m_composeThread = std::make_unique<DeliveryThread>("compose");
    return m_composeThread.get();
}

// The queued delivery will not go (the one before was not accepted): its
// recipient is first in line again, as if it had never been queued.
void SendingRun::dropNext()
{
    DeliveryJob *next = m_next;
    m_next.clear();
    if (!next)
        return;
    disconnect(next, nullptr, this, nullptr);
    next->abort();
    next->deleteLater();
    --m_recipients[m_nextIndex].attempts;
    m_pending.prepend(m_nextIndex);
    m_nextIndex = -1;
}

// The queued delivery first: the worker must not go on to it.
void SendingRun::abortDeliveries()
{
    if (m_next)
        m_next->abort();
    if (m_job)
        m_job->abort();
}

void SendingRun::deliveryFinished()
{
    DeliveryJob *job = m_job;
    if (!job || job->isRunning())
        return;
    const SmtpTransport::Result result = job->result();
    m_job.clear();
    job->deleteLater();
    const int index = m_current;
    m_current = -1;
    // The queued delivery, if any, is now the one in flight, unless the
    // worker declines it because this message was not accepted.
    if (result.outcome != SmtpTransport::Outcome::Sent)
        dropNext();
    if (m_next) {
        m_job = m_next;
        m_current = m_nextIndex;
        m_next.clear();
        m_nextIndex = -1;
    }
    Recipient &recipient = m_recipients[index];
    recipient.lastText = result.text;
    const int maxAttempts = 1 + static_cast<int>(m_retryDelaysMs.size());
    const bool stopping = m_state == Stopping;
    m_stopGrace.stop();

    using Scope = SmtpTransport::Scope;
    const bool runWide = result.scope == Scope::Login || result.scope == Scope::Message
                         || result.scope == Scope::ServerBusy || result.scope == Scope::Unreachable;
    if (result.abandoned
        || (stopping && result.outcome == SmtpTransport::Outcome::Failed
            && (result.temporary || runWide))) {
        // Nothing reached the server: this recipient has no outcome yet.
        --recipient.attempts;
        m_pending.prepend(index);
    } else if (result.outcome == SmtpTransport::Outcome::Sent) {
        m_serverPauseStep = 0;
        record(index, Outcome::Sent, result.text);
        m_tokenJustGiven = false;
    } else if (result.outcome == SmtpTransport::Outcome::Unknown) {
        record(index, Outcome::Unknown, result.text);
    } else if (runWide) {
        runWideFailure(index, result);
        return;
    } else if (result.temporary && recipient.attempts < maxAttempts) {
        // This recipient's turn only (a refusal for now, or a connection
        // lost during it): the next pass tries again, the others go on.
        const QString said = SmtpTransport::describe(result, messageOf(index).host,
                                                     messageOf(index).port, m_idleTimeoutMs,
                                                     m_texts);
        recipient.lastShown = said;
        appendLog(addressOf(index) + u": "_s + said + u" "_s
                  + text("retry", u"(will be tried again later)"_s) + u"\n"_s);
        if (m_journal)
            m_journal->append({{u"i"_s, index}, {u"o"_s, u"retry"_s}, {u"t"_s, result.text}});
        m_retryLater.append(index);
        emit countersChanged();
    } else {
        // A refusal is kept in the server's own words, which tell later
        // whether the address exists; the log says it plainly.
        const QString said = SmtpTransport::describe(result, messageOf(index).host,
                                                     messageOf(index).port, m_idleTimeoutMs,
                                                     m_texts);
        record(index, Outcome::Failed, result.scope == Scope::Recipient ? result.text : said, true,
               said);
        if (m_suppressBounces && m_suppression && result.scope == Scope::Recipient
            && result.phase == SmtpTransport::Phase::Recipient
            && SmtpTransport::bouncesForGood(result.text))
            m_suppression->add(addressOf(index), u"bounced"_s, result.text);
    }

    if (stopping) {
        // A queued delivery that had already gone ahead is awaited the same way.
        if (m_job)
            m_stopGrace.start(m_stopGraceMs);
        else
            finish(true);
        return;
    }
    if (m_state == Delivering && m_pending.isEmpty())
        endOfPass();
    else
        emit stateChanged();
    // Without pacing the next message follows its predecessor at once.
    if (m_timer.interval() == 0)
        deliverNext();
}

void SendingRun::runWideFailure(int index, const SmtpTransport::Result &result)
{
    using Scope = SmtpTransport::Scope;
    Recipient &recipient = m_recipients[index];
    // The failure is not this recipient's: no attempt used, first in line again.
    --recipient.attempts;
    m_pending.prepend(index);
    const QString said = SmtpTransport::describe(result, messageOf(index).host,
                                                 messageOf(index).port, m_idleTimeoutMs, m_texts);
    // A message queued behind this one was declined by the worker; whatever
    // else was in flight is given up before the run waits or stops.
    abortDeliveries();
    if (result.scope == Scope::Message) {
        appendLog(addressOf(index) + u": "_s + said + u"\n"_s);
        m_stopReason = said;
        finish(true);
        return;
    }
    // With several accounts, one that is refused or held leaves the others going.
    Sender &sender = m_senders[recipient.sender];
    const bool othersLeft = std::any_of(m_senders.cbegin(), m_senders.cend(),
                                        [&sender](const Sender &other) {
                                            return &other != &sender && !other.out;
                                        });
    // The run's own account refreshes its token as a run of one account does.
    const bool ownToken = recipient.sender == 0 && !sender.message.accessToken.isEmpty();
    if (othersLeft
        && ((result.scope == Scope::Login && !ownToken) || result.scope == Scope::ServerBusy
            || result.scope == Scope::Unreachable)) {
        const bool login = result.scope == Scope::Login;
        if (login)
            sender.out = true;
        else
            sender.heldUntil = RunClock::now()
                               + (m_serverPausesMs.isEmpty()
                                          ? 60 * 1000
                                          : m_serverPausesMs.first().toLongLong());
        appendLog(sender.message.username + u": "_s + said + u" "_s
                  + (login ? text("accountOut", u"(the other accounts go on)"_s)
                           : text("retry", u"(will be tried again later)"_s))
                  + u"\n"_s);
        if (m_timer.interval() == 0 || !m_timer.isActive())
            QTimer::singleShot(0, this, &SendingRun::deliverNext);
        emit stateChanged();
        return;
    }
    m_askingSender = recipient.sender;
    if (result.scope == Scope::Login && !sender.message.accessToken.isEmpty()) {
        appendLog(addressOf(index) + u": "_s + said + u"\n"_s);
        // An expired token is refreshed once; a fresh one refused means the
        // access was taken back, and no more logins are tried with it.
        pause(0, u"token"_s);
        emit tokenNeeded(said, m_tokenJustGiven);
        return;
    }
    if (result.scope == Scope::Login) {
        appendLog(addressOf(index) + u": "_s + said + u"\n"_s);
        // No more logins with a password the server refuses: one refusal
        // could be a typing error, a hundred a locked account. With several
        // accounts, the prompt says whose password it asks for.
        pause(0, u"login"_s);
        emit passwordNeeded(sharedRun() ? sender.message.username + u": "_s + said : said);
        return;
    }
    appendLog(addressOf(index) + u": "_s + said + u" "_s
              + text("retry", u"(will be tried again later)"_s) + u"\n"_s);
    const qsizetype step = std::min<qsizetype>(m_serverPauseStep, m_serverPausesMs.size() - 1);
    const qint64 wait = step >= 0 ? m_serverPausesMs.at(step).toLongLong() : 60 * 1000;
    ++m_serverPauseStep;
    pause(wait, result.scope == Scope::ServerBusy ? u"server"_s : u"unreachable"_s);
}

bool SendingRun::continueWithToken(const QString &accessToken)
{
    if (m_state != Paused || m_pauseReason != "token"_L1 || accessToken.isEmpty())
        return false;
    m_senders[m_askingSender].message.accessToken = accessToken;
    if (m_askingSender == 0)
        m_message.accessToken = accessToken;
    m_tokenJustGiven = true;
    createTransport(m_askingSender);
    resume();
    return true;
}

bool SendingRun::continueWithPassword(const QString &password)
{
    if (m_state != Paused || m_pauseReason != "login"_L1 || password.isEmpty())
        return false;
    m_senders[m_askingSender].message.password = password;
    if (m_askingSender == 0) {
        m_message.password = password;
        m_params.insert(u"password"_s, password);
    }
    createTransport(m_askingSender);
    resume();
    return true;
}

void SendingRun::record(int index, Outcome outcome, const QString &detail, bool journal,
                        const QString &shown)
{
    Recipient &recipient = m_recipients[index];
    recipient.outcome = outcome;
    recipient.lastText = detail;
    if (journal || recipient.at == 0)
        recipient.at = RunClock::now();
    switch (outcome) {
    case Outcome::Sent:
        ++m_sent;
        break;
    case Outcome::Unknown:
        ++m_unknown;
        ++m_failed;
        break;
    case Outcome::Failed:
    case Outcome::Invalid:
        ++m_failed;
        break;
    case Outcome::Suppressed:
        ++m_suppressed;
        break;
    case Outcome::None:
        break;
    }
    appendLog(entryFor(shownAddress(index), outcome, shown.isEmpty() ? detail : shown));
    // What went out counts against the account's limits; outcomes read back
    // from a journal were counted when it was read.
    if (journal && m_accountLimits && (outcome == Outcome::Sent || outcome == Outcome::Unknown))
        m_accountLimits->record(messageOf(index).username, recipient.at);
    if (journal && m_journal) {
        QJsonObject line = outcomeRecord(index, outcome, detail, recipient.at);
        if (sharedRun())
            line.insert(u"a"_s, recipient.sender);
        m_journal->append(line);
    }
    emit countersChanged();
    emit recipientDone(index, addressOf(index), outcomeName(outcome));
}

void SendingRun::appendLog(const QString &chunk)
{
    m_log.append(chunk);
    emit logAppended(chunk);
}

void SendingRun::endOfPass()
{
    if (m_job || m_state != Delivering)
        return;
    if (!m_retryLater.isEmpty() && m_round < m_retryDelaysMs.size()) {
        pause(m_retryDelaysMs.at(m_round).toLongLong(), u"retry"_s);
        return;
    }
    // Retries used up on server pauses: their last answer is final.
    const QList<int> left = m_retryLater;
    m_retryLater.clear();
    for (const int index : left)
        record(index, Outcome::Failed, m_recipients.at(index).lastText, true,
               m_recipients.at(index).lastShown);
    finish(false);
}

// A pause for the password or a token has no end of its own: the user, or
// the provider's answer, ends it.
void SendingRun::pause(qint64 ms, const QString &reason)
{
    const bool timed = reason != "login"_L1 && reason != "token"_L1;
    m_resumesAt = timed ? RunClock::now() + ms : 0;
    m_pausedByServer = reason == "server"_L1;
    m_pauseReason = reason;
    m_timer.stop();
    m_resumeTimer.stop();
    if (timed)
        m_resumeTimer.start(static_cast<int>(std::min<qint64>(ms, std::numeric_limits<int>::max())));
    setState(Paused);
    emit countersChanged();
}

int SendingRun::chooseSender(int busy, qint64 *wait, QString *why, int *soonest)
{
    const qint64 now = RunClock::now();
    const int count = static_cast<int>(m_senders.size());
    *wait = std::numeric_limits<qint64>::max();
    *why = u"server"_s;
    *soonest = 0;
    for (int step = 0; step < count; ++step) {
        const int i = m_spreadInTurn ? (m_nextSender + step) % count : step;
        const Sender &sender = m_senders.at(i);
        if (sender.out)
            continue;
        qint64 held = sender.heldUntil > now ? sender.heldUntil - now : 0;
        QString reason = u"server"_s;
        if (held == 0 && m_accountLimits) {
            const AccountLimits::Caps caps = m_accountLimits->capsOf(sender.message.username);
            // An account with limits waits a moment while its earlier sends are read.
            held = !m_accountLimits->ready() && caps.day + caps.hour + caps.minute > 0
                           ? 500
                           : m_accountLimits->waitMs(sender.message.username, i == busy ? 1 : 0);
            reason = u"limit"_s;
        }
        if (held == 0) {
            m_nextSender = (i + 1) % count;
            return i;
        }
        if (held < *wait) {
            *wait = held;
            *why = reason;
            *soonest = i;
        }
    }
    return -1;
}

// The accounts have sent all their limits allow for now: the run waits until
// the first has room again, and the journal says so for a start after quitting.
void SendingRun::pauseForLimit(qint64 ms, int sender)
{
    pause(ms, u"limit"_s);
    const QString account = m_senders.at(sender).message.username;
    const QString which = m_accountLimits->reached(account);
    const AccountLimits::Caps caps = m_accountLimits->capsOf(account);
    const int cap = which == "day"_L1 ? caps.day : which == "hour"_L1 ? caps.hour : caps.minute;
    const QString at = QDateTime::fromMSecsSinceEpoch(m_resumesAt).toString(u"yyyy-MM-dd HH:mm"_s);
    const QString fallback
            = which == "day"_L1
                      ? u"The account's limit of %1 a day is reached: the run goes on at %2."_s
              : which == "hour"_L1
                      ? u"The account's limit of %1 an hour is reached: the run goes on at %2."_s
                      : u"The account's limit of %1 a minute is reached: the run goes on at %2."_s;
    const QByteArray key = "limit_" + which.toLatin1();
    QString entry = text(key.constData(), fallback).arg(cap).arg(at);
    if (sharedRun())
        entry = account + u": "_s + entry;
    appendLog(entry + u"\n\n"_s);
    if (m_journal)
        m_journal->append({{u"limit"_s, static_cast<double>(m_resumesAt)}});
}

// A clock moved on (a test's) brings a limit's end nearer.
void SendingRun::clockMoved()
{
    if (m_state != Paused || m_pauseReason != "limit"_L1)
        return;
    m_resumeTimer.start(static_cast<int>(
            std::clamp<qint64>(m_resumesAt - RunClock::now(), 0, std::numeric_limits<int>::max())));
}

void SendingRun::startJournal()
{
    // A quarter of a million recipients take a second to write out: the
    // journal is written beside the old one on a thread of its own, and put
    // in its place once whole. Deliveries wait for it.
    auto journal = std::make_shared<RunJournal>();
    m_journal = journal;
    m_journalReady = false;
    // A retry starts with outcomes already known: a crash during it must
    // not send to those again.
    QByteArray known;
    for (int i = 0; i < m_recipients.size(); ++i) {
        const Recipient &recipient = m_recipients.at(i);
        if (recipient.outcome != Outcome::None)
            known += RunJournal::line(
                    outcomeRecord(i, recipient.outcome, recipient.lastText, recipient.at));
    }
    const QString written = m_journalPath + u".new-"_s
                            + QString::number(QRandomGenerator::global()->generate64(), 16);
    auto ok = std::make_shared<bool>(false);
    QThread *writer = oneOffThread([ok, written, header = journalHeader(), contacts = m_contacts,
                                    records = m_records, known = std::move(known)] {
        *ok = RunJournal::writeNew(written, [&](QIODevice &file) {
            writeJournalHeader(file, header, contacts, records);
            file.write(known);
        });
    });
    connect(writer, &QThread::finished, this, [this, journal, written, ok] {
        if (journal != m_journal || !*ok || !journal->adopt(written, m_journalPath)) {
            // The run ended meanwhile, or the disk failed it: as before, the
            // run goes on unjournalled rather than not at all.
            QFile::remove(written);
            if (journal != m_journal)
                return;
        }
        m_journalReady = true;
        if (m_state == Delivering && !m_job) {
            deliverNext();
            if (m_recipients.size() > 1)
                startPacing();
        }
    });
    m_journalWriter = writer;
    m_journalWritten = written;
    writer->start();
}

void SendingRun::finish(bool stopped)
{
    m_timer.stop();
    m_resumeTimer.stop();
    m_stopGrace.stop();
    m_resumesAt = 0;
    m_pausedByServer = false;
    // A stopped run keeps its journal, marked as stopped, so that it can be
    // continued, also after a restart; a finished one needs it no more.
    const bool left = m_sent + m_failed < total();
    // The log said "tried again later" for these; after Stop that holds only
    // if the user continues the run.
    if (stopped && !m_retryLater.empty())
        appendLog(text("stoppedRetry",
                       u"Stopped: the recipients waiting for another try are sent only if you "
                       "continue the run."_s)
                  + u"\n"_s);
    if (m_journal) {
        if (stopped && left) {
            m_journal->append(RunJournal::stoppedRecord(true));
            m_journal->close();
        } else {
            m_journal->remove();
        }
        m_journal.reset();
    }
    releaseTransport();
    saveHistory(stopped ? u"stopped"_s : u"finished"_s);
    setState(stopped ? Stopped : Finished);
    emit countersChanged();
    emit ended(stopped);
}

QJsonObject SendingRun::historyIdentity() const
{
    return {{u"id"_s, m_runId},
            {u"fingerprint"_s, m_fingerprint},
            {u"started"_s, m_started},
            {u"account"_s, m_message.username},
            {u"subject"_s, m_message.subject},
            {u"list"_s, m_extra.value(u"list"_s).toString()}};
}

// Written on a thread of its own: a run of a quarter of a million recipients
// takes a moment to write out. When quitting, it is awaited.
void SendingRun::saveHistory(const QString &state, bool wait)
{
    if (m_runId.isEmpty() || m_recipients.isEmpty())
        return;
    QList<RunHistory::Row> rows;
    rows.reserve(m_recipients.size());
    for (int i = 0; i < m_recipients.size(); ++i) {
        const Recipient &recipient = m_recipients.at(i);
        rows.append({addressOf(i), outcomeName(recipient.outcome),
                     recipient.outcome == Outcome::None ? QString() : recipient.lastText,
                     recipient.at, recipient.messageId,
                     sharedRun() && recipient.outcome != Outcome::None ? messageOf(i).username
                                                                       : QString()});
    }
    QThread *writer = QThread::create(
            [folder = historyPath(), identity = historyIdentity(), state, rows = std::move(rows)] {
                RunHistory::write(folder, RunHistory::header(identity, state, rows), rows);
            });
    if (wait) {
        writer->start();
        writer->wait();
        delete writer;
        return;
    }
    watchHistoryWriter(writer);
}

void SendingRun::watchHistoryWriter(QThread *writer)
{
    m_historyWriters.removeAll(nullptr);
    m_historyWriters.append(writer);
    connect(writer, &QThread::finished, writer, &QObject::deleteLater);
    connect(writer, &QThread::finished, this, &SendingRun::historyWritten);
    writer->start();
}

bool SendingRun::continueRun()
{
    if (!canContinue())
        return false;
    QList<int> pending;
    for (int i = 0; i < m_recipients.size(); ++i) {
        Recipient &recipient = m_recipients[i];
        if (recipient.outcome != Outcome::None)
            continue;
        recipient.attempts = 0;
        pending.append(i);
    }
    m_round = 0;
    m_retryLater.clear();
    createTransport();
    // Written afresh with the outcomes known so far: a crash while it goes
    // on must not send to those again.
    startJournal();
    startWith(pending);
    return true;
}

void SendingRun::stop()
{
    switch (m_state) {
    case Starting:
        if (m_confirming)
            m_stopWhenConfirmed = true;
        else
            cancel();
        break;
    case Delivering:
    case Paused:
        m_timer.stop();
        m_resumeTimer.stop();
        if (m_job) {
            setState(Stopping);
            if (m_next)
                m_next->abandon();
            m_job->abandon();
            m_stopGrace.start(m_stopGraceMs);
        } else {
            finish(true);
        }
        break;
    default:
        break;
    }
}

bool SendingRun::isKind(const Recipient &recipient, const QString &kind) const
{
    switch (recipient.outcome) {
    case Outcome::Failed: {
        const bool nonexistent = SmtpTransport::refusesAddress(recipient.lastText);
        return kind == (nonexistent ? "nonexistent"_L1 : "refused"_L1);
    }
    case Outcome::Unknown:
        return kind == "unknown"_L1;
    case Outcome::Invalid:
        return kind == "invalid"_L1;
    case Outcome::Sent:
    case Outcome::Suppressed:
    case Outcome::None:
        break;
    }
    return false;
}

bool SendingRun::retryFailed(const QStringList &kinds)
{
    if (busy() || m_recipients.isEmpty())
        return false;
    const QStringList wanted = kinds.isEmpty() ? QStringList{u"refused"_s} : kinds;
    QList<int> again;
    for (int i = 0; i < m_recipients.size(); ++i) {
        Recipient &recipient = m_recipients[i];
        if (!std::any_of(wanted.cbegin(), wanted.cend(),
                         [&](const QString &kind) { return isKind(recipient, kind); }))
            continue;
        --m_failed;
        if (recipient.outcome == Outcome::Unknown)
            --m_unknown;
        recipient.outcome = Outcome::None;
        recipient.attempts = 0;
        again.append(i);
    }
    if (again.isEmpty())
        return false;
    m_round = 0;
    m_retryLater.clear();
    emit countersChanged();
    createTransport();
    startJournal();
    startWith(again);
    return true;
}

QStringList SendingRun::failedAddresses(const QStringList &kinds) const
{
    const QStringList wanted = kinds.isEmpty()
                                       ? QStringList{u"refused"_s, u"nonexistent"_s, u"invalid"_s}
                                       : kinds;
    QStringList addresses;
    for (int i = 0; i < m_recipients.size(); ++i) {
        if (std::any_of(wanted.cbegin(), wanted.cend(),
                        [&](const QString &kind) { return isKind(m_recipients.at(i), kind); }))
            addresses.append(addressOf(i));
    }
    return addresses;
}

int SendingRun::failedCount(const QString &kind) const
{
    return static_cast<int>(std::count_if(m_recipients.cbegin(), m_recipients.cend(),
                                          [&](const Recipient &r) { return isKind(r, kind); }));
}

namespace {

// Recipients of a journal whose message went out without an outcome: they
// count as unknown, never as still to send.
int unansweredOf(const RunJournal::Contents &contents)
{
    int count = 0;
    for (const int index : contents.dataStarted)
        count += contents.outcomes.contains(index) ? 0 : 1;
    return count;
}

// A journal's run as the history keeps it, once the user discarded it.
QList<RunHistory::Row> rowsOf(const RunJournal::Contents &contents)
{
    QList<RunHistory::Row> rows;
    const QJsonArray recipients = contents.header.value("recipients"_L1).toArray();
    rows.reserve(recipients.size());
    for (qsizetype i = 0; i < recipients.size(); ++i) {
        RunHistory::Row row;
        row.address = stringField(recipients.at(i).toObject(), "email"_L1);
        const auto outcome = contents.outcomes.constFind(static_cast<int>(i));
        if (outcome != contents.outcomes.cend()) {
            row.outcome = outcome->value("o"_L1).toString();
            row.text = outcome->value("t"_L1).toString();
            row.at = static_cast<qint64>(outcome->value("at"_L1).toDouble());
        } else if (contents.dataStarted.contains(static_cast<int>(i))) {
            row.outcome = u"unknown"_s;
        }
        row.messageId = contents.messageIds.value(static_cast<int>(i));
        rows.append(row);
    }
    return rows;
}

// Who a journal's run is, as the history names it. Journals of earlier
// versions name no run and keep no fingerprint: both are made here.
QJsonObject identityOf(const QJsonObject &header)
{
    const QJsonObject params = header.value("params"_L1).toObject();
    QString id = header.value("id"_L1).toString();
    if (id.isEmpty())
        id = newRunId();
    QString fingerprint = header.value("fingerprint"_L1).toString();
    if (fingerprint.isEmpty())
        fingerprint = RunHistory::fingerprint(params.toVariantMap());
    return {{u"id"_s, id},
            {u"fingerprint"_s, fingerprint},
            {u"started"_s, header.value("started"_L1).toString()},
            {u"account"_s, header.value("account"_L1).toString()},
            {u"subject"_s, params.value("subject"_L1).toString()},
            {u"list"_s, header.value("extra"_L1).toObject().value("list"_L1).toString()}};
}

} // namespace

namespace {

// The addresses of the other accounts a journal's run shares its recipients with.
QStringList accountsOf(const QJsonObject &params)
{
    QStringList addresses;
    for (const QJsonValue &account : params.value("accounts"_L1).toArray())
        addresses.append(account.toObject().value("address"_L1).toString());
    return addresses;
}

} // namespace

QVariantMap SendingRun::interruptedRun() const
{
    if (busy())
        return {};
    const RunJournal::Contents contents = RunJournal::read(m_journalPath);
    if (!contents.valid)
        return {};
    const QJsonObject params = contents.header.value("params"_L1).toObject();
    const int total = static_cast<int>(contents.header.value("recipients"_L1).toArray().size());
    int sent = 0;
    int unknown = unansweredOf(contents);
    for (const QJsonObject &record : contents.outcomes) {
        const QString name = record.value("o"_L1).toString();
        sent += name == "sent"_L1 ? 1 : 0;
        unknown += name == "unknown"_L1 ? 1 : 0;
    }
    const int done = static_cast<int>(contents.outcomes.size()) + unansweredOf(contents);
    return {{u"total"_s, total},
            {u"done"_s, done},
            {u"sent"_s, sent},
            {u"unknown"_s, unknown},
            {u"left"_s, std::max(0, total - done)},
            {u"stopped"_s, contents.stopped},
            {u"limitUntil"_s, static_cast<double>(contents.limitUntil)},
            {u"accounts"_s, accountsOf(params)},
            {u"subject"_s, params.value("subject"_L1).toString()},
            {u"account"_s, contents.header.value("account"_L1).toString()},
            {u"started"_s, contents.header.value("started"_L1).toString()},
            {u"extra"_s, contents.header.value("extra"_L1).toObject().toVariantMap()}};
}

bool SendingRun::resumeInterrupted(const QString &password, const QVariantMap &passwords)
{
    if (busy())
        return false;
    const RunJournal::Contents contents = RunJournal::read(m_journalPath);
    if (!contents.valid)
        return false;
    QVariantMap params = contents.header.value("params"_L1).toObject().toVariantMap();
    params.insert(u"password"_s, password);
    QVariantList accounts = params.value(u"accounts"_s).toList();
    for (QVariant &item : accounts) {
        QVariantMap account = item.toMap();
        account.insert(u"password"_s, passwords.value(account.value(u"address"_s).toString()));
        item = account;
    }
    if (!accounts.isEmpty())
        params.insert(u"accounts"_s, accounts);
    if (refusesFiles(params))
        return false;
    setParams(params);
    m_extra = contents.header.value("extra"_L1).toObject().toVariantMap();
    const QJsonObject identity = identityOf(contents.header);
    m_runId = identity.value("id"_L1).toString();
    m_fingerprint = identity.value("fingerprint"_L1).toString();
    m_started = identity.value("started"_L1).toString();
    releaseRecipients();
    const QJsonArray records = contents.header.value("recipients"_L1).toArray();
    for (const QJsonValue &value : records) {
        m_records.append(value.toObject());
        m_recipients.append(Recipient());
    }
    resetCounters();
    if (m_recipients.isEmpty())
        return false;

    m_journal = std::make_shared<RunJournal>();
    m_journal->reopen(m_journalPath);
    if (contents.stopped)
        m_journal->append(RunJournal::stoppedRecord(false));
    m_journalReady = true;
    // The log of the interrupted run, in the order things happened.
    for (const QJsonObject &entry : contents.records) {
        const int index = entry.value("i"_L1).toInt(-1);
        if (index < 0 || index >= m_recipients.size())
            continue;
        if (const QString id = entry.value("m"_L1).toString(); !id.isEmpty())
            m_recipients[index].messageId = id;
        const QString name = entry.value("o"_L1).toString();
        if (name == "retry"_L1) {
            ++m_recipients[index].attempts;
            continue;
        }
        const Outcome outcome = outcomeFromName(name);
        if (const int sender = entry.value("a"_L1).toInt(0); sender > 0 && sender < m_senders.size())
            m_recipients[index].sender = sender;
        if (outcome != Outcome::None && m_recipients.at(index).outcome == Outcome::None) {
            m_recipients[index].at = static_cast<qint64>(entry.value("at"_L1).toDouble());
            record(index, outcome, entry.value("t"_L1).toString(), false);
        }
    }
    // A message whose bytes went out before the crash may have arrived:
    // never sent again without the user asking.
    for (const int index : contents.dataStarted) {
        if (index < m_recipients.size() && m_recipients.at(index).outcome == Outcome::None)
            record(index, Outcome::Unknown,
                   text("interrupted", u"interrupted while it was being sent"_s));
    }
    QList<int> pending;
    for (int i = 0; i < m_recipients.size(); ++i) {
        if (m_recipients.at(i).outcome == Outcome::None)
            pending.append(i);
    }
    emit countersChanged();
    createTransport();
    if (pending.isEmpty()) {
        setState(Delivering);
        finish(false);
        return true;
    }
    startWith(pending);
    return true;
}

void SendingRun::discardInterrupted()
{
    if (busy())
        return;
    // Moved aside at once, so that a run started next writes its own
    // journal; the history keeps who was mailed, so that sending the same
    // message again can leave them out.
    const QString discarded = m_journalPath + u".discarded"_s;
    QFile::remove(discarded);
    if (!QFile::rename(m_journalPath, discarded)) {
        QFile::remove(m_journalPath);
        return;
    }
    QThread *writer = QThread::create([discarded, folder = historyPath()] {
        const RunJournal::Contents contents = RunJournal::read(discarded);
        if (contents.valid) {
            const QList<RunHistory::Row> rows = rowsOf(contents);
            RunHistory::write(folder,
                              RunHistory::header(identityOf(contents.header), u"discarded"_s, rows),
                              rows);
        }
        QFile::remove(discarded);
    });
    watchHistoryWriter(writer);
}

void SendingRun::shutdown(int waitMs)
{
    m_timer.stop();
    m_resumeTimer.stop();
    m_stopGrace.stop();
    QElapsedTimer clock;
    clock.start();
    abortDeliveries();
    if (m_job)
        m_job->waitForWorker(waitMs);
    // The worker may already have gone on to the queued message.
    if (m_next)
        m_next->waitForWorker(std::max<int>(0, waitMs - static_cast<int>(clock.elapsed())));
    if (m_journal) {
        // Quitting after Stop: the next start offers the run as stopped, not
        // as cut short, and the history has it already.
        if (m_state == Stopping) {
            m_journal->append(RunJournal::stoppedRecord(true));
            saveHistory(u"stopped"_s, true);
        }
        m_journal->close();
    }
}
