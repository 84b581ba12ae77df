// Sends N messages through the bridge's sendEmail to smtp-sink on loopback,
// then has smtp-source send the same N messages (the very bytes we produced)
// to the same sink, one connection per message for both. Prints both rates
// and their ratio, for a plain message and for an HTML message with five
// images and two attachments. Then a sending run delivers N messages over
// its one connection, beside smtp-source -d doing the same on one
// connection; the last line sums it up with the run's connections and logins.

#include "BenchSupport.h"
#include "app/QmlCppBridge.h"
#include "run/SendingRun.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

using benchsupport::freePort;
using benchsupport::waitForPort;

namespace {

const QString sender = u"bench@parvane.test"_s;
const QString recipient = u"sink@parvane.test"_s;

struct Scenario
{
    QString name;
    QString content;
    QString html;
    QStringList references;
    QStringList attachments;
};

struct Result
{
    double ours = 0;   // messages per second
    double source = 0; // messages per second
    qint64 bytes = 0;
};

// smtp-sink must drop root privileges; any unprivileged user will do.
QStringList sinkArguments(quint16 port, const QStringList &extra)
{
    QStringList args = extra;
    if (geteuid() == 0)
        args << u"-u"_s << u"nobody"_s;
    args << u"127.0.0.1:"_s + QString::number(port) << u"256"_s;
    return args;
}

bool startSink(QProcess &sink, quint16 port, const QStringList &extra = {})
{
    sink.setProgram(QStandardPaths::findExecutable(u"smtp-sink"_s, {u"/usr/sbin"_s, u"/usr/bin"_s}));
    sink.setArguments(sinkArguments(port, extra));
    sink.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    sink.start();
    return sink.waitForStarted() && waitForPort(port);
}

QJsonObject sendOne(QmlCppBridge &bridge, quint16 port, const Scenario &s)
{
    const QJsonObject to{{u"email"_s, recipient},
                         {u"fullname"_s, u"Zoé Lefèvre"_s},
                         {u"firstname"_s, u"Zoé"_s}};
    return bridge.sendEmail(u"127.0.0.1"_s, port, u"None"_s, sender, QString(),
                            u"Bench Expéditeur"_s, to, u"Lettre d'information — décembre"_s,
                            s.content, s.html, s.references, s.attachments, QString());
}

// Sends one message to a dumping sink and returns the message as the sink
// received it, without the transaction lines the sink puts in front.
QByteArray captureMessage(QmlCppBridge &bridge, const Scenario &s, const QString &dumpDir)
{
    QProcess sink;
    const quint16 port = freePort();
    if (!startSink(sink, port, {u"-d"_s, dumpDir + u"/msg."_s}))
        return {};
    const QJsonObject verdict = sendOne(bridge, port, s);
    QThread::msleep(200);
    benchsupport::stopProcess(sink);
    if (verdict.value(u"error"_s).toBool(true)) {
        std::fprintf(stderr, "capture failed: %s\n",
                     qPrintable(verdict.value(u"text"_s).toString()));
        return {};
    }
    QDirIterator it(dumpDir, {u"msg.*"_s}, QDir::Files);
    if (!it.hasNext())
        return {};
    QFile file(it.next());
    file.open(QIODevice::ReadOnly);
    // The sink writes its transaction lines and its own Received header first.
    QList<QByteArray> lines = file.readAll().split('\n');
    while (!lines.isEmpty()
           && (lines.first().startsWith("X-Client-") || lines.first().startsWith("X-Helo-Args:")
               || lines.first().startsWith("X-Mail-Args:")
               || lines.first().startsWith("X-Rcpt-Args:")))
        lines.removeFirst();
    if (!lines.isEmpty() && lines.first().startsWith("Received:")) {
        lines.removeFirst();
        while (!lines.isEmpty() && lines.first().startsWith('\t'))
            lines.removeFirst();
    }
    QByteArray message = lines.join('\n');
    message.replace("\r\n", "\n");
    return message;
}

double runSource(quint16 port, int count, const QString &messageFile, bool oneConnection)
{
    QProcess source;
    source.setProgram(
            QStandardPaths::findExecutable(u"smtp-source"_s, {u"/usr/sbin"_s, u"/usr/bin"_s}));
    QStringList args{u"-m"_s, QString::number(count),
                     u"-s"_s, u"1"_s,
                     u"-F"_s, messageFile,
                     u"-f"_s, sender,
                     u"-t"_s, recipient,
                     u"-M"_s, u"localhost"_s};
    if (oneConnection)
        args.prepend(u"-d"_s);
    source.setArguments(args << u"127.0.0.1:"_s + QString::number(port));
    source.setProcessChannelMode(QProcess::ForwardedChannels);
    QElapsedTimer clock;
    clock.start();
    source.start();
    source.waitForFinished(600000);
    if (source.exitCode() != 0)
        std::fprintf(stderr, "smtp-source exited with %d\n", source.exitCode());
    return count * 1000.0 / qMax<qint64>(1, clock.elapsed());
}

Result run(const Scenario &s, int count, const QString &workDir)
{
    Result result;
    QmlCppBridge bridge;

    const QString dumpDir = workDir + u"/dump-"_s + s.name;
    QDir().mkpath(dumpDir);
    // The sink runs unprivileged and writes its dump files there.
    QFile::setPermissions(dumpDir, QFileDevice::Permissions(0x7777));
    const QByteArray message = captureMessage(bridge, s, dumpDir);
    if (message.isEmpty()) {
        std::fprintf(stderr, "%s: could not capture the message\n", qPrintable(s.name));
        return result;
    }
    result.bytes = message.size();
    const QString messageFile = workDir + u"/message-"_s + s.name + u".eml"_s;
    QFile out(messageFile);
    out.open(QIODevice::WriteOnly);
    out.write(message);
    out.close();

    QProcess sink;
    const quint16 port = freePort();
    if (!startSink(sink, port))
        return result;

    sendOne(bridge, port, s); // warm-up: first-call costs are not throughput
    QElapsedTimer clock;
    clock.start();
    int failed = 0;
    for (int i = 0; i < count; ++i)
        failed += sendOne(bridge, port, s).value(u"error"_s).toBool(true) ? 1 : 0;
    result.ours = count * 1000.0 / qMax<qint64>(1, clock.elapsed());
    if (failed)
        std::fprintf(stderr, "%s: %d of %d messages failed\n", qPrintable(s.name), failed, count);

    result.source = runSource(port, count, messageFile, false);

    benchsupport::stopProcess(sink);
    std::printf("%s: %d messages of %lld bytes: sendEmail %.1f msg/s, smtp-source %.1f msg/s, "
                "ratio %.2f\n",
                qPrintable(s.name), count, static_cast<long long>(result.bytes), result.ours,
                result.source, result.source > 0 ? result.ours / result.source : 0.0);
    std::fflush(stdout);
    return result;
}

struct ReuseResult
{
    double ours = 0;
    double source = 0;
    int connections = 0;
    int logins = 0;
    int sent = 0;
};

// A sending run without pacing (each delivery as the last ends) over one
// connection with login, beside smtp-source -d on one connection.
ReuseResult runReuse(const Scenario &s, int count, const QString &workDir)
{
    ReuseResult result;
    const QString messageFile = workDir + u"/message-"_s + s.name + u".eml"_s;
    QProcess sink;
    const quint16 port = freePort();
    if (!QFile::exists(messageFile) || !startSink(sink, port))
        return result;

    SendingRun run;
    run.setJournalPath(workDir + u"/reuse.journal"_s);
    run.setInterval(0);
    run.setProperty("messagesPerConnection", count + 1);
    const QVariantMap params{{u"host"_s, u"127.0.0.1"_s},
                             {u"port"_s, port},
                             {u"connection"_s, u"None"_s},
                             {u"address"_s, sender},
                             {u"password"_s, QString()},
                             {u"senderName"_s, u"Bench Expéditeur"_s},
                             {u"subject"_s, u"Lettre d'information — décembre"_s},
                             {u"content"_s, s.content},
                             {u"html"_s, s.html},
                             {u"localUrls"_s, s.references},
                             {u"attachments"_s, s.attachments},
                             {u"messageId"_s, u"benchreuse"_s}};
    QVariantList recipients;
    for (int i = 0; i < count; ++i)
        recipients.append(QVariantMap{{u"email"_s, u"sink%1@parvane.test"_s.arg(i)},
                                      {u"firstname"_s, u"Zoé"_s}});
    QEventLoop loop;
    QObject::connect(&run, &SendingRun::ended, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    clock.start();
    if (run.start(params, recipients))
        loop.exec();
    result.ours = count * 1000.0 / qMax<qint64>(1, clock.elapsed());
    result.sent = run.sent();
    result.connections = run.connections();
    result.logins = run.logins();
    if (result.sent != count)
        std::fprintf(stderr, "%s reuse: %d of %d messages sent\n", qPrintable(s.name), result.sent,
                     count);

    result.source = runSource(port, count, messageFile, true);
    benchsupport::stopProcess(sink);
    std::printf(
            "%s one connection: %d messages: sending run %.1f msg/s (%d connections, %d logins), "
            "smtp-source -d %.1f msg/s, ratio %.2f\n",
            qPrintable(s.name), count, result.ours, result.connections, result.logins,
            result.source, result.source > 0 ? result.ours / result.source : 0.0);
    std::fflush(stdout);
    return result;
}

Scenario htmlScenario(const QString &dir)
{
    Scenario s;
    s.name = u"html"_s;
    QString body = u"<html><head><title>Lettre</title></head><body><h1>Bonjour {{firstname}}</h1>"_s;
    for (int i = 0; i < 5; ++i) {
        QImage image(160, 120, QImage::Format_RGB32);
        image.fill(QColor::fromHsv(i * 60, 160, 220));
        QPainter painter(&image);
        painter.drawText(image.rect(), Qt::AlignCenter, u"Image %1"_s.arg(i + 1));
        painter.end();
        const QString name = u"image%1.png"_s.arg(i + 1);
        image.save(dir + u'/' + name);
        s.references << name;
        body += u"<p>Paragraphe %1 : voici les nouvelles de l'équipe.</p><img src=\"%2\">"_s
                        .arg(i + 1)
                        .arg(name);
    }
    body += u"</body></html>"_s;
    QFile html(dir + u"/letter.html"_s);
    html.open(QIODevice::WriteOnly);
    html.write(body.toUtf8());
    s.html = html.fileName();
    for (int i = 0; i < 2; ++i) {
        QFile attachment(dir + u"/attachment%1.bin"_s.arg(i + 1));
        attachment.open(QIODevice::WriteOnly);
        QByteArray bytes(48 * 1024, Qt::Uninitialized);
        for (char &c : bytes)
            c = static_cast<char>(QRandomGenerator::global()->bounded(256));
        attachment.write(bytes);
        s.attachments << attachment.fileName();
    }
    return s;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int count = argc > 1 ? qMax(1, QString::fromLocal8Bit(argv[1]).toInt()) : 300;

    QTemporaryDir work;
    // smtp-sink runs as an unprivileged user and must reach its dump folder.
    QFile::setPermissions(work.path(), QFileDevice::Permissions(0x7755));
    Scenario plain;
    plain.name = u"plain"_s;
    plain.content = u"Bonjour {{firstname}},\n\nVoici notre lettre d'information de décembre.\n"_s
                    + QString(u"Les détails suivent dans ce message.\n"_s).repeated(40);

    const Result p = run(plain, count, work.path());
    const Result h = run(htmlScenario(work.path()), count, work.path());
    const ReuseResult r = runReuse(plain, count, work.path());
    const bool ok = p.ours > 0 && p.source > 0 && h.ours > 0 && h.source > 0 && r.sent == count;
    std::printf("bench_send N=%d plain: %.1f vs %.1f msg/s ratio %.2f (goal >= 0.50); "
                "html: %.1f vs %.1f msg/s ratio %.2f; one connection: %.1f vs %.1f msg/s "
                "ratio %.2f (goal >= 0.80), %d connections, %d logins\n",
                count, p.ours, p.source, p.source > 0 ? p.ours / p.source : 0.0, h.ours, h.source,
                h.source > 0 ? h.ours / h.source : 0.0, r.ours, r.source,
                r.source > 0 ? r.ours / r.source : 0.0, r.connections, r.logins);
    return ok ? 0 : 1;
}
