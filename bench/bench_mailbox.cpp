// The mailbox check over a big mailbox in Dovecot on loopback: N messages,
// one in a hundred a bounce. The first check and a later one (after a few
// new messages) as the program runs them, each with the longest event-loop
// stall of the window's thread, beside Python's imaplib fetching every
// header of the same folder in one command. Timings are printed, never asserted.
// Run: build/bench/bench_mailbox [messages]

#include "BenchSupport.h"

#include "mailbox/MailboxWatcher.h"
#include "suppression/SuppressionList.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {

QByteArray message(int i)
{
    const QByteArray n = QByteArray::number(i);
    if (i % 100 == 0)
        return "From: MAILER-DAEMON@mx.bench.test\nTo: news@bench.test\nSubject: Undelivered\n"
               "MIME-Version: 1.0\nContent-Type: multipart/report; report-type=delivery-status;"
               " boundary=\"R\"\n\n--R\nContent-Type: message/delivery-status\n\n"
               "Reporting-MTA: dns; mx.bench.test\n\nFinal-Recipient: rfc822; gone"
               + n
               + "@bench.test\nAction: failed\nStatus: 5.1.1\n\n--R\n"
                 "Content-Type: text/rfc822-headers\n\nMessage-ID: <bench-"
               + n + "@bench.test>\n\n--R--\n";
    return "From: client" + n + "@example.com\nTo: news@bench.test\nSubject: Question " + n
           + "\nMessage-ID: <m" + n + "@example.com>\nDate: Fri, 11 Dec 2026 09:00:00 +0000\n\n"
           + QByteArray(600, 'x') + "\n";
}

// Messages that arrived long ago are in cur/, seen by the user's mail
// program; those that just arrived in new/.
void fill(const QString &maildir, int from, int to, bool seen)
{
    for (int i = from; i < to; ++i) {
        const QString name = u"%1.M%2P1.bench"_s.arg(1765440000 + i).arg(i);
        QFile file(maildir + u"/tmp/"_s + name);
        file.open(QIODevice::WriteOnly);
        file.write(message(i));
        file.close();
        QFile::rename(file.fileName(),
                      seen ? maildir + u"/cur/"_s + name + u":2,S"_s : maildir + u"/new/"_s + name);
    }
}

// Python's imaplib: every header of the folder in one command; milliseconds.
double imaplibHeaders(const QJsonObject &server)
{
    const QString script = QString::fromUtf16(uR"py(
import imaplib, ssl, sys, time
context = ssl.create_default_context(cafile=sys.argv[2])
box = imaplib.IMAP4_SSL("localhost", int(sys.argv[1]), ssl_context=context)
box.login(sys.argv[3], sys.argv[4])
box.select("INBOX", readonly=True)
start = time.monotonic()
kind, data = box.uid("FETCH", "1:*", "(UID BODY.PEEK[HEADER])")
print((time.monotonic() - start) * 1000, len(data) // 2)
box.logout()
)py");
    QProcess python;
    python.start(u"/usr/bin/python3"_s,
                 {u"-c"_s, script,
                  QString::number(server.value("ports"_L1).toObject().value("imaps"_L1).toInt()),
                  server.value("ca"_L1).toString(), server.value("user"_L1).toString(),
                  server.value("password"_L1).toString()});
    python.waitForFinished(600000);
    return python.readAllStandardOutput().split(' ').value(0).toDouble();
}

struct Check
{
    double ms = 0;
    double stallMs = 0;
    QVariantList result;
};

Check check(MailboxWatcher &watcher, const QVariantMap &account)
{
    QSignalSpy checked(&watcher, &MailboxWatcher::checked);
    benchsupport::StallProbe probe;
    QElapsedTimer clock;
    probe.start();
    clock.start();
    watcher.check({account});
    benchsupport::waitUntil([&] { return !checked.isEmpty(); });
    Check figures;
    figures.ms = clock.nsecsElapsed() / 1e6;
    figures.stallMs = probe.stopMs();
    figures.result = checked.first();
    return figures;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? std::max(1, atoi(argv[1])) : 50000;
    QTemporaryDir work;
    QProcess server;
    server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    server.start(u"/usr/bin/python3"_s,
                 {QStringLiteral(PARVANE_SOURCE_DIR) + u"/tests/servers/imap_server.py"_s,
                  work.path()});
    if (!server.waitForReadyRead(60000)) {
        std::fprintf(stderr, "Dovecot did not start\n");
        return 1;
    }
    const QJsonObject info = QJsonDocument::fromJson(server.readLine()).object();
    const QString maildir = info.value("maildir"_L1).toString();
    fill(maildir, 0, count, true);

    // Dovecot indexes the folder at its first opening: done before both.
    imaplibHeaders(info);
    const double reference = imaplibHeaders(info);

    SuppressionList list;
    list.setPath(work.path() + u"/suppression.tsv"_s);
    benchsupport::waitUntil([&list] { return list.loaded(); });
    MailboxWatcher watcher;
    watcher.setFolder(work.path() + u"/state"_s);
    watcher.setSuppression(&list);
    watcher.setProperty("historyPath", work.path() + u"/runs"_s);
    watcher.setProperty("extraCaFile", info.value("ca"_L1).toString());
    const QVariantMap account{{u"address"_s, u"news@bench.test"_s},
                              {u"imapHost"_s, u"localhost"_s},
                              {u"imapPort"_s,
                               info.value("ports"_L1).toObject().value("imaps"_L1).toInt()},
                              {u"imapUsername"_s, info.value("user"_L1).toString()},
                              {u"password"_s, info.value("password"_L1).toString()}};
    benchsupport::runEventsFor(200); // the watcher reads its state
    const Check first = check(watcher, account);
    fill(maildir, count, count + 100, false);
    const Check later = check(watcher, account);

    std::printf("mailbox of %d messages (%d bounces), Dovecot on loopback\n", count,
                (count + 99) / 100);
    std::printf("  imaplib, every header in one command:  %8.0f ms\n", reference);
    std::printf("  first check:                           %8.0f ms, longest stall %5.1f ms%s\n",
                first.ms, first.stallMs,
                first.result.value(2).toString().isEmpty() ? "" : "  (failed)");
    std::printf("  later check, 100 new messages:         %8.0f ms, longest stall %5.1f ms%s\n",
                later.ms, later.stallMs,
                later.result.value(2).toString().isEmpty() ? "" : "  (failed)");
    if (!first.result.value(2).toString().isEmpty())
        std::printf("  error: %s\n", qPrintable(first.result.value(2).toString()));
    server.closeWriteChannel();
    server.waitForFinished(10000);
    return first.result.value(2).toString().isEmpty() ? 0 : 1;
}
