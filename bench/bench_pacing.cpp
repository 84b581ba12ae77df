// Drives the real compose page offscreen against Postfix's smtp-sink:
//  (a) a paced run at 10 messages per second, timed from "Send" to the end
//      of the run, beside the same pacing done by a plain QTimer calling
//      sendEmail directly;
//  (b) a long run at top speed, with a 5 ms probe timer measuring the
//      longest gap in the event loop, beside the same deliveries made from
//      C++ without the page (what the deliveries themselves cost);
//  (c) the start of a run of a long list, step by step as a user goes
//      (Send, the summary, its confirmation, the first message), with the
//      longest gap of each step beside that of the idle window, the time to
//      the first message and the resident memory the run adds.
// Usage: bench_pacing [paced recipients = 100] [bulk recipients = 10000]
//                     [bulk speed in messages per second = 1000]
//                     [list sizes of the start case = 10000,250000]
// The last line sums it up; nothing is asserted.

#include "BenchSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickWindow>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QtQml/qqmlextensionplugin.h>
#include <QtWebView/QtWebView>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <malloc.h>
#include <unistd.h>

Q_IMPORT_QML_PLUGIN(contentPlugin)
Q_IMPORT_QML_PLUGIN(ParvanePlugin)

using namespace Qt::Literals::StringLiterals;

using benchsupport::freePort;
using benchsupport::StallProbe;
using benchsupport::waitForPort;
using benchsupport::waitUntil;

namespace {

const QString sender = u"bench@parvane.test"_s;
const QString dnsAddress = u"127.0.84.3"_s;

QString findTool(const QString &name)
{
    return QStandardPaths::findExecutable(name, {u"/usr/sbin"_s, u"/usr/bin"_s});
}

bool startSink(QProcess &sink, quint16 port)
{
    QStringList args;
    // smtp-sink must drop root privileges; any unprivileged user will do.
    if (geteuid() == 0)
        args << u"-u"_s << u"nobody"_s;
    args << u"127.0.0.1:"_s + QString::number(port) << u"256"_s;
    sink.setProgram(findTool(u"smtp-sink"_s));
    sink.setArguments(args);
    sink.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    sink.start();
    return sink.waitForStarted() && waitForPort(port);
}

// The page asks whether the machine is online before a run: a name server
// of our own answers for the probe name.
bool startDns(QProcess &dns)
{
    dns.setProgram(findTool(u"dnsmasq"_s));
    dns.setArguments({u"--keep-in-foreground"_s, u"--conf-file=/dev/null"_s, u"--port=53"_s,
                      u"--listen-address="_s + dnsAddress, u"--bind-interfaces"_s, u"--no-resolv"_s,
                      u"--no-hosts"_s, u"--user=root"_s,
                      u"--address=/probe.parvane.test/127.0.0.9"_s});
    dns.setProcessChannelMode(QProcess::ForwardedChannels);
    dns.start();
    if (!dns.waitForStarted())
        return false;
    QThread::msleep(300);
    qputenv("PARVANE_DNS_SERVER", dnsAddress.toLatin1());
    qputenv("PARVANE_PROBE_HOST", "probe.parvane.test");
    return dns.state() == QProcess::Running;
}

QString recipientText(int count, const QString &prefix)
{
    QStringList addresses;
    addresses.reserve(count);
    for (int i = 0; i < count; ++i)
        addresses << prefix + QString::number(i) + u"@sink.parvane.test"_s;
    return addresses.join(u"; "_s);
}

// The start of a run of a long list, step by step.
struct StartRun
{
    int total = 0;
    double idleGapMs = 0; // the window doing nothing, for reference
    double sendGapMs = 0; // from Send to the summary shown
    double summaryMs = 0;
    double confirmGapMs = 0; // from the confirmation to the first message
    double firstMessageMs = 0;
    qint64 sendingKiB = 0; // resident memory added, three seconds into sending
    qint64 peakKiB = 0;    // the peak above the memory before Send
};

struct PageRun
{
    double elapsedMs = 0;
    double longestGapMs = 0;
    double longestGapAtMs = 0;
    int sent = 0;
    int failed = 0;
};

class Bench
{
public:
    Bench(QQmlEngine &engine, quint16 port) : m_port(port)
    {
        m_window = benchsupport::createMainWindow(engine);
        if (!m_window)
            return;
        m_screen = m_window->property("screen").value<QObject *>();
        QObject *pages = m_screen->findChild<QObject *>(u"pagesStackView"_s);
        waitUntil([&] {
            QObject *page = pages->property("currentItem").value<QObject *>();
            return page && page->objectName() == "SendEmailsPage"_L1
                   && !pages->property("busy").toBool();
        });
        m_page = pages->property("currentItem").value<QObject *>();

        const QVariantMap account{{u"senderName"_s, u"Bench"_s},
                                  {u"serverName"_s, u"Sink"_s},
                                  {u"serverHost"_s, u"127.0.0.1"_s},
                                  {u"serverPort"_s, QString::number(port)},
                                  {u"connection"_s, u"None"_s},
                                  {u"address"_s, sender},
                                  {u"password"_s, u"unused"_s}};
        m_screen->setProperty("userComptes", QVariantList{account});
        m_screen->setProperty("userActiveCompte", sender);
        m_screen->setProperty("senderName", u"Bench Expéditeur"_s);
        m_screen->setProperty("subject", u"Lettre d'information — décembre"_s);
        m_screen->setProperty("detailEmailContent",
                              u"Bonjour {{email}},\nvoici les nouvelles du mois."_s);
    }
    ~Bench() { delete m_window; }

    bool ready() const { return m_page != nullptr; }

    // Recipients typed into the address field, or the contacts of a list
    // selected for sending.
    enum Recipients { Typed, List };

    PageRun run(int count, double mailsPs, Recipients source)
    {
        PageRun result;
        m_screen->setProperty("userMailsPs", mailsPs);
        if (source == Typed) {
            m_screen->setProperty("selectedLists", QVariantList{});
            m_screen->setProperty("recipient", recipientText(count, u"page"_s));
        } else {
            // Built in JavaScript and handed to the contact book.
            QMetaObject::invokeMethod(m_window, "fillList", Q_ARG(QVariant, u"Bench"_s),
                                      Q_ARG(QVariant, count),
                                      Q_ARG(QVariant, u"sink.parvane.test"_s));
            m_screen->setProperty("recipient", QString());
            m_screen->setProperty("selectedLists", QStringList{u"Bench"_s});
        }
        // The store writes changed state a moment later: let that pass, so
        // that the run measures the run alone.
        benchsupport::runEventsFor(1500);
        QObject *dialog = m_page->property("sendingDialog").value<QObject *>();

        StallProbe probe;
        probe.start();
        QElapsedTimer clock;
        clock.start();
        // As the sending-list hook starts a run: no summary to confirm.
        pressSend(false);
        // Time per thousand messages: it stays flat if nothing per recipient
        // grows with the length of the run.
        int reported = 0;
        qint64 lastMark = 0;
        QStringList thousands;
        waitUntil([&] {
            const int done = dialog->property("sent").toInt() + dialog->property("failed").toInt();
            if (done / 1000 > reported) {
                reported = done / 1000;
                const qint64 now = clock.elapsed();
                thousands << QString::number(now - lastMark);
                lastMark = now;
            }
            return !m_screen->property("isSenderRunning").toBool();
        });
        if (!thousands.isEmpty())
            std::printf("  ms per 1000 messages: %s\n", qPrintable(thousands.join(u' ')));
        result.elapsedMs = clock.nsecsElapsed() / 1e6;
        result.longestGapMs = probe.stopMs();
        result.longestGapAtMs = probe.longestAtMs();
        result.sent = dialog->property("sent").toInt();
        result.failed = dialog->property("failed").toInt();
        QMetaObject::invokeMethod(dialog, "close");
        return result;
    }

private:
    quint16 m_port;
    QObject *m_window = nullptr;
    QObject *m_screen = nullptr;
    QObject *m_page = nullptr;

    void pressSend(bool withSummary)
    {
        QVariant started;
        QMetaObject::invokeMethod(m_page, "sendEmails", Q_RETURN_ARG(QVariant, started),
                                  Q_ARG(QVariant, QVariant(withSummary)));
    }

public:
    StartRun start(int count);
};

// Kibibytes of a line of /proc/self/status ("VmRSS", "VmHWM").
qint64 statusKiB(const char *key)
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray prefix = QByteArray(key) + ':';
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

// Makes VmHWM start again from the resident size of now.
void resetPeakMemory()
{
    QFile clear(u"/proc/self/clear_refs"_s);
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

StartRun Bench::start(int count)
{
    StartRun result;
    m_screen->setProperty("userMailsPs", 100.0);
    QMetaObject::invokeMethod(m_window, "fillList", Q_ARG(QVariant, u"Start"_s),
                              Q_ARG(QVariant, count), Q_ARG(QVariant, u"sink.parvane.test"_s));
    m_screen->setProperty("recipient", QString());
    m_screen->setProperty("selectedLists", QStringList{u"Start"_s});
    // The script array that filled the book, and the store's write, pass
    // first, and what they freed goes back to the system.
    benchsupport::runEventsFor(3000);
    qjsEngine(m_screen)->collectGarbage();
    benchsupport::runEventsFor(500);
    malloc_trim(0);
    QObject *controller = m_screen->property("sendingController").value<QObject *>();
    QObject *summary = controller->property("summaryDialog").value<QObject *>();
    QObject *run = controller->property("run").value<QObject *>();
    QObject *dialog = controller->property("dialog").value<QObject *>();
    {
        StallProbe idle;
        idle.start();
        benchsupport::runEventsFor(1000);
        result.idleGapMs = idle.stopMs();
    }
    const qint64 before = statusKiB("VmRSS");
    resetPeakMemory();

    StallProbe probe;
    probe.start();
    QElapsedTimer clock;
    clock.start();
    pressSend(true);
    waitUntil([&] { return summary->property("opened").toBool(); });
    result.summaryMs = clock.nsecsElapsed() / 1e6;
    result.sendGapMs = probe.stopMs();
    result.total = summary->property("summary").toMap().value(u"total"_s).toInt();

    probe.start();
    clock.restart();
    QMetaObject::invokeMethod(controller, "confirmSummary", Q_ARG(QVariant, false),
                              Q_ARG(QVariant, false));
    QMetaObject::invokeMethod(summary, "close");
    waitUntil([&] { return run->property("sent").toInt() > 0; });
    result.firstMessageMs = clock.nsecsElapsed() / 1e6;
    result.confirmGapMs = probe.stopMs();
    // A few seconds of sending: the memory of the run under way.
    benchsupport::runEventsFor(3000);
    result.sendingKiB = statusKiB("VmRSS") - before;
    QMetaObject::invokeMethod(run, "stop");
    waitUntil([&] { return !run->property("busy").toBool(); });
    result.peakKiB = statusKiB("VmHWM") - before;
    QMetaObject::invokeMethod(dialog, "close");
    benchsupport::runEventsFor(1000);
    return result;
}

QJsonObject sendDirect(QmlCppBridge &bridge, quint16 port, int i)
{
    const QString to = u"direct"_s + QString::number(i) + u"@sink.parvane.test"_s;
    return bridge.sendEmail(u"127.0.0.1"_s, port, u"None"_s, sender, u"unused"_s,
                            u"Bench Expéditeur"_s, QJsonObject{{u"email"_s, to}},
                            u"Lettre d'information — décembre"_s,
                            u"Bonjour {{email}},\nvoici les nouvelles du mois."_s, QString(), {},
                            {}, QString());
}

// The same pacing without the page: a plain timer, one delivery per tick
// once the previous one has returned, the first at once.
double directPacedMs(quint16 port, int count, int intervalMs)
{
    QmlCppBridge bridge;
    QTimer timer;
    timer.setInterval(intervalMs);
    int next = 0;
    bool busy = false;
    QElapsedTimer clock;
    auto sendNext = [&] {
        if (busy || next >= count)
            return;
        busy = true;
        sendDirect(bridge, port, next++);
        busy = false;
        if (next >= count)
            timer.stop();
    };
    QObject::connect(&timer, &QTimer::timeout, sendNext);
    clock.start();
    sendNext();
    if (next < count)
        timer.start();
    waitUntil([&] { return next >= count && !busy; });
    return clock.nsecsElapsed() / 1e6;
}

// The same deliveries back to back, with the probe: the event-loop gaps
// that the deliveries cost by themselves.
double directLongestGapMs(quint16 port, int count)
{
    QmlCppBridge bridge;
    StallProbe probe;
    probe.start();
    int next = 0;
    QTimer timer;
    timer.setInterval(0);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (next < count)
            sendDirect(bridge, port, next++);
    });
    timer.start();
    waitUntil([&] { return next >= count; });
    timer.stop();
    return probe.stopMs();
}

double perSecond(int count, double elapsedMs)
{
    // Pacing is about the intervals between messages: n messages span n - 1.
    return count > 1 && elapsedMs > 0 ? (count - 1) * 1000.0 / elapsedMs : 0;
}

} // namespace

int main(int argc, char *argv[])
{
    const int pacedCount = argc > 1 ? std::max(2, atoi(argv[1])) : 100;
    const int bulkCount = argc > 2 ? std::max(2, atoi(argv[2])) : 10000;
    const double bulkSpeed = argc > 3 ? std::max(0.01, atof(argv[3])) : 1000;
    QList<int> startCounts{10000, 250000};
    if (argc > 4) {
        startCounts.clear();
        for (const QByteArray &count : QByteArray(argv[4]).split(','))
            startCounts.append(std::max(1, count.toInt()));
    }

    // A private settings store: the bench never touches a real user's settings.
    QTemporaryDir home;
    benchsupport::prepareQuickApplication(home.path());
    QGuiApplication app(argc, argv);

    QProcess dns;
    QProcess sink;
    const quint16 port = freePort();
    if (!startDns(dns) || !startSink(sink, port)) {
        std::fprintf(stderr, "could not start dnsmasq or smtp-sink\n");
        benchsupport::stopProcess(dns);
        benchsupport::stopProcess(sink);
        return 1;
    }

    int rc = 0;
    {
        QQmlEngine engine;
        benchsupport::setUpEngine(engine);
        Bench bench(engine, port);
        if (!bench.ready()) {
            rc = 1;
        } else {
            const int intervalMs = 100; // 10 messages per second
            const PageRun paced = bench.run(pacedCount, 10, Bench::Typed);
            const double pacedRate = perSecond(pacedCount, paced.elapsedMs);
            const double directPaced = directPacedMs(port, pacedCount, intervalMs);
            const double directRate = perSecond(pacedCount, directPaced);
            std::printf("paced: page %d messages (%d sent, %d failed) in %.0f ms, %.2f msg/s; "
                        "plain QTimer %.0f ms, %.2f msg/s; goal 10.00 msg/s\n",
                        pacedCount, paced.sent, paced.failed, paced.elapsedMs, pacedRate,
                        directPaced, directRate);
            std::fflush(stdout);

            const PageRun bulk = bench.run(bulkCount, bulkSpeed, Bench::List);
            const double directGap = directLongestGapMs(port, bulkCount);
            std::printf("bulk: page %d messages (%d sent, %d failed) at %g msg/s in %.0f ms, "
                        "%.1f msg/s, longest event-loop gap %.1f ms (%.0f ms into the run); "
                        "deliveries alone %.1f ms\n",
                        bulkCount, bulk.sent, bulk.failed, bulkSpeed, bulk.elapsedMs,
                        bulk.sent * 1000.0 / std::max(1.0, bulk.elapsedMs), bulk.longestGapMs,
                        bulk.longestGapAtMs, directGap);
            std::printf("pacing %.2f msg/s (%.1f%% off 10.00, plain QTimer %.2f); "
                        "bulk %d: longest stall %.1f ms, %.1f ms beyond the deliveries' own\n",
                        pacedRate, (pacedRate - 10.0) * 10.0, directRate, bulkCount,
                        bulk.longestGapMs, bulk.longestGapMs - directGap);
            std::fflush(stdout);

            for (const int count : std::as_const(startCounts)) {
                const StartRun start = bench.start(count);
                std::printf("start %d (summary says %d): Send to summary %.0f ms, longest stall "
                            "%.1f ms; confirmation to first message %.0f ms, longest stall "
                            "%.1f ms; idle window %.1f ms; memory +%.0f MiB sending, peak "
                            "+%.0f MiB\n",
                            count, start.total, start.summaryMs, start.sendGapMs,
                            start.firstMessageMs, start.confirmGapMs, start.idleGapMs,
                            start.sendingKiB / 1024.0, start.peakKiB / 1024.0);
                std::fflush(stdout);
            }
        }
    }
    benchsupport::stopProcess(sink);
    benchsupport::stopProcess(dns);
    return rc;
}
