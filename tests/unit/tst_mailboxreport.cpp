#include "mailbox/MailboxReport.h"

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

QTEST_APPLESS_MAIN(TestMailboxReport)
#include "tst_mailboxreport.moc"
