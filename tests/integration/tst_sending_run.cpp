#include "LoopbackServers.h"
#include "contacts/ContactBook.h"
#include "mail/SmtpTransport.h"
#include "run/AccountLimits.h"
#include "run/MessageSizeCheck.h"
#include "run/RunClock.h"
#include "run/RunHistory.h"
#include "run/SendingRun.h"
#include "suppression/SuppressionList.h"

#include <QBuffer>
#include <QDeadlineTimer>
#include <QDir>
#include <QImage>
#include <QJSEngine>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

using namespace Qt::Literals::StringLiterals;

// The sending run against the fault-injecting SMTP server: every recipient
// counted once by its final outcome, counters equal to what the server
// received, retries, pauses, Stop, connection reuse and the crash journal.
class TestSendingRun : public QObject
{
    Q_OBJECT

private slots:
    // Every case runs paced, and unpaced, where the next message is queued
    // behind the one in flight.
    void initTestCase_data();
    void initTestCase();
    void cleanupTestCase();

    void everyOutcomeCountedOnce();
    void listOrderAndEachMessageItsOwn();
    void preparedFromTheBookThenSentAgainLeavesOutTheReached();
    void suppressedAreNeverContactedAndHardBouncesJoinThem();
    void oneConnectionAndLoginForTheRun();
    void webImagesDoNotHoldTheRun();
    void pacingDroppedMidRunGoesOn();
    void serverLimitOfTenMinutesFailsNobody();
    void accountLimitSpreadsTheRunOverDays();
    void limitedProgramGoesOnByItselfAfterARestart();
    void sharedRunSpreadsItsRecipientsOverTheAccounts();
    void unreachableServerPausesThenGoesOn();
    void refusedLoginAsksForThePasswordOnce();
    void refusedMessageStopsAfterTheFirst();
    void stopAbandonsADeliveryThatHangs();
    void stopAwaitsTheVerdictOfAMessageSentWhole();
    void silentServerPausesWithinItsLimit();
    void everyPhaseEndsWithinItsLimit();
    void guardsRefuseASecondRun();
    void stopBeforeTheJournalIsWrittenSendsNothing();
    void stoppedRunContinuesAndEveryRunIsKept();
    void retryFailedSendsOnlyTheFailedOnes();
    void killedRunResumesWithoutDuplicates();
    void killedProgramResumesThroughItsDialog();
    void killedListResumesAtItsTask();
    void stoppedProgramOffersItsRunAsStopped();

private:
    QVariantMap params(const QString &listener) const;
    static QVariantList recipients(const QStringList &addresses);
    // A run with short limits, so that the failure cases are quick.
    void configure(SendingRun &run, const QString &journal) const;
    int received(const QString &listener, const QString &address) const;
    QJsonObject loopbackAccount() const;
    // Runs startFile in a program of its own, kills it (SIGKILL) once killWhen
    // holds (without killWhen, lets it quit), then runs resumeFile on the same
    // store; its output, or what failed.
    QString killThenResume(const QString &startFile, const QString &resumeFile,
                           const QJsonObject &config, const std::function<bool()> &killWhen);

    QTemporaryDir m_work;
    LoopbackServers m_servers;
    int m_serial = 0;
    QString unique(const QString &prefix)
    {
        // The server remembers greylisted addresses: each case its own.
        return prefix + QString::number(++m_serial) + u"@run.test"_s;
    }
};

void TestSendingRun::initTestCase_data()
{
    QTest::addColumn<int>("interval");
    QTest::newRow("paced") << 20;
    QTest::newRow("unpaced") << 0;
}

void TestSendingRun::initTestCase()
{
    QVERIFY(m_work.isValid());
    QDir().mkpath(m_work.path() + u"/servers"_s);
    const QString trouble = m_servers.start(m_work.path() + u"/servers"_s);
    QVERIFY2(trouble.isEmpty(), qPrintable(trouble));
}

void TestSendingRun::cleanupTestCase()
{
    m_servers.stop();
}

QVariantMap TestSendingRun::params(const QString &listener) const
{
    return {{u"host"_s, u"127.0.0.1"_s},
            {u"port"_s, m_servers.port(listener)},
            {u"connection"_s, u"Auto"_s},
            {u"address"_s, m_servers.info.value("user"_L1).toString()},
            {u"password"_s, m_servers.info.value("password"_L1).toString()},
            {u"senderName"_s, u"Run test"_s},
            {u"subject"_s, u"Hello {{firstname}}"_s},
            {u"content"_s, u"Dear {{firstname}}"_s},
            {u"html"_s, QString()},
            {u"localUrls"_s, QStringList()},
            {u"attachments"_s, QStringList()},
            {u"messageId"_s, u"abcdefghij"_s}};
}

QVariantList TestSendingRun::recipients(const QStringList &addresses)
{
    QVariantList list;
    for (const QString &address : addresses)
        list.append(
                QVariantMap{{u"email"_s, address}, {u"firstname"_s, address.section(u'@', 0, 0)}});
    return list;
}

void TestSendingRun::configure(SendingRun &run, const QString &journal) const
{
    QFETCH_GLOBAL(int, interval);
    run.setJournalPath(m_work.path() + u"/"_s + journal);
    run.setInterval(interval);
    run.setProperty("idleTimeoutMs", 3000);
    run.setProperty("connectTimeoutMs", 2000);
    run.setProperty("stopGraceMs", 3000);
    run.setProperty("serverPausesMs", QVariantList{300});
    run.setProperty("retryDelaysMs", QVariantList{200, 400});
}

int TestSendingRun::received(const QString &listener, const QString &address) const
{
    return m_servers.stats(listener).value("received"_L1).toObject().value(address).toInt();
}

void TestSendingRun::everyOutcomeCountedOnce()
{
    const QString ok1 = unique(u"ok"_s), ok2 = unique(u"ok"_s), refused = unique(u"rcpt550x"_s),
                  drops = unique(u"droprcpt"_s), temporary = unique(u"rcpt451x"_s),
                  grey = unique(u"grey"_s), closes = unique(u"closeafter"_s),
                  hangs = unique(u"hang"_s), slow = unique(u"slow"_s),
                  invalid = u"two..dots@run..test"_s;
    const QStringList all{ok1, refused, invalid, drops, temporary, grey, closes, hangs, slow, ok2};
    SendingRun run;
    configure(run, u"outcomes.journal"_s);
    // None of these is the server's: the run never waits for the server.
    QStringList pauses;
    connect(&run, &SendingRun::stateChanged, this, [&] {
        if (!run.pauseReason().isEmpty())
            pauses.append(run.pauseReason());
    });
    QSignalSpy done(&run, &SendingRun::recipientDone);
    QSignalSpy ended(&run, &SendingRun::ended);
    QVERIFY(run.start(params(u"faulty"_s), recipients(all)));
    QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 1, 60000);
    QCOMPARE(ended.first().first().toBool(), false);
    QCOMPARE(run.state(), SendingRun::Finished);

    // Each recipient reported once, by its final outcome.
    QHash<QString, QString> outcome;
    for (const QList<QVariant> &signal : done) {
        QVERIFY2(!outcome.contains(signal.at(1).toString()), qPrintable(signal.at(1).toString()));
        outcome.insert(signal.at(1).toString(), signal.at(2).toString());
    }
    QCOMPARE(outcome.size(), all.size());
    QCOMPARE(outcome.value(ok1), u"sent"_s);
    QCOMPARE(outcome.value(ok2), u"sent"_s);
    QCOMPARE(outcome.value(grey), u"sent"_s); // passed on its second try
    QCOMPARE(outcome.value(slow), u"sent"_s);
    QCOMPARE(outcome.value(refused), u"failed"_s);
    QCOMPARE(outcome.value(drops), u"failed"_s);     // three tries, then final
    QCOMPARE(outcome.value(temporary), u"failed"_s); // three tries, then final
    QCOMPARE(outcome.value(invalid), u"invalid"_s);
    QCOMPARE(outcome.value(closes), u"unknown"_s);
    QCOMPARE(outcome.value(hangs), u"unknown"_s);
    QCOMPARE(run.sent(), 4);
    QCOMPARE(run.failed(), 6);
    QCOMPARE(run.unknown(), 2);
    QCOMPARE(run.total(), all.size());

    // What the server received matches: once each, none for those refused early.
    for (const QString &address : {ok1, ok2, grey, slow, closes, hangs})
        QCOMPARE(received(u"faulty"_s, address), 1);
    for (const QString &address : {refused, temporary, invalid, drops})
        QCOMPARE(received(u"faulty"_s, address), 0);
    QVERIFY2(!pauses.contains(u"server"_s) && !pauses.contains(u"unreachable"_s),
             qPrintable(pauses.join(u' ')));

    const QString log = run.logText();
    QVERIFY(log.contains(ok1 + u": Email sent\n\n"_s));
    QVERIFY(log.contains(invalid + u": Invalid email\n\n"_s));
    // Each refusal said by its class, the server's words after it.
    QVERIFY(log.contains(refused
                         + u": The server 127.0.0.1 says this address does not exist. (550 5.1.1 "
                           "User unknown)\n"_s));
    // The dropped connection is said as what it is, the server's words after it.
    QCOMPARE(log.count(drops + u": The server 127.0.0.1, port "_s), 3);
    QVERIFY2(!log.contains(u"asked to wait"_s), qPrintable(log));
    // Every attempt is in the log: two retried, the third final.
    const QString forNow = u": The server 127.0.0.1 refused this recipient for now. (451 "_s;
    QCOMPARE(log.count(
                     temporary + forNow
                     + u"4.3.0 Temporary failure, try again later) (will be tried again later)\n"_s),
             2);
    QCOMPARE(log.count(temporary + forNow + u"4.3.0 Temporary failure, try again later)\n"_s), 1);
    QVERIFY(log.contains(grey + forNow
                         + u"4.7.1 Greylisted, try again later) (will be tried again later)\n"_s));
    QVERIFY(log.contains(closes + u": No reply after the whole message was sent"_s));
    QVERIFY(log.contains(hangs + u": No reply after the whole message was sent"_s));
    QVERIFY2(!QFile::exists(run.journalPath()), "a finished run leaves no journal");

    // The failed ones by kind; copying leaves out those that may have arrived.
    QCOMPARE(run.failedAddresses({u"nonexistent"_s}), QStringList{refused});
    QCOMPARE(run.failedAddresses({u"unknown"_s}), (QStringList{closes, hangs}));
    QCOMPARE(run.failedAddresses({u"invalid"_s}), QStringList{invalid});
    QCOMPARE(run.failedAddresses({u"refused"_s}), (QStringList{drops, temporary}));
    QCOMPARE(run.failedAddresses(), (QStringList{refused, invalid, drops, temporary}));
    QCOMPARE(run.failedCount(u"unknown"_s), 2);

    // "Retry failed" as offered: the address that does not exist is not
    // mailed again, nor is a message that may have arrived.
    QVERIFY(run.retryFailed());
    QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 2, 30000);
    QCOMPARE(received(u"faulty"_s, refused), 0);
    QCOMPARE(received(u"faulty"_s, closes), 1);
    QCOMPARE(received(u"faulty"_s, ok1), 1);
    QCOMPARE(run.failedAddresses({u"nonexistent"_s}), QStringList{refused});
    QCOMPARE(run.sent(), 4);
    QCOMPARE(run.failed(), 6);
}

void TestSendingRun::listOrderAndEachMessageItsOwn()
{
    // Unpaced, a message waits behind the one in flight and is composed
    // meanwhile: a refusal or an invalid address in between must not change
    // the order, nor give anyone a message meant for somebody else.
    const QString ok1 = unique(u"order"_s), refused = unique(u"rcpt550x"_s),
                  ok2 = unique(u"order"_s), invalid = u"no-at-sign.run.test"_s,
                  ok3 = unique(u"order"_s), temporary = unique(u"rcpt451x"_s),
                  ok4 = unique(u"order"_s);
    const QStringList all{ok1, refused, ok2, invalid, ok3, temporary, ok4};
    SendingRun run;
    configure(run, u"order.journal"_s);
    QSignalSpy done(&run, &SendingRun::recipientDone);
    QSignalSpy ended(&run, &SendingRun::ended);
    QVERIFY(run.start(params(u"faulty"_s), recipients(all)));
    QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 1, 30000);
    QStringList order;
    for (const QList<QVariant> &signal : done)
        order << signal.at(1).toString() + u" "_s + signal.at(2).toString();
    QCOMPARE(order, (QStringList{ok1 + u" sent"_s, refused + u" failed"_s, ok2 + u" sent"_s,
                                 invalid + u" invalid"_s, ok3 + u" sent"_s, ok4 + u" sent"_s,
                                 temporary + u" failed"_s}));

    // Each accepted message went to its own recipient, with its own greeting.
    QHash<QString, QByteArray> messageTo;
    QDir inbox(m_servers.info.value("inbox"_L1).toString());
    for (const QString &name : inbox.entryList({u"*.json"_s})) {
        QFile meta(inbox.filePath(name));
        QVERIFY(meta.open(QIODevice::ReadOnly));
        const QJsonArray to = QJsonDocument::fromJson(meta.readAll())["rcpt_tos"_L1].toArray();
        QFile eml(inbox.filePath(name.chopped(5) + u".eml"_s));
        if (to.size() == 1 && all.contains(to.first().toString()) && eml.open(QIODevice::ReadOnly))
            messageTo.insert(to.first().toString(), eml.readAll());
    }
    for (const QString &address : {ok1, ok2, ok3, ok4}) {
        QCOMPARE(received(u"faulty"_s, address), 1);
        const QByteArray message = messageTo.value(address);
        QVERIFY2(message.contains("Dear " + address.section(u'@', 0, 0).toUtf8()),
                 qPrintable(address));
        QVERIFY2(message.contains("To: " + address.toUtf8()), qPrintable(address));
    }

    // Each message carries a Message-ID of its own that the history keeps,
    // so a bounce that comes back later names its run and recipient (the
    // reports' own reading of it is the mailbox suites' part).
    static const QRegularExpression idHeader(u"(?m)^Message-I[Dd]: <([0-9a-f]{32}@[^>]+)>"_s);
    QHash<QString, QString> idOf;
    for (const QString &address : {ok1, ok2, ok3, ok4}) {
        const QRegularExpressionMatch id = idHeader.match(
                QString::fromUtf8(messageTo.value(address)));
        QVERIFY2(id.hasMatch(), qPrintable(address));
        idOf.insert(address, id.captured(1));
    }
    QCOMPARE(QSet<QString>(idOf.cbegin(), idOf.cend()).size(), 4);
    QTRY_VERIFY_WITH_TIMEOUT(!RunHistory::findMessages(run.historyPath(), {idOf.value(ok1)})
                                      .isEmpty(),
                             5000);
    QSet<QString> wanted(idOf.cbegin(), idOf.cend());
    wanted.insert(u"0123@elsewhere.example"_s);
    const QHash<QString, RunHistory::Sent> sent = RunHistory::findMessages(run.historyPath(),
                                                                           wanted);
    QCOMPARE(sent.size(), 4);
    const QString runId = sent.value(idOf.value(ok1)).runId;
    QVERIFY(QFileInfo::exists(run.historyPath() + u'/' + runId + u".run"_s));
    for (const QString &address : {ok1, ok2, ok3, ok4}) {
        QCOMPARE(sent.value(idOf.value(address)).address, address);
        QCOMPARE(sent.value(idOf.value(address)).runId, runId);
    }
}

// As Send does it: the run gathers the list members and the typed
// addresses itself, sums them up, and sends once per address when asked.
// Sending the same message again leaves out everyone it reached.
void TestSendingRun::preparedFromTheBookThenSentAgainLeavesOutTheReached()
{
    QFETCH_GLOBAL(int, interval);
    const QString ann = unique(u"book"_s), bob = unique(u"book"_s), cy = unique(u"book"_s),
                  ada = unique(u"typed"_s);
    QJSEngine engine;
    ContactBook book;
    engine.newQObject(&book);
    QJSEngine::setObjectOwnership(&book, QJSEngine::CppOwnership);
    const auto member = [](const QString &email, const QString &list, const QString &name) {
        return QVariantMap{{u"email"_s, email}, {u"list"_s, list}, {u"firstname"_s, name}};
    };
    QVERIFY(book.setRecords(engine.toScriptValue(
            QVariantList{member(ann, u"Friends"_s, u"Ann"_s), member(bob, u"Clients"_s, u"Bob"_s),
                         member(cy, u"Others"_s, u"Cy"_s),
                         member(ann.toUpper(), u"Clients"_s, u"Ann"_s)})));

    SendingRun run;
    configure(run, u"prepared-"_s + QString::number(interval) + u"/run.journal"_s);
    QSignalSpy prepared(&run, &SendingRun::prepared);
    QSignalSpy ended(&run, &SendingRun::ended);
    const QString typed = u"Ada <"_s + ada + u">; "_s + bob + u"; nobody@localhost"_s;
    const QStringList lists{u"Friends"_s, u"Clients"_s};
    QVERIFY(run.prepare(params(u"faulty"_s), &book, lists, typed));
    QTRY_COMPARE_WITH_TIMEOUT(prepared.size(), 1, 5000);
    QVariantMap summary = prepared.takeFirst().at(0).toMap();
    QCOMPARE(summary.value(u"total"_s).toInt(), 6);
    QCOMPARE(summary.value(u"duplicates"_s).toInt(), 2);
    QCOMPARE(summary.value(u"invalidAddresses"_s).toStringList(),
             QStringList{u"nobody@localhost"_s});
    QCOMPARE(summary.value(u"received"_s).toInt(), 0);
    // Stop pressed while the confirmed run is still being set up: nobody is
    // mailed, and going on mails each chosen address once.
    QVERIFY(run.confirm(true, false));
    QVERIFY(!run.confirm(true, false));
    run.stop();
    QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 1, 20000);
    QCOMPARE(ended.takeFirst().at(0).toBool(), true);
    QCOMPARE(run.sent() + run.failed(), 0);
    QCOMPARE(run.total(), 4);
    QCOMPARE(received(u"faulty"_s, ann), 0);
    QVERIFY(run.continueRun());
    QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 1, 20000);
    QCOMPARE(run.total(), 4);
    QCOMPARE(run.sent(), 3);
    QCOMPARE(run.failed(), 1);
    for (const QString &address : {ann, bob, ada})
        QCOMPARE(received(u"faulty"_s, address), 1);
    QCOMPARE(received(u"faulty"_s, cy), 0);
    QTRY_VERIFY_WITH_TIMEOUT(QDir(run.historyPath()).entryList(QDir::Files).size() == 1, 5000);

    // Send again: everyone reached is left out, so nobody is left but the
    // invalid address; asked for, they are all sent to again.
    QVERIFY(run.prepare(params(u"faulty"_s), &book, lists, typed));
    QTRY_COMPARE_WITH_TIMEOUT(prepared.size(), 1, 5000);
    summary = prepared.takeFirst().at(0).toMap();
    QCOMPARE(summary.value(u"received"_s).toInt(), 5);
    QVERIFY(run.confirm(false, false));
    QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 2, 20000);
    QCOMPARE(run.total(), 1);
    QCOMPARE(run.failed(), 1);
    QCOMPARE(received(u"faulty"_s, ann), 1);
    QVERIFY(run.prepare(params(u"faulty"_s), &book, lists, typed));
    QTRY_COMPARE_WITH_TIMEOUT(prepared.size(), 1, 5000);
    QVERIFY(run.confirm(true, true));
    QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 3, 20000);
    QCOMPARE(received(u"faulty"_s, ann), 2);
    QCOMPARE(received(u"faulty"_s, ada), 2);
}

// The user's path: an address unsubscribed, a run of typed recipients with
// two that do not exist and one the server refuses by policy; the summary
// counts the listed one apart, the run skips it, and the two that bounced
// for good join the list; the next run, and the next start of the program,
// contact none of the three.
void TestSendingRun::suppressedAreNeverContactedAndHardBouncesJoinThem()
{
    QFETCH_GLOBAL(int, interval);
    const QString ok = unique(u"ok"_s), listed = unique(u"gone"_s), unknown = unique(u"rcpt550s"_s),
                  disabled = unique(u"rcpt521s"_s), policy = unique(u"rcpt571s"_s);
    const QString listPath = m_work.path() + u"/suppression-"_s + QString::number(interval)
                             + u".tsv"_s;
    auto list = std::make_unique<SuppressionList>();
    list->setPath(listPath);
    QTRY_VERIFY(list->loaded());
    QVERIFY(list->add(listed, u"unsubscribed"_s, u"Spring news"_s));

    SendingRun run;
    configure(run, u"suppressed-"_s + QString::number(interval) + u"/run.journal"_s);
    run.setSuppression(list.get());
    QSignalSpy prepared(&run, &SendingRun::prepared);
    QSignalSpy ended(&run, &SendingRun::ended);
    QSignalSpy done(&run, &SendingRun::recipientDone);
    const QString typed = ok + u"; "_s + listed.toUpper() + u"; "_s + unknown + u"; "_s + disabled
                          + u"; "_s + policy;
    QVERIFY(run.prepare(params(u"faulty"_s), nullptr, {}, typed));
    QTRY_COMPARE_WITH_TIMEOUT(prepared.size(), 1, 5000);
    QCOMPARE(prepared.takeFirst().at(0).toMap().value(u"suppressed"_s).toInt(), 1);
    const int mailsBefore = m_servers.stats(u"faulty"_s).value("mails"_L1).toInt();
    QVERIFY(run.confirm(false, false));
    QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 1, 20000);
    QHash<QString, QString> outcome;
    for (const QList<QVariant> &signal : std::as_const(done))
        outcome.insert(signal.at(1).toString(), signal.at(2).toString());
    QCOMPARE(outcome.value(listed.toUpper()), u"suppressed"_s);
    QCOMPARE(outcome.value(unknown), u"failed"_s);
    QCOMPARE(outcome.value(policy), u"failed"_s);
    QCOMPARE(run.sent(), 1);
    QCOMPARE(run.failed(), 3);
    QCOMPARE(run.suppressed(), 1);
    QVERIFY(run.logText().contains(listed.toUpper()
                                   + u": Not sent: this address is on the suppression list.\n"_s));
    // Four transactions: the listed address never reached the server.
    QCOMPARE(m_servers.stats(u"faulty"_s).value("mails"_L1).toInt() - mailsBefore, 4);
    QCOMPARE(list->find(unknown).value(u"reason"_s).toString(), u"bounced"_s);
    QVERIFY(list->find(unknown).value(u"detail"_s).toString().startsWith(u"550 5.1.1"_s));
    QCOMPARE(list->find(disabled).value(u"reason"_s).toString(), u"bounced"_s);
    QVERIFY2(!list->contains(policy), "a policy refusal says nothing of the address");
    // Retrying every refusal, when asked, skips the two now listed.
    QVERIFY(run.retryFailed({u"nonexistent"_s, u"refused"_s}));
    QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 2, 20000);
    QCOMPARE(run.suppressed(), 3);
    QCOMPARE(m_servers.stats(u"faulty"_s).value("mails"_L1).toInt() - mailsBefore, 5);

    // Quit, then start: the list is read back from its private file, and
    // the next run reaches only the two it may.
    list.reset();
    QCOMPARE(QFileInfo(listPath).permissions() & 0x0077, QFileDevice::Permissions());
    list = std::make_unique<SuppressionList>();
    list->setPath(listPath);
    QTRY_VERIFY(list->loaded());
    QCOMPARE(list->count(), 3);
    QCOMPARE(list->find(listed).value(u"detail"_s).toString(), u"Spring news"_s);
    run.setSuppression(list.get());
    run.setProperty("suppressBounces", false);
    const QString another = unique(u"rcpt550t"_s);
    QVERIFY(run.prepare(params(u"faulty"_s), nullptr, {}, typed + u"; "_s + another));
    QTRY_COMPARE_WITH_TIMEOUT(prepared.size(), 1, 5000);
    QCOMPARE(prepared.takeFirst().at(0).toMap().value(u"suppressed"_s).toInt(), 3);
    QVERIFY(run.confirm(false, true));
    QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 3, 20000);
    QCOMPARE(run.suppressed(), 3);
    QCOMPARE(m_servers.stats(u"faulty"_s).value("mails"_L1).toInt() - mailsBefore, 8);
    QCOMPARE(received(u"faulty"_s, ok), 2);
    QVERIFY2(!list->contains(another), "the setting keeps bounces off the list");
}

void TestSendingRun::webImagesDoNotHoldTheRun()
{
    // Composing waits for each web image of the template; that wait must
    // not let a queued delivery run ahead of the one before it.
    QByteArray png;
    {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        QImage image(4, 4, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        image.save(&buffer, "PNG");
    }
    QTcpServer web;
    QVERIFY(web.listen(QHostAddress::LocalHost));
    connect(&web, &QTcpServer::newConnection, &web, [&web, png] {
        while (QTcpSocket *socket = web.nextPendingConnection()) {
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            // A slow image server: the answer comes a moment later.
            QTimer::singleShot(300, socket, [socket, png] {
                socket->write("HTTP/1.1 200 OK\r\nContent-Type: image/png\r\nConnection: "
                              "close\r\nContent-Length: "
                              + QByteArray::number(png.size()) + "\r\n\r\n" + png);
                socket->disconnectFromHost();
            });
        }
    });
    QTemporaryDir folder;
    const QString image = u"http://127.0.0.1:%1/picture.png"_s.arg(web.serverPort());
    QFile html(folder.filePath(u"letter.html"_s));
    QVERIFY(html.open(QIODevice::WriteOnly));
    html.write(
            (u"<html><body><p>Dear {{firstname}}</p><img src=\""_s + image + u"\"></body></html>"_s)
                    .toUtf8());
    html.close();
    QVariantMap withImage = params(u"faulty"_s);
    withImage.insert(u"html"_s, html.fileName());
    withImage.insert(u"localUrls"_s, QStringList{image});

    const QStringList all{unique(u"web"_s), unique(u"web"_s), unique(u"web"_s)};
    SendingRun run;
    configure(run, u"web.journal"_s);
    QSignalSpy ended(&run, &SendingRun::ended);
    QVERIFY(run.start(withImage, recipients(all)));
    QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 1, 20000);
    QCOMPARE(run.state(), SendingRun::Finished);
    QCOMPARE(run.sent(), all.size());
    for (const QString &address : all)
        QCOMPARE(received(u"faulty"_s, address), 1);
}

void TestSendingRun::pacingDroppedMidRunGoesOn()
{
    // A minute between messages, then no pacing while the run waits for
    // its next tick: the rest go without waiting for a tick that never comes.
    const QStringList all{unique(u"ok"_s), unique(u"ok"_s), unique(u"ok"_s)};
    SendingRun run;
    configure(run, u"repaced.journal"_s);
    run.setInterval(60000);
    QSignalSpy done(&run, &SendingRun::recipientDone);
    QSignalSpy ended(&run, &SendingRun::ended);
    QVERIFY(run.start(params(u"faulty"_s), recipients(all)));
    QTRY_COMPARE_WITH_TIMEOUT(done.size(), 1, 10000);
    QTRY_VERIFY(!run.inFlight());
    run.setInterval(0);
    QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 1, 20000);
    QCOMPARE(run.sent(), all.size());
}

void TestSendingRun::oneConnectionAndLoginForTheRun()
{
    const QJsonObject before = m_servers.stats(u"faulty"_s);
    QStringList all;
    for (int i = 0; i < 10; ++i)
        all.append(unique(u"reuse"_s));
    SendingRun run;
    configure(run, u"reuse.journal"_s);
    run.setProperty("messagesPerConnection", 4);
    QSignalSpy ended(&run, &SendingRun::ended);
    QVERIFY(run.start(params(u"faulty"_s), recipients(all)));
    QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 1, 20000);
    QCOMPARE(run.sent(), 10);
    const QJsonObject after = m_servers.stats(u"faulty"_s);
    // Four messages a connection: three connections, each with one login.
    QCOMPARE(after.value("connections"_L1).toInt() - before.value("connections"_L1).toInt(), 3);
    QCOMPARE(after.value("logins"_L1).toInt() - before.value("logins"_L1).toInt(), 3);
    QCOMPARE(after.value("messages"_L1).toInt() - before.value("messages"_L1).toInt(), 10);
    QCOMPARE(run.connections(), 3);
    QCOMPARE(run.logins(), 3);
}

void TestSendingRun::serverLimitOfTenMinutesFailsNobody()
{
    // The listener answers 421 for two seconds after every three messages:
    // with the waits shortened 300 times (1, 2, 5, 10 minutes), a limit of
    // ten minutes. Only two retries are allowed, so waits that used up
    // recipients' attempts would fail some.
    QStringList all;
    for (int i = 0; i < 8; ++i)
        all.append(unique(u"limited"_s));
    SendingRun run;
    configure(run, u"limit.journal"_s);
    run.setProperty("serverPausesMs", QVariantList{200, 400, 1000, 2000});
    QList<qint64> waits;
    bool sawServerPause = false;
    connect(&run, &SendingRun::stateChanged, this, [&] {
        if (run.state() == SendingRun::Paused && run.pauseReason() == "server"_L1) {
            sawServerPause = sawServerPause || run.pausedByServer();
            const qint64 wait = run.resumesAt() - QDateTime::currentMSecsSinceEpoch();
            if (waits.isEmpty() || waits.last() != wait)
                waits.append(wait);
        }
    });
    QSignalSpy ended(&run, &SendingRun::ended);
    QVERIFY(run.start(params(u"faulty_limit"_s), recipients(all)));
    QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 1, 40000);
    QCOMPARE(run.sent(), 8);
    QCOMPARE(run.failed(), 0);
    QVERIFY(sawServerPause);
    for (const QString &address : all)
        QCOMPARE(received(u"faulty_limit"_s, address), 1);
    QVERIFY(run.logText().contains(u"421 4.7.0 Sending limit reached"_s));
    // The waits grew while the server kept refusing: more than two in a row.
    QVERIFY2(waits.size() >= 3 && *std::max_element(waits.cbegin(), waits.cend()) > 900,
             qPrintable(QString::number(waits.size())));

    // Stop during such a wait ends the run at once; nobody is failed for it.
    QStringList more;
    for (int i = 0; i < 6; ++i)
        more.append(unique(u"limited"_s));
    run.setProperty("serverPausesMs", QVariantList{60000});
    QVERIFY(run.start(params(u"faulty_limit"_s), recipients(more)));
    QTRY_COMPARE_WITH_TIMEOUT(run.pauseReason(), u"server"_s, 15000);
    run.stop();
    QCOMPARE(run.state(), SendingRun::Stopped);
    QCOMPARE(run.failed(), 0);
    QVERIFY(run.sent() < more.size());
    int receivedCount = 0;
    for (const QString &address : more)
        receivedCount += received(u"faulty_limit"_s, address);
    QCOMPARE(receivedCount, run.sent());
}

void TestSendingRun::accountLimitSpreadsTheRunOverDays()
{
    // Thirty recipients through an account allowed ten a day: ten go, the
    // run waits a day (the clock is moved on, not waited for), ten more, and
    // the last ten once the user raises the limit. Nobody is mailed twice,
    // nobody is left out.
    QFETCH_GLOBAL(int, interval);
    const QString folder = m_work.path() + u"/limits-"_s + QString::number(interval);
    QVERIFY(QDir().mkpath(folder));
    const auto resetClock = qScopeGuard([] { RunClock::instance()->setOffsetMs(0); });
    QStringList all;
    for (int i = 0; i < 30; ++i)
        all.append(unique(u"daily"_s));
    const QVariantMap given = params(u"faulty"_s);
    const QString account = given.value(u"address"_s).toString();
    const QVariantMap caps{{account, QVariantMap{{u"day"_s, 10}}}};
    auto received = [&] {
        int count = 0;
        for (const QString &address : all)
            count += this->received(u"faulty"_s, address);
        return count;
    };

    AccountLimits limits;
    limits.setProperty("journalPath", folder + u"/run.journal"_s);
    limits.setHistoryPath(folder + u"/runs"_s);
    limits.setLimits(caps);
    QTRY_VERIFY(limits.ready());
    // Ten now, ten a day later, ten two days later, one a second each day.
    QCOMPARE(limits.estimateMs({account}, 30, 1000), 2 * AccountLimits::dayMs + 9000.0);
    SendingRun run;
    configure(run, u"limits-"_s + QString::number(interval) + u"/run.journal"_s);
    run.setProperty("accountLimits", QVariant::fromValue(&limits));
    QVERIFY(run.start(given, recipients(all)));
    QTRY_COMPARE_WITH_TIMEOUT(run.pauseReason(), u"limit"_s, 10000);
    QCOMPARE(run.sent(), 10);
    QCOMPARE(limits.usage(account).value(u"day"_s).toInt(), 10);
    QVERIFY(qAbs(run.resumesAt() - (RunClock::now() + AccountLimits::dayMs)) < 10000);
    QVERIFY(run.logText().contains(u"The account's limit of 10 a day is reached"_s));
    QTest::qWait(300);
    QCOMPARE(received(), 10);

    RunClock::instance()->advance(AccountLimits::dayMs);
    QTRY_COMPARE_WITH_TIMEOUT(run.sent(), 20, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(run.pauseReason(), u"limit"_s, 10000);
    QCOMPARE(received(), 20);

    // The user raises the limit while the run waits: it goes on at once.
    QSignalSpy ended(&run, &SendingRun::ended);
    limits.setLimits({{account, QVariantMap{{u"day"_s, 30}}}});
    QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 1, 10000);
    QCOMPARE(run.sent(), 30);
    for (const QString &address : all)
        QCOMPARE(this->received(u"faulty"_s, address), 1);
}

void TestSendingRun::limitedProgramGoesOnByItselfAfterARestart()
{
    QFETCH_GLOBAL(int, interval);
    if (interval == 0)
        QSKIP("The program always paces its runs: the paced row covers it.");
    QStringList all;
    for (int i = 0; i < 6; ++i)
        all.append(unique(u"capped"_s));
    const QString output = killThenResume(u"LimitRun.qml"_s, u"LimitResume.qml"_s,
                                          {{u"account"_s, loopbackAccount()},
                                           {u"recipients"_s, QJsonArray::fromStringList(all)}},
                                          {});
    const QRegularExpressionMatch outcome = QRegularExpression(u"continued run: (\\{[^}]*\\})"_s)
                                                    .match(output);
    QVERIFY2(outcome.hasMatch(), qPrintable(output));
    const QJsonObject counters = QJsonDocument::fromJson(outcome.captured(1).toUtf8()).object();
    QCOMPARE(counters.value(u"sent"_s).toInt(), all.size());
    for (const QString &address : all)
        QVERIFY2(received(u"faulty"_s, address) == 1, qPrintable(address));
}

void TestSendingRun::sharedRunSpreadsItsRecipientsOverTheAccounts()
{
    // Thirty recipients shared by two accounts on two servers, the first
    // allowed twelve a day: it sends twelve, the second the eighteen others,
    // and each server receives only its own. Then in turns, with the first
    // account's password refused: the second finishes the run alone; then
    // with the first account's server asking to wait.
    QFETCH_GLOBAL(int, interval);
    const QString folder = u"shared-"_s + QString::number(interval);
    QVERIFY(QDir().mkpath(m_work.path() + u'/' + folder));
    QVariantMap given = params(u"faulty"_s);
    const QString own = given.value(u"address"_s).toString();
    const QString other = u"other."_s + own;
    given.insert(u"accounts"_s,
                 QVariantList{QVariantMap{{u"host"_s, u"127.0.0.1"_s},
                                          {u"port"_s, m_servers.port(u"faulty_away"_s)},
                                          {u"connection"_s, u"Auto"_s},
                                          {u"address"_s, other},
                                          {u"password"_s, given.value(u"password"_s)}}});
    AccountLimits limits;
    limits.setHistoryPath(m_work.path() + u'/' + folder + u"/runs"_s);
    limits.setLimits({{own, QVariantMap{{u"day"_s, 12}}}});
    QTRY_VERIFY(limits.ready());
    SendingRun run;
    configure(run, folder + u"/run.journal"_s);
    run.setProperty("accountLimits", QVariant::fromValue(&limits));
    QSignalSpy ended(&run, &SendingRun::ended);
    QSignalSpy written(&run, &SendingRun::historyWritten);
    QStringList all;
    for (int i = 0; i < 30; ++i)
        all.append(unique(u"shared"_s));
    QVERIFY(run.start(given, recipients(all)));
    QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 1, 20000);
    QCOMPARE(run.sent(), 30);
    int first = 0;
    for (const QString &address : all) {
        QCOMPARE(received(u"faulty"_s, address) + received(u"faulty_away"_s, address), 1);
        first += received(u"faulty"_s, address);
    }
    QCOMPARE(first, 12);
    QCOMPARE(limits.usage(own).value(u"day"_s).toInt(), 12);
    QCOMPARE(limits.usage(other).value(u"day"_s).toInt(), 18);
    // The log and the history name the account of each message.
    QVERIFY(run.logText().contains(all.last() + u" via "_s + other + u": Email sent"_s));
    QTRY_COMPARE_WITH_TIMEOUT(written.size(), 1, 5000);
    RunHistory history;
    history.setPath(run.historyPath());
    const QVariantList rows = history.outcomes(
            history.runs().value(0).toMap().value(u"id"_s).toString());
    QCOMPARE(rows.size(), 30);
    QCOMPARE(rows.first().toMap().value(u"account"_s).toString(), own);
    QCOMPARE(rows.last().toMap().value(u"account"_s).toString(), other);

    // In turns: one each.
    QStringList turns;
    for (int i = 0; i < 6; ++i)
        turns.append(unique(u"shared"_s));
    given.insert(u"spread"_s, u"turns"_s);
    limits.setLimits({});
    QVERIFY(run.start(given, recipients(turns)));
    QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 2, 20000);
    for (int i = 0; i < turns.size(); ++i)
        QCOMPARE(received(i % 2 == 0 ? u"faulty"_s : u"faulty_away"_s, turns.at(i)), 1);

    QStringList more;
    for (int i = 0; i < 10; ++i)
        more.append(unique(u"shared"_s));
    given.insert(u"password"_s, u"not the password"_s);
    QVERIFY(run.start(given, recipients(more)));
    QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 3, 20000);
    QCOMPARE(run.sent(), 10);
    QCOMPARE(run.failed(), 0);
    for (const QString &address : more) {
        QCOMPARE(received(u"faulty"_s, address), 0);
        QCOMPARE(received(u"faulty_away"_s, address), 1);
    }
    QVERIFY(run.logText().contains(u"(the other accounts go on)"_s));

    // The first account's server asks to wait after every three messages: the
    // second goes on meanwhile, and nobody is failed or mailed twice for it.
    QStringList held;
    for (int i = 0; i < 12; ++i)
        held.append(unique(u"shared"_s));
    given = params(u"faulty_limit"_s);
    given.insert(u"accounts"_s,
                 QVariantList{QVariantMap{{u"host"_s, u"127.0.0.1"_s},
                                          {u"port"_s, m_servers.port(u"faulty_away"_s)},
                                          {u"connection"_s, u"Auto"_s},
                                          {u"address"_s, other},
                                          {u"password"_s, given.value(u"password"_s)}}});
    run.setProperty("serverPausesMs", QVariantList{2500});
    QVERIFY(run.start(given, recipients(held)));
    QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 4, 30000);
    QCOMPARE(run.sent(), 12);
    QCOMPARE(run.failed(), 0);
    int viaFirst = 0;
    for (const QString &address : held) {
        QCOMPARE(received(u"faulty_limit"_s, address) + received(u"faulty_away"_s, address), 1);
        viaFirst += received(u"faulty_limit"_s, address);
    }
    QVERIFY2(viaFirst < 12, "the second account sent while the first was held");
    QVERIFY(run.logText().contains(u"421 4.7.0 Sending limit reached"_s));
}

void TestSendingRun::unreachableServerPausesThenGoesOn()
{
    // The message to "goaway" makes the listener refuse connections for two
    // seconds: the others wait with growing pauses instead of failing, with
    // no retries at all to spare.
    const QStringList all{unique(u"goaway"_s), unique(u"away"_s), unique(u"away"_s)};
    SendingRun run;
    configure(run, u"away.journal"_s);
    run.setProperty("retryDelaysMs", QVariantList{});
    run.setProperty("serverPausesMs", QVariantList{200, 400, 1000});
    QStringList pauses;
    connect(&run, &SendingRun::stateChanged, this, [&] {
        if (!run.pauseReason().isEmpty() && !run.pausedByServer())
            pauses.append(run.pauseReason());
        QVERIFY(!run.pausedByServer()); // the server asked nothing
    });
    QSignalSpy ended(&run, &SendingRun::ended);
    QVERIFY(run.start(params(u"faulty_away"_s), recipients(all)));
    QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 1, 20000);
    QCOMPARE(run.sent(), 3);
    QCOMPARE(run.failed(), 0);
    QVERIFY2(pauses.contains(u"unreachable"_s), qPrintable(pauses.join(u' ')));
    for (const QString &address : all)
        QCOMPARE(received(u"faulty_away"_s, address), 1);
    const QString log = run.logText();
    QVERIFY2(log.contains(u"Connection refused by 127.0.0.1:%1: check the server's name and port. "
                          u"(Couldn't "
                          "connect to server)"_s.arg(m_servers.port(u"faulty_away"_s))),
             qPrintable(log));
}

void TestSendingRun::refusedLoginAsksForThePasswordOnce()
{
    // The password was changed on the server: one refused login, then the
    // run waits for the new one and goes on with it.
    const QStringList all{unique(u"login"_s), unique(u"login"_s), unique(u"login"_s)};
    QVariantMap wrong = params(u"faulty"_s);
    wrong.insert(u"password"_s, u"the old password"_s);
    const int authsBefore = m_servers.stats(u"faulty"_s).value("auths"_L1).toInt();
    const int loginsBefore = m_servers.stats(u"faulty"_s).value("logins"_L1).toInt();
    SendingRun run;
    configure(run, u"login.journal"_s);
    QSignalSpy asked(&run, &SendingRun::passwordNeeded);
    QSignalSpy ended(&run, &SendingRun::ended);
    QVERIFY(run.start(wrong, recipients(all)));
    QTRY_COMPARE_WITH_TIMEOUT(asked.size(), 1, 10000);
    QVERIFY2(asked.first().first().toString().contains(u"refused the login"_s)
                     && asked.first().first().toString().contains(u"(535 5.7.8"_s),
             qPrintable(asked.first().first().toString()));
    QCOMPARE(run.state(), SendingRun::Paused);
    QCOMPARE(run.pauseReason(), u"login"_s);
    QVERIFY(!run.pausedByServer());
    QTest::qWait(1000); // nothing tries again meanwhile
    QCOMPARE(m_servers.stats(u"faulty"_s).value("auths"_L1).toInt() - authsBefore, 1);
    QCOMPARE(run.sent() + run.failed(), 0); // the first recipient has no outcome yet
    QVERIFY(!run.continueWithPassword(QString()));

    QVERIFY(run.continueWithPassword(m_servers.info.value("password"_L1).toString()));
    QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 1, 15000);
    QCOMPARE(run.sent(), all.size());
    QCOMPARE(run.failed(), 0);
    QCOMPARE(asked.size(), 1);
    const QJsonObject stats = m_servers.stats(u"faulty"_s);
    QCOMPARE(stats.value("auths"_L1).toInt() - authsBefore, 2);
    QCOMPARE(stats.value("logins"_L1).toInt() - loginsBefore, 1);
    for (const QString &address : all)
        QCOMPARE(received(u"faulty"_s, address), 1);
}

void TestSendingRun::refusedMessageStopsAfterTheFirst()
{
    // Refused at the end of the message: the first recipient's message was
    // read in full and refused; nobody else is tried.
    {
        const QStringList all{unique(u"data552x"_s), unique(u"after552x"_s), unique(u"after552x"_s)};
        SendingRun run;
        configure(run, u"refused552.journal"_s);
        QSignalSpy ended(&run, &SendingRun::ended);
        QVERIFY(run.start(params(u"faulty"_s), recipients(all)));
        QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 1, 10000);
        QCOMPARE(ended.first().first().toBool(), true);
        QCOMPARE(run.state(), SendingRun::Stopped);
        QVERIFY2(run.stopReason().contains(u"(552 5.3.4 Message size exceeds"_s),
                 qPrintable(run.stopReason()));
        QVERIFY(run.logText().contains(all.first() + u": "_s + run.stopReason()));
        // Nobody has an outcome: a later Continue sends to all of them.
        QCOMPARE(run.sent() + run.failed(), 0);
        QCOMPARE(received(u"faulty"_s, all.at(0)), 1);
        QCOMPARE(received(u"faulty"_s, all.at(1)), 0);
        QCOMPARE(received(u"faulty"_s, all.at(2)), 0);
    }

    // Too big for a server that announces its SIZE: the check before the
    // run says so, and the run meets one refusal, at MAIL, then stops.
    QVariantMap big = params(u"faulty_small"_s);
    big.insert(u"content"_s, QString(30000, u'x'));
    const QStringList all{unique(u"big"_s), unique(u"big"_s)};
    MessageSizeCheck check;
    QSignalSpy checked(&check, &MessageSizeCheck::finished);
    check.start(big, recipients(all).first().toMap());
    QVERIFY(check.running());
    QTRY_COMPARE_WITH_TIMEOUT(checked.size(), 1, 10000);
    QVariantMap sizes = checked.first().first().toMap();
    QCOMPARE(sizes.value(u"serverLimit"_s).toLongLong(), 20000);
    QVERIFY(sizes.value(u"messageBytes"_s).toLongLong() > 30000);
    QVERIFY(sizes.value(u"tooLarge"_s).toBool());
    QVERIFY(!check.running());
    // A server that announces none: the usual 25 MB holds.
    check.start(params(u"faulty"_s), recipients(all).first().toMap());
    QTRY_COMPARE_WITH_TIMEOUT(checked.size(), 2, 10000);
    sizes = checked.last().first().toMap();
    QCOMPARE(sizes.value(u"serverLimit"_s).toLongLong(), -1);
    QCOMPARE(sizes.value(u"limit"_s).toLongLong(), MessageSizeCheck::defaultLimit);
    QVERIFY(!sizes.value(u"tooLarge"_s).toBool());
    QVERIFY(sizes.value(u"answered"_s).toBool());

    const int mailsBefore = m_servers.stats(u"faulty_small"_s).value("mails"_L1).toInt();
    SendingRun run;
    configure(run, u"refusedsize.journal"_s);
    QSignalSpy ended(&run, &SendingRun::ended);
    QVERIFY(run.start(big, recipients(all)));
    QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 1, 10000);
    QCOMPARE(run.state(), SendingRun::Stopped);
    QVERIFY2(run.stopReason().contains(u"(552 5.3.4"_s), qPrintable(run.stopReason()));
    QCOMPARE(m_servers.stats(u"faulty_small"_s).value("mails"_L1).toInt() - mailsBefore, 1);
    QCOMPARE(m_servers.stats(u"faulty_small"_s).value("messages"_L1).toInt(), 0);
}

void TestSendingRun::stopAbandonsADeliveryThatHangs()
{
    const QString hangs = unique(u"hangrcpt"_s), next = unique(u"after"_s);
    SendingRun run;
    configure(run, u"stop.journal"_s);
    run.setProperty("idleTimeoutMs", 60000); // only Stop can end this delivery soon
    QSignalSpy ended(&run, &SendingRun::ended);
    QVERIFY(run.start(params(u"faulty"_s), recipients({hangs, next})));
    // The first delivery starts once the journal is on disk.
    QVERIFY(!run.inFlight());
    QTRY_VERIFY(run.inFlight());
    QTest::qWait(300);
    run.stop();
    QCOMPARE(run.state(), SendingRun::Stopping);
    QVERIFY(run.busy());
    QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 1, 5000);
    QCOMPARE(ended.first().first().toBool(), true);
    QCOMPARE(run.state(), SendingRun::Stopped);
    QVERIFY(!run.busy());
    QCOMPARE(run.sent() + run.failed(), 0); // nothing counted for either
    QCOMPARE(received(u"faulty"_s, next), 0);
}

void TestSendingRun::stopAwaitsTheVerdictOfAMessageSentWhole()
{
    const QString slow = unique(u"slow"_s), next = unique(u"after"_s);
    SendingRun run;
    configure(run, u"verdict.journal"_s);
    QSignalSpy ended(&run, &SendingRun::ended);
    QVERIFY(run.start(params(u"faulty"_s), recipients({slow, next})));
    // The server has the whole message and answers two seconds later.
    QTRY_COMPARE_WITH_TIMEOUT(received(u"faulty"_s, slow), 1, 5000);
    run.stop();
    QCOMPARE(run.state(), SendingRun::Stopping);
    QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 1, 6000);
    QCOMPARE(run.sent(), 1);
    QVERIFY(run.logText().contains(slow + u": Email sent"_s));
    QCOMPARE(received(u"faulty"_s, next), 0);
}

void TestSendingRun::silentServerPausesWithinItsLimit()
{
    // A server that never greets is not reached: the run waits for it
    // rather than failing the recipient, and says why within the limit.
    SendingRun run;
    configure(run, u"silent.journal"_s);
    run.setProperty("retryDelaysMs", QVariantList{});
    run.setProperty("idleTimeoutMs", 1500);
    run.setProperty("serverPausesMs", QVariantList{60000});
    QSignalSpy ended(&run, &SendingRun::ended);
    QVERIFY(run.start(params(u"faulty_nogreet"_s), recipients({unique(u"nobody"_s)})));
    QTRY_COMPARE_WITH_TIMEOUT(run.pauseReason(), u"unreachable"_s, 4500);
    QVERIFY2(run.logText().contains(u"did not answer for 2 s. (Timed out"_s),
             qPrintable(run.logText()));
    run.stop();
    QCOMPARE(ended.size(), 1);
    QCOMPARE(run.failed(), 0);
}

void TestSendingRun::everyPhaseEndsWithinItsLimit()
{
    QFETCH_GLOBAL(int, interval);
    if (interval == 0)
        QSKIP("A transport case: the paced row covers it.");
    // With a limit of 3 s, whichever step the server goes silent at, the
    // delivery has ended 4 s later, the connection shut without waiting
    // for an answer to QUIT.
    const struct
    {
        const char *listener;
        const char *recipient;
        SmtpTransport::Scope scope;
    } phases[] = {
            {"faulty_nogreet", "greeting", SmtpTransport::Scope::Unreachable},
            {"faulty_hangehlo", "ehlo", SmtpTransport::Scope::Unreachable},
            {"faulty_hangauth", "auth", SmtpTransport::Scope::Unreachable},
            {"faulty_hangmail", "mail", SmtpTransport::Scope::Unreachable},
            {"faulty", "hangrcpt", SmtpTransport::Scope::Connection},
            {"faulty", "stall354", SmtpTransport::Scope::Connection},
            {"faulty", "hang", SmtpTransport::Scope::Connection},
    };
    for (const auto &phase : phases) {
        const QString listener = QString::fromLatin1(phase.listener);
        OutgoingMail job = Outgoing::fromParams(params(listener));
        job.to = QJsonObject{{u"email"_s, unique(QString::fromLatin1(phase.recipient))}};
        MailLimits limits;
        limits.idleTimeoutMs = 3000;
        limits.connectTimeoutMs = 3000;
        SmtpTransport::Settings settings = Outgoing::settingsFor(job, limits);
        settings.keepAlive = true;
        const Outgoing::Prepared prepared = Outgoing::prepare(job, limits);
        QElapsedTimer clock;
        clock.start();
        SmtpTransport::Result result;
        {
            SmtpTransport transport(settings);
            result = Outgoing::deliver(prepared, transport);
        } // closing the kept connection counts too
        const qint64 elapsed = clock.elapsed();
        qInfo("%s, silent at %s: ended after %lld ms", phase.listener, phase.recipient, elapsed);
        QVERIFY2(elapsed < 4000, qPrintable(u"%1: %2 ms"_s.arg(listener, QString::number(elapsed))));
        QVERIFY2(elapsed >= 2900,
                 qPrintable(u"%1: %2 ms"_s.arg(listener, QString::number(elapsed))));
        QVERIFY(!result.accepted);
        QVERIFY(result.timedOut);
        QCOMPARE(result.scope, phase.scope);
        const QString said = SmtpTransport::describe(result, job.host, job.port, 3000);
        if (result.outcome != SmtpTransport::Outcome::Unknown)
            QVERIFY2(said.startsWith(
                             u"The server 127.0.0.1, port %1, did not answer for 3 s. ("_s.arg(
                                     job.port)),
                     qPrintable(said));
    }

    // Nobody listening: said plainly, the library's words after it.
    OutgoingMail job = Outgoing::fromParams(params(u"refused"_s));
    job.to = QJsonObject{{u"email"_s, unique(u"nobody"_s)}};
    SmtpTransport transport(Outgoing::settingsFor(job, MailLimits()));
    const SmtpTransport::Result result = Outgoing::deliver(Outgoing::prepare(job, MailLimits()),
                                                           transport);
    QCOMPARE(result.scope, SmtpTransport::Scope::Unreachable);
    const QString said = SmtpTransport::describe(result, job.host, job.port, 3000);
    QVERIFY2(said.startsWith(u"Connection refused by 127.0.0.1:%1: check the server's name and "
                             u"port. (Couldn't "
                             "connect to server)"_s.arg(job.port))
                     && said.endsWith(u')'),
             qPrintable(said));
}

void TestSendingRun::guardsRefuseASecondRun()
{
    SendingRun run;
    configure(run, u"guard.journal"_s);
    QSignalSpy ended(&run, &SendingRun::ended);
    const QString slow = unique(u"slow"_s);
    QVERIFY(run.start(params(u"faulty"_s), recipients({slow})));
    QVERIFY(!run.start(params(u"faulty"_s), recipients({unique(u"second"_s)})));
    QVERIFY(!run.begin());
    QVERIFY(!run.retryFailed({u"refused"_s, u"unknown"_s}));
    QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 1, 8000);
    QCOMPARE(run.total(), 1);
    QCOMPARE(received(u"faulty"_s, slow), 1);
}

void TestSendingRun::stopBeforeTheJournalIsWrittenSendsNothing()
{
    // A large run's journal is written on a thread of its own; Stop pressed
    // meanwhile ends the run before anyone is mailed and leaves no journal,
    // and the next run is not held up by the abandoned one.
    QStringList many;
    for (int i = 0; i < 5000; ++i)
        many.append(unique(u"early"_s));
    SendingRun run;
    configure(run, u"early.journal"_s);
    QSignalSpy ended(&run, &SendingRun::ended);
    QVERIFY(run.start(params(u"faulty"_s), recipients(many)));
    QVERIFY(!run.inFlight());
    run.stop();
    QCOMPARE(ended.size(), 1);
    QCOMPARE(ended.first().first().toBool(), true);
    QCOMPARE(run.state(), SendingRun::Stopped);
    QTest::qWait(300); // the header's thread ends meanwhile
    QVERIFY(!QFile::exists(run.journalPath()));
    QCOMPARE(received(u"faulty"_s, many.first()), 0);

    const QString next = unique(u"next"_s);
    QVERIFY(run.start(params(u"faulty"_s), recipients({next})));
    QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 2, 8000);
    QCOMPARE(run.sent(), 1);
    QCOMPARE(received(u"faulty"_s, next), 1);
    QVERIFY(!QFile::exists(run.journalPath()));
}

// Stop, Continue, then a second run stopped and discarded: nobody is mailed
// twice, the next start is offered the stopped run as stopped, and the
// history keeps every run with each recipient's outcome.
void TestSendingRun::stoppedRunContinuesAndEveryRunIsKept()
{
    QFETCH_GLOBAL(int, interval);
    const QString folder = u"kept-"_s + QString::number(interval);
    QStringList all;
    for (int i = 0; i < 12; ++i)
        all.append(unique(i == 5 ? u"rcpt550kept"_s : i == 1 ? u"greykept"_s : u"kept"_s));
    SendingRun run;
    configure(run, folder + u"/first.journal"_s);
    QSignalSpy ended(&run, &SendingRun::ended);
    QSignalSpy written(&run, &SendingRun::historyWritten);
    int done = 0;
    auto stopAt = [&](int count) {
        return connect(&run, &SendingRun::recipientDone, &run, [&run, &done, count] {
            if (++done == count)
                run.stop();
        });
    };
    QMetaObject::Connection stopper = stopAt(4);
    QVERIFY(run.start(params(u"faulty"_s), recipients(all)));
    QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 1, 10000);
    disconnect(stopper);
    QCOMPARE(run.state(), SendingRun::Stopped);
    QVERIFY(run.canContinue());
    // The greylisted one was to be tried again later: after Stop, the log says
    // that holds only if the run is continued.
    QVERIFY2(run.logText().endsWith(u"Stopped: the recipients waiting for another try are sent "
                                    "only if you continue the run.\n"_s),
             qPrintable(run.logText()));
    const int before = run.sent() + run.failed();
    QVERIFY(before >= 4 && before < all.size());
    {
        // What the program started again would offer.
        SendingRun later;
        configure(later, folder + u"/first.journal"_s);
        const QVariantMap offer = later.interruptedRun();
        QVERIFY(offer.value(u"stopped"_s).toBool());
        QCOMPARE(offer.value(u"left"_s).toInt(), all.size() - before);
    }
    QVERIFY(run.continueRun());
    QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 2, 10000);
    QCOMPARE(run.state(), SendingRun::Finished);
    for (const QString &address : all)
        QCOMPARE(received(u"faulty"_s, address), address.startsWith("rcpt550"_L1) ? 0 : 1);
    QVERIFY(!QFile::exists(run.journalPath()));

    QTRY_COMPARE_WITH_TIMEOUT(written.size(), 2, 5000);
    RunHistory history;
    history.setPath(run.historyPath());
    QCOMPARE(history.runs().size(), 1);
    const QVariantMap kept = history.runs().constFirst().toMap();
    QCOMPARE(kept.value(u"state"_s).toString(), u"finished"_s);
    QCOMPARE(kept.value(u"sent"_s).toInt(), all.size() - 1);
    QCOMPARE(kept.value(u"failed"_s).toInt(), 1);
    const QVariantList rows = history.outcomes(kept.value(u"id"_s).toString());
    QCOMPARE(rows.size(), all.size());
    const QVariantMap refused = rows.at(5).toMap();
    QCOMPARE(refused.value(u"outcome"_s).toString(), u"failed"_s);
    QVERIFY(refused.value(u"text"_s).toString().startsWith("550"_L1));
    QVERIFY(refused.value(u"at"_s).toLongLong() > 0);
    QStringList sent = all;
    sent.removeAt(5);
    const auto reached = [&](const QVariantMap &message) {
        return RunHistory::receivedAddresses(history.path(), RunHistory::fingerprint(message));
    };
    QCOMPARE(reached(params(u"faulty"_s)), sent);
    QVariantMap other = params(u"faulty"_s);
    other.insert(u"subject"_s, u"Another message"_s);
    QVERIFY(reached(other).isEmpty());

    QSignalSpy exported(&history, &RunHistory::exported);
    const QString csv = m_work.path() + u'/' + folder + u"/run.csv"_s;
    QVERIFY(history.exportCsv(kept.value(u"id"_s).toString(), QUrl::fromLocalFile(csv)));
    QTRY_COMPARE_WITH_TIMEOUT(exported.size(), 1, 5000);
    QVERIFY(exported.constFirst().at(0).toBool());
    QFile file(csv);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QCOMPARE(lines.size(), all.size() + 2); // header, rows, and after the last CR LF
    QCOMPARE(lines.at(0), QByteArray("\xEF\xBB\xBF"
                                     "address,outcome,time,reply\r"));
    QVERIFY(lines.at(6).startsWith(all.at(5).toUtf8() + ",failed,"));

    // A second run of the same message, stopped and then discarded from
    // another start of the program: its recipients mailed so far join the
    // history, and the journal is gone.
    QStringList more;
    for (int i = 0; i < 10; ++i)
        more.append(unique(u"discarded"_s));
    done = 0;
    stopper = stopAt(3);
    QVERIFY(run.start(params(u"faulty"_s), recipients(more)));
    QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 3, 10000);
    disconnect(stopper);
    const int mailed = run.sent();
    QVERIFY(mailed >= 3 && mailed < more.size());
    QTRY_COMPARE_WITH_TIMEOUT(written.size(), 3, 5000);
    SendingRun later;
    configure(later, folder + u"/first.journal"_s);
    QSignalSpy laterWritten(&later, &SendingRun::historyWritten);
    QCOMPARE(later.interruptedRun().value(u"sent"_s).toInt(), mailed);
    // The journal names each message before its bytes go out.
    QSet<QString> journaled;
    QFile journal(later.journalPath());
    QVERIFY(journal.open(QIODevice::ReadOnly));
    for (const QByteArray &line : journal.readAll().split('\n')) {
        const QJsonObject record = QJsonDocument::fromJson(line).object();
        if (record.value("data"_L1).toBool())
            journaled.insert(record.value("m"_L1).toString());
    }
    journal.close();
    QCOMPARE(journaled.size(), mailed);
    later.discardInterrupted();
    QVERIFY(!QFile::exists(later.journalPath()));
    QTRY_COMPARE_WITH_TIMEOUT(laterWritten.size(), 1, 5000);
    history.reload();
    QCOMPARE(history.runs().size(), 2);
    const QVariantMap discarded = history.runs().constFirst().toMap();
    QCOMPARE(discarded.value(u"state"_s).toString(), u"discarded"_s);
    QCOMPARE(discarded.value(u"sent"_s).toInt(), mailed);
    QCOMPARE(reached(params(u"faulty"_s)).size(), sent.size() + mailed);
    const QHash<QString, RunHistory::Sent> found = RunHistory::findMessages(history.path(),
                                                                            journaled);
    QCOMPARE(found.size(), mailed);
    for (const RunHistory::Sent &message : found) {
        QVERIFY(more.contains(message.address));
        QCOMPARE(message.runId, discarded.value(u"id"_s).toString());
    }

    // Beyond its bounds the history drops its oldest runs first.
    QVERIFY(RunHistory::write(run.historyPath(), {{u"id"_s, u"99991231T235959999-1"_s}}, {}, 2));
    history.reload();
    QCOMPARE(history.runs().size(), 2);
    QCOMPARE(history.runs().constLast().toMap().value(u"state"_s).toString(), u"discarded"_s);
}

void TestSendingRun::retryFailedSendsOnlyTheFailedOnes()
{
    const QString ok = unique(u"ok"_s), refused = unique(u"rcpt550x"_s),
                  closes = unique(u"closeafter"_s);
    SendingRun run;
    configure(run, u"retry.journal"_s);
    QSignalSpy ended(&run, &SendingRun::ended);
    QVERIFY(run.start(params(u"faulty"_s), recipients({ok, refused, closes})));
    QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 1, 10000);
    QCOMPARE(run.sent(), 1);
    QCOMPARE(run.failed(), 2);
    QCOMPARE(run.unknown(), 1);
    // "550 5.1.1" says the address does not exist, and the unknown one may
    // have arrived: neither is sent again unless asked for.
    QVERIFY(!run.retryFailed());
    QVERIFY(run.retryFailed({u"unknown"_s}));
    QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 2, 10000);
    QCOMPARE(received(u"faulty"_s, closes), 2);
    QCOMPARE(received(u"faulty"_s, ok), 1);
    QCOMPARE(run.logText().count(refused), 1);
    QVERIFY(run.retryFailed({u"nonexistent"_s}));
    QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 3, 10000);
    QCOMPARE(run.logText().count(
                     refused
                     + u": The server 127.0.0.1 says this address does not exist. (550 5.1.1"_s),
             2); // asked for: tried again
    QCOMPARE(received(u"faulty"_s, closes), 2);
    QCOMPARE(received(u"faulty"_s, ok), 1);
}

void TestSendingRun::killedRunResumesWithoutDuplicates()
{
    QFETCH_GLOBAL(int, interval);
    QStringList all;
    for (int i = 0; i < 40; ++i)
        all.append(unique(i % 10 == 5 ? u"slow"_s : u"crash"_s));
    const QString journal = m_work.path() + u"/crash.journal"_s;
    QVariantMap withoutLimits = params(u"faulty"_s);
    const QJsonObject plan{{u"journal"_s, journal},
                           {u"interval"_s, interval > 0 ? 30 : 0},
                           {u"params"_s, QJsonObject::fromVariantMap(withoutLimits)},
                           {u"recipients"_s, QJsonArray::fromVariantList(recipients(all))}};
    const QString planPath = m_work.path() + u"/plan.json"_s;
    QFile planFile(planPath);
    QVERIFY(planFile.open(QIODevice::WriteOnly));
    planFile.write(QJsonDocument(plan).toJson());
    planFile.close();

    QProcess child;
    child.setProgram(QCoreApplication::applicationDirPath() + u"/sending_run_child"_s);
    child.setArguments({planPath});
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start();
    QVERIFY(child.waitForStarted(5000));
    auto receivedSoFar = [&] {
        int count = 0;
        for (const QString &address : all)
            count += received(u"faulty"_s, address);
        return count;
    };
    QTRY_VERIFY_WITH_TIMEOUT(receivedSoFar() >= 12, 20000);
    child.kill(); // SIGKILL: no chance to write anything more
    QVERIFY(child.waitForFinished(5000));
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);

    SendingRun run;
    configure(run, u"crash.journal"_s);
    const QVariantMap interrupted = run.interruptedRun();
    QCOMPARE(interrupted.value(u"total"_s).toInt(), all.size());
    QVERIFY(interrupted.value(u"done"_s).toInt() >= 10);
    QCOMPARE(interrupted.value(u"subject"_s).toString(), u"Hello {{firstname}}"_s);
    QSignalSpy ended(&run, &SendingRun::ended);
    QVERIFY(run.resumeInterrupted(m_servers.info.value("password"_L1).toString()));
    QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 1, 30000);
    QCOMPARE(run.total(), all.size());
    QCOMPARE(run.sent() + run.failed(), all.size());

    // Nobody twice; everybody sent except, at most, the one whose message
    // was on its way when the process died, which is reported as unknown.
    // Unpaced, the message queued behind it may have started too, and the
    // one before may have been accepted but not yet recorded: both unknown.
    int missing = 0;
    for (const QString &address : all) {
        const int count = received(u"faulty"_s, address);
        QVERIFY2(count <= 1, qPrintable(address));
        missing += count == 0 ? 1 : 0;
    }
    QCOMPARE(run.unknown(), run.failed());
    QVERIFY(run.unknown() <= (interval > 0 ? 1 : 2));
    QVERIFY(missing <= run.unknown());
    QCOMPARE(run.sent() + run.unknown(), all.size());
    QVERIFY(!QFile::exists(journal));
}

// The whole program: its main screen started in a process of its own, a run
// begun with Send and the summary, the process killed halfway, started
// again on the same store and data folder, and the run resumed by clicking
// the dialog's Resume button.
QJsonObject TestSendingRun::loopbackAccount() const
{
    return {{u"senderName"_s, u"Run test"_s},
            {u"serverName"_s, u"Loopback"_s},
            {u"serverHost"_s, u"127.0.0.1"_s},
            {u"serverPort"_s, QString::number(m_servers.port(u"faulty"_s))},
            {u"connection"_s, u"Auto"_s},
            {u"address"_s, m_servers.info.value("user"_L1).toString()},
            {u"password"_s, m_servers.info.value("password"_L1).toString()}};
}

QString TestSendingRun::killThenResume(const QString &startFile, const QString &resumeFile,
                                       const QJsonObject &config,
                                       const std::function<bool()> &killWhen)
{
    const QString source = qEnvironmentVariable("PARVANE_SOURCE_DIR");
    const QString binary = qEnvironmentVariable("PARVANE_BINARY_DIR");
    if (source.isEmpty() || binary.isEmpty())
        return u"no source or binary folder given"_s;
    const QString program = m_work.path() + u"/program-"_s + startFile.section(u'.', 0, 0) + u'-'
                            + QString::number(++m_serial);
    if (!QDir().mkpath(program))
        return u"cannot make "_s + program;
    for (const QString &name : {startFile, resumeFile}) {
        if (!QFile::copy(source + u"/tests/integration/killed_program/"_s + name,
                         program + u'/' + name))
            return u"cannot copy "_s + name;
    }
    QFile file(program + u"/config.json"_s);
    if (!file.open(QIODevice::WriteOnly))
        return u"cannot write the configuration"_s;
    file.write(QJsonDocument(config).toJson());
    file.close();

    // The online check asks a name server of the test's own.
    QProcess dns;
    dns.setProgram(u"/usr/sbin/dnsmasq"_s);
    dns.setArguments({u"--keep-in-foreground"_s, u"--conf-file=/dev/null"_s, u"--port=53"_s,
                      u"--listen-address=127.0.84.2"_s, u"--bind-interfaces"_s, u"--no-resolv"_s,
                      u"--no-hosts"_s, u"--user=root"_s,
                      u"--address=/probe.parvane.test/127.0.0.9"_s});
    dns.start();
    if (!dns.waitForStarted(5000))
        return u"dnsmasq did not start"_s;
    auto stopDns = qScopeGuard([&dns] {
        dns.terminate();
        dns.waitForFinished(3000);
    });

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"XDG_CONFIG_HOME"_s, program + u"/home"_s);
    env.insert(u"XDG_DATA_HOME"_s, program + u"/home/data"_s);
    env.insert(u"PARVANE_PROBE_HOST"_s, u"probe.parvane.test"_s);
    env.insert(u"PARVANE_DNS_SERVER"_s, u"127.0.84.2"_s);
    env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    auto startProgram = [&](QProcess &process, const QString &name) {
        process.setProgram(binary + u"/tests/qml/parvane_qmltest"_s);
        process.setArguments({u"-input"_s, program + u'/' + name});
        process.setWorkingDirectory(binary);
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start();
        return process.waitForStarted(5000);
    };

    QProcess first;
    if (!startProgram(first, startFile))
        return u"the first program did not start"_s;
    // Without a moment to kill it, the first program ends by itself (it quits).
    if (!killWhen) {
        if (!first.waitForFinished(60000))
            return u"the first program did not quit"_s;
        const QString said = QString::fromUtf8(first.readAll());
        if (!said.contains("quitting after"_L1) || said.contains("FAIL!"_L1))
            return u"the first program failed: "_s + said;
    } else {
        QDeadlineTimer deadline(60000);
        while (!killWhen() && first.state() == QProcess::Running && !deadline.hasExpired())
            first.waitForReadyRead(50);
        if (first.state() != QProcess::Running || !killWhen())
            return u"not killed as planned: "_s + QString::fromUtf8(first.readAll());
        first.kill(); // SIGKILL: no chance to write anything more
        first.waitForFinished(5000);
        if (first.exitStatus() != QProcess::CrashExit)
            return u"the first program was not killed"_s;
    }

    QProcess second;
    if (!startProgram(second, resumeFile))
        return u"the second program did not start"_s;
    second.waitForFinished(90000);
    const QString output = QString::fromUtf8(second.readAll());
    if (second.exitStatus() != QProcess::NormalExit || second.exitCode() != 0)
        return u"the second program failed: "_s + output;
    return output;
}

void TestSendingRun::killedProgramResumesThroughItsDialog()
{
    QFETCH_GLOBAL(int, interval);
    if (interval == 0)
        QSKIP("The program always paces its runs: the paced row covers it.");
    QStringList all;
    for (int i = 0; i < 20; ++i)
        all.append(unique(u"program"_s));
    auto receivedSoFar = [&] {
        int count = 0;
        for (const QString &address : all)
            count += received(u"faulty"_s, address);
        return count;
    };
    int beforeKill = 0;
    const QString output = killThenResume(u"StartRun.qml"_s, u"ResumeRun.qml"_s,
                                          {{u"account"_s, loopbackAccount()},
                                           {u"recipients"_s, QJsonArray::fromStringList(all)}},
                                          [&] { return (beforeKill = receivedSoFar()) >= 6; });
    QVERIFY(beforeKill < all.size());
    const QRegularExpressionMatch outcome = QRegularExpression(u"resumed run: (\\{[^}]*\\})"_s)
                                                    .match(output);
    QVERIFY2(outcome.hasMatch(), qPrintable(output));
    const QJsonObject counters = QJsonDocument::fromJson(outcome.captured(1).toUtf8()).object();
    QCOMPARE(counters.value(u"total"_s).toInt(), all.size());

    // Nobody twice; everybody sent except, at most, the one whose message
    // was on its way when the process died, which is reported as unknown.
    // Unpaced, the message queued behind it may have started too, and the
    // one before may have been accepted but not yet recorded: both unknown.
    int missing = 0;
    for (const QString &address : all) {
        const int count = received(u"faulty"_s, address);
        QVERIFY2(count <= 1, qPrintable(address));
        missing += count == 0 ? 1 : 0;
    }
    const int unknown = counters.value(u"unknown"_s).toInt();
    QVERIFY(unknown <= 1);
    QVERIFY(missing <= unknown);
    QCOMPARE(counters.value(u"sent"_s).toInt() + unknown, all.size());
    QCOMPARE(counters.value(u"failed"_s).toInt(), unknown);
}

void TestSendingRun::killedListResumesAtItsTask()
{
    QFETCH_GLOBAL(int, interval);
    if (interval == 0)
        QSKIP("The program always paces its runs: the paced row covers it.");
    QStringList first, second;
    for (int i = 0; i < 3; ++i)
        first.append(unique(u"listone"_s));
    for (int i = 0; i < 15; ++i)
        second.append(unique(u"listtwo"_s));
    auto receivedOf = [&](const QStringList &addresses) {
        int count = 0;
        for (const QString &address : addresses)
            count += received(u"faulty"_s, address);
        return count;
    };
    const QJsonObject config{{u"account"_s, loopbackAccount()},
                             {u"tasks"_s, QJsonArray{QJsonArray::fromStringList(first),
                                                     QJsonArray::fromStringList(second)}}};
    int beforeKill = 0;
    const QString output = killThenResume(u"StartList.qml"_s, u"ResumeList.qml"_s, config,
                                          [&] { return (beforeKill = receivedOf(second)) >= 4; });
    QVERIFY(beforeKill < second.size());
    const QRegularExpressionMatch outcome = QRegularExpression(u"resumed list: (\\{.*\\})\\s*$"_s,
                                                               QRegularExpression::MultilineOption)
                                                    .match(output);
    QVERIFY2(outcome.hasMatch(), qPrintable(output));
    const QJsonObject result = QJsonDocument::fromJson(outcome.captured(1).toUtf8()).object();
    const QJsonObject list = result.value(u"list"_s).toObject();
    QVERIFY2(!list.isEmpty(), qPrintable(output));

    // The first task is not sent again; nobody of the second gets two.
    for (const QString &address : first)
        QCOMPARE(received(u"faulty"_s, address), 1);
    int missing = 0;
    for (const QString &address : second) {
        const int count = received(u"faulty"_s, address);
        QVERIFY2(count <= 1, qPrintable(address));
        missing += count == 0 ? 1 : 0;
    }
    QVERIFY(missing <= result.value(u"unknown"_s).toInt());
    QCOMPARE(list.value(u"nextTask"_s).toInt(), 2);
    QCOMPARE(list.value(u"done"_s).toInt(), 2);
    // Each line carries its time ("hh:mm:ss "); compared without it.
    const QString timed = list.value(u"output"_s).toString();
    const QString log = QString(timed).remove(
            QRegularExpression(u"^[0-2][0-9]:[0-5][0-9]:[0-5][0-9] "_s,
                               QRegularExpression::MultilineOption));
    QVERIFY2(log != timed, qPrintable(timed));
    // The task that ended before the crash keeps its part of the log.
    QVERIFY2(log.startsWith(u"Killed\n\n=====\nStart task 1\n=====\n\n"_s), qPrintable(log));
    QVERIFY2(log.contains(u"=====\nEnd task 1\n=====\n\n=====\nStart task 2\n=====\n\n"_s),
             qPrintable(log));
    QVERIFY2(log.endsWith(u"=====\nEnd task 2\n=====\n\n"_s), qPrintable(log));
    // The resumed log holds every recipient of each task once, those sent
    // before the crash included.
    for (const QString &address : first + second)
        QCOMPARE(log.count(address + u": "_s), 1);
}

// The whole program as a user drives it: Send, Stop, Continue, then quit
// during the run (asked, and the run stopped); started again, the program
// offers the run as stopped. Continued, or discarded (asked) and the same
// message sent again: either way each recipient gets the message once.
void TestSendingRun::stoppedProgramOffersItsRunAsStopped()
{
    QFETCH_GLOBAL(int, interval);
    if (interval == 0)
        QSKIP("The program always paces its runs: the paced row covers it.");
    for (const QString &choice : {u"continue"_s, u"discard"_s}) {
        QStringList all;
        for (int i = 0; i < 16; ++i)
            all.append(unique(u"stopped"_s + choice));
        const QString output = killThenResume(u"StopRun.qml"_s, u"ContinueRun.qml"_s,
                                              {{u"account"_s, loopbackAccount()},
                                               {u"recipients"_s, QJsonArray::fromStringList(all)},
                                               {u"choice"_s, choice}},
                                              {});
        const QRegularExpressionMatch outcome
                = QRegularExpression(u"continued run: (\\{[^}]*\\})"_s).match(output);
        QVERIFY2(outcome.hasMatch(), qPrintable(output));
        for (const QString &address : all)
            QVERIFY2(received(u"faulty"_s, address) == 1, qPrintable(choice + u' ' + address));
        const QJsonObject counters = QJsonDocument::fromJson(outcome.captured(1).toUtf8()).object();
        QCOMPARE(counters.value(u"failed"_s).toInt(), 0);
        if (choice == "continue"_L1)
            QCOMPARE(counters.value(u"total"_s).toInt(), all.size());
    }
}

QTEST_GUILESS_MAIN(TestSendingRun)
#include "tst_sending_run.moc"
