#include "mailbox/MailboxReport.h"
#include "mailbox/MailboxVerdicts.h"

#include <QtTest>

using namespace Qt::Literals::StringLiterals;
using MailboxReport::Kind;

// Messages as they arrive in a sender's mailbox, in the documented forms of
// the servers that write them: what each says about earlier mail.
class TestMailboxReport : public QObject
{
    Q_OBJECT

private slots:
    void classified_data();
    void classified();
    void statusFieldsFolded();
    void verdictsFollowOurMessageIds();
};

namespace {

// A delivery status notification: a human part, the status fields, and the
// original message (whole, or its headers only).
QByteArray dsn(const QByteArray &extraHeaders, const QByteArray &recipients,
               const QByteArray &original, bool wholeOriginal)
{
    return "From: Mail Delivery System <MAILER-DAEMON@mail.example.net>\r\n"
           "To: news@shop.test\r\nSubject: Undelivered Mail Returned to Sender\r\n"
           + extraHeaders
           + "MIME-Version: 1.0\r\n"
             "Content-Type: multipart/report; report-type=delivery-status;\r\n"
             "\tboundary=\"B0UND\"\r\n\r\n"
             "--B0UND\r\nContent-Type: text/plain\r\n\r\nI'm sorry to have to inform you...\r\n"
             "--B0UND\r\nContent-Type: message/delivery-status\r\n\r\n"
             "Reporting-MTA: dns; mail.example.net\r\nArrival-Date: Fri, 11 Dec 2026 09:00:00 "
             "+0000\r\n\r\n"
           + recipients + "\r\n--B0UND\r\nContent-Type: "
           + (wholeOriginal ? "message/rfc822" : "text/rfc822-headers") + "\r\n\r\n" + original
           + "\r\n--B0UND--\r\n";
}

const QByteArray originalHeaders = "From: Shop <news@shop.test>\r\nTo: gone@example.org\r\n"
                                   "Subject: Spring\r\nMessage-ID: <run-1.abc@shop.test>\r\n";
const QByteArray originalMessage = originalHeaders + "\r\nHello\r\n";

} // namespace

void TestMailboxReport::classified_data()
{
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("findings"); // "kind recipient status" lines
    QTest::addColumn<QString>("original");

    const QByteArray unknownUser
            = "Final-Recipient: rfc822; gone@example.org\r\nOriginal-Recipient: "
              "rfc822;gone@example.org\r\n"
              "Action: failed\r\nStatus: 5.1.1\r\nRemote-MTA: dns; mx.example.org\r\n"
              "Diagnostic-Code: smtp; 550 5.1.1 <gone@example.org>: Recipient address\r\n"
              " rejected: User unknown in local recipient table\r\n";
    QTest::newRow("postfix, user unknown, headers only")
            << dsn({}, unknownUser, originalHeaders, false) << int(Kind::HardBounce)
            << u"1 gone@example.org 5.1.1"_s << u"run-1.abc@shop.test"_s;
    QTest::newRow("exim, whole message, marked automatic") << dsn(
            "Auto-Submitted: auto-replied\r\nX-Failed-Recipients: gone@example.org\r\n",
            "Final-Recipient: rfc822;gone@example.org\r\nAction: failed\r\nStatus: 5.0.0\r\n",
            originalMessage, true) << int(Kind::HardBounce) << u"1 gone@example.org 5.0.0"_s
                                                           << u"run-1.abc@shop.test"_s;
    QTest::newRow("exchange, mailbox full")
            << dsn({},
                   "Final-Recipient: rfc822;full@example.com\r\nAction: failed\r\n"
                   "Status: 5.2.2\r\nDiagnostic-Code: smtp;554 5.2.2 mailbox full\r\n",
                   originalHeaders, false)
            << int(Kind::HardBounce) << u"1 full@example.com 5.2.2"_s << u"run-1.abc@shop.test"_s;
    QTest::newRow("delayed") << dsn(
            {},
            "Final-Recipient: rfc822; slow@example.org\r\nAction: delayed\r\n"
            "Status: 4.4.7\r\nWill-Retry-Until: Sun, 13 Dec 2026 09:00:00 +0000\r\n",
            originalHeaders, false)
                             << int(Kind::SoftBounce) << u"2 slow@example.org 4.4.7"_s
                             << u"run-1.abc@shop.test"_s;
    QTest::newRow("failed for now") << dsn(
            {}, "Final-Recipient: rfc822; busy@example.org\r\nAction: failed\r\nStatus: 4.2.2\r\n",
            originalHeaders, false) << int(Kind::SoftBounce)
                                    << u"2 busy@example.org 4.2.2"_s << u"run-1.abc@shop.test"_s;
    QTest::newRow("one failed, one delivered") << dsn(
            {},
            "Final-Recipient: rfc822; ok@example.org\r\nAction: delivered\r\nStatus: 2.0.0\r\n\r\n"
                    + unknownUser,
            originalHeaders, false) << int(Kind::HardBounce)
                                               << u"1 gone@example.org 5.1.1"_s
                                               << u"run-1.abc@shop.test"_s;

    const QByteArray arf
            = "From: feedback@provider.example\r\nTo: abuse@shop.test\r\nSubject: FW: Spring\r\n"
              "MIME-Version: 1.0\r\nContent-Type: multipart/report; "
              "report-type=feedback-report;\r\n"
              " boundary=\"ARF\"\r\n\r\n--ARF\r\nContent-Type: text/plain\r\n\r\nAn abuse "
              "report.\r\n"
              "--ARF\r\nContent-Type: message/feedback-report\r\n\r\nFeedback-Type: abuse\r\n"
              "User-Agent: ProviderFBL/1.0\r\nVersion: 1\r\n";
    QTest::newRow("feedback report")
            << arf
                       + "Original-Rcpt-To: <reader@example.com>\r\n\r\n--ARF\r\n"
                         "Content-Type: message/rfc822\r\n\r\n"
                       + originalMessage + "\r\n--ARF--\r\n"
            << int(Kind::Complaint) << u"3 reader@example.com "_s << u"run-1.abc@shop.test"_s;
    QTest::newRow("feedback report naming no recipient")
            << arf + "\r\n--ARF\r\nContent-Type: message/rfc822\r\n\r\n" + originalMessage
                       + "\r\n--ARF--\r\n"
            << int(Kind::Complaint) << u"3 gone@example.org "_s << u"run-1.abc@shop.test"_s;

    QTest::newRow("unsubscribe reply")
            << QByteArray("From: Reader <Reader@Example.com>\r\nTo: news@shop.test\r\n"
                          "Subject: RE: Re: unsubscribe\r\nIn-Reply-To: <run-2@shop.test>\r\n\r\n"
                          "Please stop.\r\n")
            << int(Kind::Unsubscribe) << u"4 Reader@Example.com "_s << u"run-2@shop.test"_s;
    QTest::newRow("out of office") << QByteArray(
            "From: boss@example.com\r\nTo: news@shop.test\r\nSubject: Out of office\r\n"
            "Auto-Submitted: auto-replied\r\n\r\nBack on Monday.\r\n")
                                   << int(Kind::AutoReply) << QString() << QString();
    QTest::newRow("automatic reply to the unsubscribe address") << QByteArray(
            "From: boss@example.com\r\nTo: news@shop.test\r\nSubject: Re: unsubscribe\r\n"
            "X-Autoreply: yes\r\n\r\nBack on Monday.\r\n") << int(Kind::AutoReply)
                                                                << QString() << QString();
    QTest::newRow("ordinary mail, an address in its text") << QByteArray(
            "From: client@example.com\r\nTo: news@shop.test\r\nSubject: A question\r\n\r\n"
            "Final-Recipient: rfc822; gone@example.org\r\nAction: failed\r\n"
            "Status: 5.1.1\r\nunsubscribe\r\n") << int(Kind::Ordinary)
                                                           << QString() << QString();
    QTest::newRow("not a message") << QByteArray("\x01\x02 garbage \xff\r\n\r\n--")
                                   << int(Kind::Ordinary) << QString() << QString();
}

void TestMailboxReport::classified()
{
    QFETCH(QByteArray, message);
    QFETCH(int, kind);
    QFETCH(QString, findings);
    QFETCH(QString, original);
    const MailboxReport::Report report = MailboxReport::classify(message, u"unsubscribe"_s);
    QCOMPARE(int(report.kind), kind);
    QStringList seen;
    for (const MailboxReport::Finding &finding : report.findings)
        seen.append(u"%1 %2 %3"_s.arg(int(finding.kind)).arg(finding.recipient, finding.status));
    QCOMPARE(seen.join(u'\n'), findings);
    QCOMPARE(report.originalMessageId, original);
}

void TestMailboxReport::statusFieldsFolded()
{
    const auto blocks = MailboxReport::statusBlocks(
            "Reporting-MTA: dns; a.example\r\n\r\nFinal-Recipient: rfc822; x@example.org\r\n"
            "Diagnostic-Code: smtp; 550 5.1.1\r\n\tuser unknown\r\nNo colon here\r\n");
    QCOMPARE(blocks.size(), 2);
    QCOMPARE(blocks.at(1).size(), 2);
    QCOMPARE(blocks.at(1).at(1).first, u"diagnostic-code"_s);
    QCOMPARE(blocks.at(1).at(1).second, u"smtp; 550 5.1.1 user unknown"_s);
}

// Three checks of the mailbox, the counts kept on disk between them: only
// reports about messages of ours count, each for the recipient its run
// mailed; a third temporary failure in a third run suppresses.
void TestMailboxReport::verdictsFollowOurMessageIds()
{
    const auto about = [](const QByteArray &id, const QByteArray &recipient,
                          const QByteArray &action, const QByteArray &status) {
        const QByteArray headers = "From: Shop <news@shop.test>\r\nTo: " + recipient
                                   + "\r\nMessage-ID: <" + id + ">\r\n";
        return MailboxReport::classify(dsn({},
                                           "Final-Recipient: rfc822; " + recipient + "\r\nAction: "
                                                   + action + "\r\nStatus: " + status
                                                   + "\r\nDiagnostic-Code: smtp; "
                                                   + (status.startsWith('5') ? "550 " : "452 ")
                                                   + status + " said the server\r\n",
                                           headers, false),
                                       u"unsubscribe"_s);
    };
    const QHash<QString, RunHistory::Sent>
            sent{{u"a1@shop.test"_s, {u"run-1"_s, u"Gone@Example.org"_s}},
                 {u"b1@shop.test"_s, {u"run-1"_s, u"slow@example.org"_s}},
                 {u"b2@shop.test"_s, {u"run-2"_s, u"slow@example.org"_s}},
                 {u"b3@shop.test"_s, {u"run-3"_s, u"slow@example.org"_s}},
                 {u"c1@shop.test"_s, {u"run-1"_s, u"reader@example.com"_s}},
                 {u"run-2@shop.test"_s, {u"run-2"_s, u"Other@Example.com"_s}}};

    // Ours: a hard bounce (named by its run's address, whatever the report
    // calls it), two temporary failures of one message and one of another
    // run; not ours: a bounce of another message for the same address.
    QList<MailboxReport::Report> first{about("a1@shop.test", "alias@example.org", "failed", "5.1.1"),
                                       about("b1@shop.test", "slow@example.org", "delayed", "4.4.7"),
                                       about("b1@shop.test", "slow@example.org", "failed", "4.2.2"),
                                       about("b2@shop.test", "slow@example.org", "delayed", "4.4.7"),
                                       about("zz@elsewhere.test", "reader@example.com", "failed",
                                             "5.1.1")};
    QCOMPARE(MailboxVerdicts::messageIds(first).size(), 4);
    MailboxVerdicts::SoftBounces soft;
    QList<MailboxVerdicts::Suppress> verdicts = MailboxVerdicts::judge(first, sent, &soft);
    QCOMPARE(verdicts.size(), 1);
    QCOMPARE(verdicts.at(0).address, u"Gone@Example.org"_s);
    QCOMPARE(verdicts.at(0).reason, u"bounced"_s);
    QCOMPARE(verdicts.at(0).runId, u"run-1"_s);
    QVERIFY2(verdicts.at(0).detail.startsWith(u"550 5.1.1 said the server"_s),
             qPrintable(verdicts.at(0).detail));
    QCOMPARE(soft.value(u"slow@example.org"_s).size(), 2);

    // Quit, then start: a complaint, an unsubscribe reply, an automatic
    // reply, and the third run's temporary failure.
    soft = MailboxVerdicts::fromJson(MailboxVerdicts::toJson(soft));
    QByteArray arf = "From: fbl@provider.example\r\nTo: abuse@shop.test\r\nMIME-Version: 1.0\r\n"
                     "Content-Type: multipart/report; report-type=feedback-report; "
                     "boundary=\"A\"\r\n\r\n--A\r\nContent-Type: message/feedback-report\r\n\r\n"
                     "Feedback-Type: abuse\r\nVersion: 1\r\n\r\n--A\r\n"
                     "Content-Type: text/rfc822-headers\r\n\r\n"
                     "To: reader@example.com\r\nMessage-ID: <c1@shop.test>\r\n\r\n--A--\r\n";
    const QList<MailboxReport::Report> second{
            MailboxReport::classify(arf, u"unsubscribe"_s),
            MailboxReport::classify("From: other@example.com\r\nSubject: Re: unsubscribe\r\n"
                                    "In-Reply-To: <run-2@shop.test>\r\n\r\nStop.\r\n",
                                    u"unsubscribe"_s),
            MailboxReport::classify("From: reader@example.com\r\nSubject: Re: unsubscribe\r\n"
                                    "Auto-Submitted: auto-replied\r\n"
                                    "In-Reply-To: <a1@shop.test>\r\n\r\nAway.\r\n",
                                    u"unsubscribe"_s),
            about("b3@shop.test", "slow@example.org", "failed", "4.2.2")};
    verdicts = MailboxVerdicts::judge(second, sent, &soft);
    QStringList seen;
    for (const MailboxVerdicts::Suppress &verdict : verdicts)
        seen.append(verdict.address + u' ' + verdict.reason + u' ' + verdict.runId);
    QCOMPARE(seen, (QStringList{u"reader@example.com complained run-1"_s,
                                u"Other@Example.com unsubscribed run-2"_s,
                                u"slow@example.org bounced run-3"_s}));
    QVERIFY2(soft.isEmpty(), "a suppressed address is no longer counted");
    QVERIFY(MailboxVerdicts::fromJson("not json").isEmpty());
}

QTEST_APPLESS_MAIN(TestMailboxReport)
#include "tst_mailboxreport.moc"
