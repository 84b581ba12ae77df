#include "LoopbackServers.h"
#include "mailbox/MailboxCheck.h"

#include <QDir>
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
    QVERIFY(names.size() >= 14);
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
             (QMap<QString, QString>{{u"corpus-1@shop.test"_s, hard + u" gone@example.org"_s},
                                     {u"corpus-2@shop.test"_s, hard + u" left@example.net"_s},
                                     {u"corpus-3@shop.test"_s, hard + u" former@example.com"_s},
                                     {u"corpus-4@shop.test"_s,
                                      hard + u" someone@no-such-domain.example"_s},
                                     {u"corpus-5@shop.test"_s, soft + u" slow@example.org"_s},
                                     {u"corpus-6@shop.test"_s, soft + u" full@example.org"_s},
                                     {u"corpus-7@shop.test"_s, hard + u" typo@example.org"_s},
                                     {u"corpus-8@shop.test"_s, QString::number(int(Kind::Complaint))
                                                                       + u" reader@example.com"_s},
                                     {u"corpus-9@shop.test"_s,
                                      QString::number(int(Kind::Unsubscribe))
                                              + u" two@example.com"_s}}));
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

QTEST_GUILESS_MAIN(TestMailboxCheck)
#include "tst_mailbox_check.moc"
