#include "LoopbackServers.h"
#include "mailbox/MailboxCheck.h"
#include "mailbox/MailboxWatcher.h"
#include "run/RunHistory.h"
#include "run/SendingRun.h"
#include "suppression/SuppressionList.h"

#include <QDir>
#include <QJsonArray>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::Literals::StringLiterals;
using MailboxReport::Kind;

// The mailbox check against a real IMAP server (Dovecot on loopback), its
// mailbox filled with the reports of the corpus folder and ordinary mail.
class TestMailboxCheck : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void readsEachReportOnceAndLeavesTheMailboxAsItWas();
    void refusalsAreSaidPlainly();
    void reportsAfterARunSuppressItsRecipientsForTheNext();

private:
    MailboxCheck::Settings settings(const QString &security = u"SSL"_s) const;
    MailboxCheck::Result check(const MailboxCheck::Settings &settings,
                               const MailboxCheck::Positions &since = {});
    // Every message file of the mailbox with its flags ("" for none yet).
    QMap<QString, QString> files() const;
    void put(const QString &name, const QByteArray &message);

    QTemporaryDir m_work;
    LoopbackServers m_server;
    QString m_maildir;
};

void TestMailboxCheck::initTestCase()
{
    QVERIFY(m_work.isValid());
    const QString error = m_server.start(m_work.path(), u"imap_server.py"_s);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    m_maildir = m_server.info.value("maildir"_L1).toString();
}

void TestMailboxCheck::cleanupTestCase()
{
    m_server.stop();
}

MailboxCheck::Settings TestMailboxCheck::settings(const QString &security) const
{
    MailboxCheck::Settings settings;
    settings.host = u"localhost"_s;
    const QJsonObject ports = m_server.info.value("ports"_L1).toObject();
    settings.port = static_cast<quint16>(
            ports.value(security == "SSL"_L1 ? "imaps"_L1 : "imap"_L1).toInt());
    settings.security = security;
    settings.username = m_server.info.value("user"_L1).toString();
    settings.password = m_server.info.value("password"_L1).toString();
    settings.extraCaFile = m_server.info.value("ca"_L1).toString();
    settings.timeoutMs = 10000;
    return settings;
}

MailboxCheck::Result TestMailboxCheck::check(const MailboxCheck::Settings &settings,
                                             const MailboxCheck::Positions &since)
{
    MailboxCheck job;
    QSignalSpy finished(&job, &MailboxCheck::finished);
    if (!job.start(settings, since))
        return {};
    // The window goes on meanwhile: the test's own event loop turns.
    if (!finished.wait(30000))
        return {};
    return job.result();
}

QMap<QString, QString> TestMailboxCheck::files() const
{
    QMap<QString, QString> found;
    for (const QString &sub : {u"new"_s, u"cur"_s}) {
        for (const QString &name : QDir(m_maildir + u'/' + sub).entryList(QDir::Files)) {
            const qsizetype info = name.indexOf(u":2,"_s);
            found.insert(info < 0 ? name : name.left(info),
                         info < 0 ? QString() : name.mid(info + 3));
        }
    }
    return found;
}

void TestMailboxCheck::put(const QString &name, const QByteArray &message)
{
    QFile file(m_maildir + u"/tmp/"_s + name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(message), message.size());
    file.close();
    QVERIFY(file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                | QFileDevice::ReadGroup | QFileDevice::WriteGroup
                                | QFileDevice::ReadOther | QFileDevice::WriteOther));
    QVERIFY(QFile::rename(file.fileName(), m_maildir + u"/new/"_s + name));
}

// Every report of the corpus found once, by its kind; the ordinary mail and
// the automatic replies left out; nothing deleted or marked as read; a
// second check reads nothing again, a new message alone after it, and a
// changed UIDVALIDITY reads the folder again from its start.
void TestMailboxCheck::readsEachReportOnceAndLeavesTheMailboxAsItWas()
{
    const QDir corpus(qEnvironmentVariable("PARVANE_SOURCE_DIR") + u"/tests/data/mailbox"_s);
    const QStringList names = corpus.entryList({u"*.eml"_s}, QDir::Files, QDir::Name);
    QVERIFY(names.size() >= 30);
    int n = 0;
    for (const QString &name : names) {
        QFile file(corpus.filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        put(u"%1.M%2P1.corpus"_s.arg(1765440000 + n).arg(n), file.readAll());
        ++n;
    }
    const QMap<QString, QString> before = files();
    QCOMPARE(before.size(), names.size());

    const MailboxCheck::Result first = check(settings());
    QVERIFY2(first.ok, qPrintable(first.error));
    QCOMPARE(first.examined, names.size());
    QVERIFY2(first.fetched < first.examined, "only possible reports are read whole");
    QMap<QString, QString> found; // original Message-ID -> kind and recipient
    for (const MailboxReport::Report &report : first.reports) {
        QVERIFY2(!found.contains(report.originalMessageId), qPrintable(report.originalMessageId));
        found.insert(report.originalMessageId,
                     u"%1 %2"_s.arg(int(report.kind)).arg(report.findings.value(0).recipient));
    }
    const QString hard = QString::number(int(Kind::HardBounce)),
                  soft = QString::number(int(Kind::SoftBounce));
    QCOMPARE(found,
             (QMap<QString,
                   QString>{{u"corpus-1@shop.test"_s, hard + u" gone@example.org"_s},
                            {u"corpus-2@shop.test"_s, hard + u" left@example.net"_s},
                            {u"corpus-3@shop.test"_s, hard + u" former@example.com"_s},
                            {u"corpus-4@shop.test"_s, hard + u" someone@no-such-domain.example"_s},
                            {u"corpus-5@shop.test"_s, soft + u" slow@example.org"_s},
                            {u"corpus-6@shop.test"_s, soft + u" full@example.org"_s},
                            {u"corpus-7@shop.test"_s, hard + u" typo@example.org"_s},
                            {u"corpus-8@shop.test"_s,
                             QString::number(int(Kind::Complaint)) + u" reader@example.com"_s},
                            {u"corpus-9@shop.test"_s,
                             QString::number(int(Kind::Unsubscribe)) + u" two@example.com"_s},
                            // The large providers' notifications, RFC 6533's
                            // UTF-8 form, and a temporary failure said for good.
                            {u"corpus-10@shop.test"_s, hard + u" nobody@gmail.example"_s},
                            {u"corpus-11@shop.test"_s, hard + u" left@outlook.example"_s},
                            {u"corpus-12@shop.test"_s, hard + u" closed@yahoo.example"_s},
                            {u"corpus-13@shop.test"_s, hard + u" 田中@example.jp"_s},
                            {u"corpus-14@shop.test"_s, soft + u" over@example.net"_s},
                            {u"corpus-16@shop.test"_s,
                             QString::number(int(Kind::Complaint)) + u" angry@yahoo.example"_s},
                            // Bounces written as text: qmail, Exim, Yahoo's and
                            // Gmail's older forms, Exchange's HTML report.
                            {u"corpus-17@shop.test"_s, hard + u" gone@qmail.example"_s},
                            {u"corpus-18@shop.test"_s, hard + u" nouser@exim.example"_s},
                            {u"corpus-19@shop.test"_s, soft + u" later@exim.example"_s},
                            {u"corpus-20@shop.test"_s, hard + u" ex-user@yahoo.example"_s},
                            {u"corpus-21@shop.test"_s, hard + u" deleted@gmail.example"_s},
                            {u"corpus-22@shop.test"_s, hard + u" departed@corp.example"_s},
                            {u"corpus-23@shop.test"_s, QString::number(int(Kind::Unsubscribe))
                                                               + u" reader.two@example.com"_s}}));
    // Nothing deleted, nothing marked as read (Dovecot moves what it saw
    // to cur/ and keeps the flags in the name).
    const QMap<QString, QString> after = files();
    QCOMPARE(after.keys(), before.keys());
    for (auto it = after.cbegin(); it != after.cend(); ++it)
        QVERIFY2(!it.value().contains(u'S'), qPrintable(it.key() + u" was marked as read"_s));

    const MailboxCheck::Result again = check(settings(), first.positions);
    QVERIFY2(again.ok, qPrintable(again.error));
    QCOMPARE(again.examined, 0);
    QVERIFY(again.reports.isEmpty());
    QCOMPARE(again.positions.value(u"INBOX"_s).lastUid, first.positions.value(u"INBOX"_s).lastUid);

    QFile one(corpus.filePath(u"hard-postfix-user-unknown.eml"_s));
    QVERIFY(one.open(QIODevice::ReadOnly));
    put(u"1765449999.M99P1.corpus"_s,
        one.readAll().replace("corpus-1@shop.test", "corpus-99@shop.test"));
    const MailboxCheck::Result later = check(settings(u"TLS"_s), again.positions);
    QVERIFY2(later.ok, qPrintable(later.error));
    QCOMPARE(later.examined, 1);
    QCOMPARE(later.reports.size(), 1);
    QCOMPARE(later.reports.at(0).originalMessageId, u"corpus-99@shop.test"_s);

    MailboxCheck::Positions renumbered = later.positions;
    ++renumbered[u"INBOX"_s].uidValidity;
    const MailboxCheck::Result reread = check(settings(), renumbered);
    QVERIFY2(reread.ok, qPrintable(reread.error));
    QCOMPARE(reread.examined, names.size() + 1);
    QCOMPARE(reread.reports.size(), first.reports.size() + 1);
    QCOMPARE(reread.positions.value(u"INBOX"_s).uidValidity,
             later.positions.value(u"INBOX"_s).uidValidity);
}

// A wrong password, an authority nobody trusts, a certificate for another
// name, a folder that is not there and a port nobody listens on: each fails the check with what to look at.
void TestMailboxCheck::refusalsAreSaidPlainly()
{
    MailboxCheck::Settings wrong = settings();
    wrong.password = u"not-it"_s;
    MailboxCheck::Result result = check(wrong);
    QVERIFY(!result.ok);
    QVERIFY2(result.error.startsWith(u"The server refused the login"_s), qPrintable(result.error));

    MailboxCheck::Settings untrusted = settings();
    untrusted.extraCaFile.clear();
    result = check(untrusted);
    QVERIFY(!result.ok);
    QVERIFY2(result.error.contains(u"certificate"_s), qPrintable(result.error));

    MailboxCheck::Settings otherName = settings();
    otherName.host = u"127.0.0.1"_s; // the certificate names localhost only
    result = check(otherName);
    QVERIFY(!result.ok);
    QVERIFY2(result.error.contains(u"certificate"_s), qPrintable(result.error));

    MailboxCheck::Settings missing = settings();
    missing.folders = {u"INBOX"_s, u"No such folder"_s};
    result = check(missing);
    QVERIFY(!result.ok);
    QVERIFY2(result.positions.contains(u"INBOX"_s), "the folders read before are kept");

    MailboxCheck::Settings closed = settings(u"None"_s);
    closed.port = 1;
    result = check(closed);
    QVERIFY(!result.ok);
    QVERIFY2(result.error.startsWith(u"Could not connect"_s), qPrintable(result.error));
}

// As a user meets it: a run, then a bounce and an unsubscribe reply about
// two of its recipients come back to the account's mailbox; the check lists
// both (matched by the Message-ID, not the addresses in the report's text),
// keeps the reports for the history, reads nothing twice after a restart,
// and the next run of the same message leaves the two out.
void TestMailboxCheck::reportsAfterARunSuppressItsRecipientsForTheNext()
{
    QDir().mkpath(m_work.path() + u"/smtp"_s);
    LoopbackServers smtp;
    const QString trouble = smtp.start(m_work.path() + u"/smtp"_s);
    QVERIFY2(trouble.isEmpty(), qPrintable(trouble));
    auto stopSmtp = qScopeGuard([&] { smtp.stop(); });
    const QString bounced = u"ok-bounce@run.test"_s, leaving = u"ok-leave@run.test"_s,
                  staying = u"ok-stay@run.test"_s;
    const QString account = smtp.info.value("user"_L1).toString();
    const QVariantMap params{{u"host"_s, u"127.0.0.1"_s},
                             {u"port"_s, smtp.port(u"faulty"_s)},
                             {u"connection"_s, u"Auto"_s},
                             {u"address"_s, account},
                             {u"password"_s, smtp.info.value("password"_L1).toString()},
                             {u"senderName"_s, u"News"_s},
                             {u"subject"_s, u"Winter news"_s},
                             {u"content"_s, u"Dear reader"_s},
                             {u"unsubscribe"_s, true}};
    // The messages the server took, by recipient.
    const auto receivedBy = [&] {
        QMultiHash<QString, QByteArray> messages;
        const QDir inbox(smtp.info.value("inbox"_L1).toString());
        for (const QString &name : inbox.entryList({u"*.json"_s})) {
            QFile meta(inbox.filePath(name)), eml(inbox.filePath(name.chopped(5) + u".eml"_s));
            if (meta.open(QIODevice::ReadOnly) && eml.open(QIODevice::ReadOnly))
                messages.insert(QJsonDocument::fromJson(meta.readAll())["rcpt_tos"_L1][0].toString(),
                                eml.readAll());
        }
        return messages;
    };

    SuppressionList list;
    list.setPath(m_work.path() + u"/suppression.tsv"_s);
    QTRY_VERIFY(list.loaded());
    SendingRun run;
    run.setJournalPath(m_work.path() + u"/run/run.journal"_s);
    run.setSuppression(&list);
    QSignalSpy ended(&run, &SendingRun::ended);
    QVERIFY(run.start(params,
                      {QVariantMap{{u"email"_s, bounced}}, QVariantMap{{u"email"_s, leaving}},
                       QVariantMap{{u"email"_s, staying}}}));
    QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 1, 30000);
    const QMultiHash<QString, QByteArray> first = receivedBy();
    QCOMPARE(first.size(), 3);
    static const QRegularExpression idHeader(u"(?m)^Message-I[Dd]: <([^>]+)>"_s);
    const QString bouncedId = idHeader.match(QString::fromUtf8(first.value(bounced))).captured(1);
    const QString leavingId = idHeader.match(QString::fromUtf8(first.value(leaving))).captured(1);
    QVERIFY(!bouncedId.isEmpty() && !leavingId.isEmpty());
    // The message offers a reply that names it, for mail programs that
    // leave In-Reply-To out, in a header written as it is (no encoded words).
    QVERIFY2(first.value(leaving).contains("\r\nList-Unsubscribe: <mailto:" + account.toUtf8()
                                           + "?subject=unsubscribe%20" + leavingId.toUtf8()
                                           + ">\r\n"),
             first.value(leaving).left(2000).constData());

    QFile corpusBounce(qEnvironmentVariable("PARVANE_SOURCE_DIR")
                       + u"/tests/data/mailbox/hard-postfix-user-unknown.eml"_s);
    QVERIFY(corpusBounce.open(QIODevice::ReadOnly));
    put(u"1765450001.M1P1.run"_s,
        corpusBounce.readAll().replace("corpus-1@shop.test", bouncedId.toUtf8()));
    put(u"1765450002.M2P1.run"_s,
        "From: <" + leaving.toUtf8() + ">\r\nTo: <" + account.toUtf8()
                + ">\r\nSubject: unsubscribe " + leavingId.toUtf8()
                + "\r\nMessage-ID: <reply-1@client.test>\r\nDate: Fri, 11 Dec 2026 10:00:00 +0000"
                  "\r\n\r\nunsubscribe\r\n");

    const QVariantMap mailbox{{u"address"_s, account},
                              {u"imapHost"_s, u"localhost"_s},
                              {u"imapPort"_s, settings().port},
                              {u"imapConnection"_s, u"SSL"_s},
                              {u"imapUsername"_s, settings().username},
                              {u"password"_s, settings().password}};
    const QString state = m_work.path() + u"/mailbox"_s;
    QString runId;
    {
        MailboxWatcher watcher;
        watcher.setFolder(state);
        watcher.setSuppression(&list);
        watcher.setProperty("historyPath", run.historyPath());
        watcher.setProperty("extraCaFile", settings().extraCaFile);
        QSignalSpy checked(&watcher, &MailboxWatcher::checked);
        QVERIFY(watcher.check({mailbox}));
        QVERIFY(!watcher.check({mailbox})); // one at a time
        QTRY_COMPARE_WITH_TIMEOUT(checked.size(), 1, 30000);
        QCOMPARE(checked.first(), (QVariantList{2, 2, QString()}));
        QCOMPARE(list.find(bounced).value(u"reason"_s).toString(), u"bounced"_s);
        QVERIFY(list.find(bounced).value(u"detail"_s).toString().contains(u"5.1.1"_s));
        QCOMPARE(list.find(leaving).value(u"reason"_s).toString(), u"unsubscribed"_s);
        QVERIFY(!list.contains(staying));
        RunHistory history;
        history.setPath(run.historyPath());
        history.reload();
        QTRY_VERIFY(!history.runs().isEmpty());
        runId = history.runs().first().toMap().value(u"id"_s).toString();
        QCOMPARE(watcher.counts(runId).toMap().value(u"bounced"_s).toInt(), 1);
        QCOMPARE(watcher.counts(runId).toMap().value(u"unsubscribed"_s).toInt(), 1);
        const QVariantList reports = watcher.reports(runId);
        QCOMPARE(reports.size(), 2);
        for (const QVariant &report : reports) {
            const QString text = watcher.reportText(report.toMap().value(u"id"_s).toString());
            QVERIFY2(text.contains(report.toMap().value(u"reason"_s) == "bounced"_L1 ? bouncedId
                                                                                     : leavingId),
                     qPrintable(text.left(300)));
        }
        QCOMPARE(watcher.reportText(u"../suppression"_s), QString());

        // The folder moved during a check: that check ends, keeping nothing.
        checked.clear();
        QVERIFY(watcher.check({mailbox}));
        watcher.setFolder(m_work.path() + u"/elsewhere"_s);
        QTRY_COMPARE_WITH_TIMEOUT(checked.size(), 1, 30000);
        QVERIFY(!watcher.busy());
        watcher.setFolder(state);
    }
    // After a restart: the reports are still there, and nothing is read twice.
    MailboxWatcher again;
    again.setFolder(state);
    again.setSuppression(&list);
    again.setProperty("historyPath", run.historyPath());
    again.setProperty("extraCaFile", settings().extraCaFile);
    QSignalSpy checkedAgain(&again, &MailboxWatcher::checked);
    QVERIFY(again.check({mailbox}));
    QTRY_COMPARE_WITH_TIMEOUT(checkedAgain.size(), 1, 30000);
    QCOMPARE(checkedAgain.first(), (QVariantList{0, 0, QString()}));
    QCOMPARE(again.counts(runId).toMap().value(u"bounced"_s).toInt(), 1);
    {
        // Beyond its limit the oldest reports go, with their messages.
        MailboxWatcher trimmed;
        trimmed.setProperty("maxReports", 1);
        trimmed.setFolder(state);
        QTRY_COMPARE(trimmed.revision(), 1);
        QCOMPARE(trimmed.reports(runId).size(), 1);
        QCOMPARE(QDir(state + u"/reports"_s).entryList(QDir::Files).size(), 1);
    }

    // The same message again: the two are left out, the third mailed again.
    SendingRun next;
    next.setJournalPath(m_work.path() + u"/run/run.journal"_s);
    next.setSuppression(&list);
    QSignalSpy nextEnded(&next, &SendingRun::ended);
    QVERIFY(next.start(params,
                       {QVariantMap{{u"email"_s, bounced}}, QVariantMap{{u"email"_s, leaving}},
                        QVariantMap{{u"email"_s, staying}}}));
    QTRY_COMPARE_WITH_TIMEOUT(nextEnded.size(), 1, 30000);
    const QMultiHash<QString, QByteArray> after = receivedBy();
    QCOMPARE(after.count(bounced), 1);
    QCOMPARE(after.count(leaving), 1);
    QCOMPARE(after.count(staying), 2);
}

QTEST_GUILESS_MAIN(TestMailboxCheck)
#include "tst_mailbox_check.moc"
