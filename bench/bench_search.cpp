// A search run of the real search page over pages of the real web service's
// corpus (served by the service itself), with domain checks against dnsmasq:
// the run's total time beside its pacing floor (one page per 500 ms tick),
// the same pages fetched back to back by the page job alone, and the longest
// stall of the event loop during the run (a 5 ms probe timer).
// Usage: bench_search [pages = 100]   (rounded to tens: ten pages a domain)
// The last line sums it up; nothing is asserted.

#include "BenchSupport.h"
#include "search/PageFetch.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtQml/qqmlextensionplugin.h>

#include <cstdio>

Q_IMPORT_QML_PLUGIN(contentPlugin)
Q_IMPORT_QML_PLUGIN(ParvanePlugin)

using namespace Qt::Literals::StringLiterals;
using benchsupport::waitUntil;

namespace {

const QString dnsAddress = u"127.0.87.2"_s;

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QObject *currentItem(QObject *screen, const char *stack)
{
    QObject *view = screen->findChild<QObject *>(QString::fromLatin1(stack));
    return view ? view->property("currentItem").value<QObject *>() : nullptr;
}

} // namespace

int main(int argc, char *argv[])
{
    const int domains = std::max(1, (argc > 1 ? atoi(argv[1]) : 100) / 10);
    const int pages = domains * 10;

    QTemporaryDir home;
    benchsupport::prepareQuickApplication(home.path());
    QGuiApplication app(argc, argv);
    const QString serviceBin = QCoreApplication::applicationDirPath()
                               + "/../service/parvane-service"_L1;
    const QString dnsmasqBin = QStandardPaths::findExecutable(u"dnsmasq"_s, {u"/usr/sbin"_s});
    if (!QFile::exists(serviceBin) || dnsmasqBin.isEmpty()) {
        std::fprintf(stderr, "needs %s and dnsmasq\n", qPrintable(serviceBin));
        return 1;
    }

    // Each page names one address of its domain and one of another domain.
    QTemporaryDir dir;
    QStringList domainField;
    QStringList dnsArguments{u"--keep-in-foreground"_s,
                             u"--conf-file=/dev/null"_s,
                             u"--port=53"_s,
                             u"--listen-address="_s + dnsAddress,
                             u"--bind-interfaces"_s,
                             u"--no-resolv"_s,
                             u"--no-hosts"_s,
                             u"--user=root"_s,
                             u"--pid-file="_s,
                             u"--local=/bench.test/"_s,
                             u"--address=/probe.parvane.test/127.0.0.9"_s};
    for (int d = 0; d < domains; ++d) {
        domainField << u"@d%1.bench.test"_s.arg(d);
        dnsArguments << u"--mx-host=d%1.bench.test,mail.bench.test,10"_s.arg(d);
    }
    for (int i = 0; i < pages; ++i)
        writeFile(dir.filePath(u"corpus/page-%1.html"_s.arg(i)),
                  QStringLiteral("<html><body><h1>bench agency %1</h1><p>Write to "
                                 "u%1@d%2.bench.test or sales%1@elsewhere.bench.test</p>"
                                 "%3</body></html>")
                          .arg(i)
                          .arg(i % domains)
                          .arg(QString(u"<p>filler text</p>"_s).repeated(200))
                          .toUtf8());

    QProcess dns;
    dns.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    dns.start(dnsmasqBin, dnsArguments);
    dns.waitForStarted();
    qputenv("PARVANE_DNS_SERVER", dnsAddress.toLatin1());
    qputenv("PARVANE_PROBE_HOST", "probe.parvane.test");

    writeFile(dir.filePath(u"service.json"_s),
              QJsonDocument(QJsonObject{{u"templates"_s, u"templates"_s},
                                        {u"corpus"_s, u"corpus"_s},
                                        {u"version"_s, u"2.1.1"_s}})
                      .toJson());
    QProcess service;
    service.setStandardOutputFile(dir.filePath(u"service.log"_s));
    service.setProcessChannelMode(QProcess::SeparateChannels);
    service.start(serviceBin, {u"--config"_s, dir.filePath(u"service.json"_s), u"--port"_s, u"0"_s});
    service.waitForStarted();
    QString base;
    for (int i = 0; i < 200 && base.isEmpty(); ++i) {
        QFile log(dir.filePath(u"service.log"_s));
        if (log.open(QIODevice::ReadOnly)) {
            const QString first = QString::fromUtf8(log.readLine().trimmed());
            if (first.startsWith("listening on "_L1))
                base = first.mid(13);
        }
        QThread::msleep(25);
    }
    if (base.isEmpty()) {
        std::fprintf(stderr, "the service did not start\n");
        benchsupport::stopProcess(dns);
        return 1;
    }
    qputenv("PARVANE_API_BASE_URL", base.toUtf8());

    int rc = 0;
    {
        QQmlEngine engine;
        benchsupport::setUpEngine(engine);
        QQuickWindow *window = benchsupport::createMainWindow(engine);
        QObject *screen = window ? window->property("screen").value<QObject *>() : nullptr;
        if (!screen) {
            rc = 1;
        } else {
            waitUntil([&] { return !screen->property("loading").toBool(); });
            QMetaObject::invokeMethod(screen, "openPage", Q_ARG(QVariant, u"search"_s),
                                      Q_ARG(QVariant, QVariant()));
            waitUntil([&] {
                QObject *page = currentItem(screen, "pagesStackView");
                return page && page->objectName() == "SearchPage"_L1
                       && !screen->property("loading").toBool();
            });
            QObject *page = currentItem(screen, "pagesStackView");
            page->setProperty("terms", u"bench agency"_s);
            page->setProperty("domains", domainField.join(u", "_s));
            benchsupport::runEventsFor(1500);

            benchsupport::StallProbe probe;
            probe.start();
            QElapsedTimer clock;
            clock.start();
            QMetaObject::invokeMethod(page, "search");
            waitUntil([&] {
                return screen->property("isSearchRunning").toBool()
                       || (!screen->property("loading").toBool() && clock.elapsed() > 200);
            });
            waitUntil([&] { return !screen->property("isSearchRunning").toBool(); });
            const double runMs = clock.elapsed();
            const double stallMs = probe.stopMs();
            QObject *run = page->property("run").value<QObject *>();
            const QVariantList answer = run->property("resultLinks").toList();
            QStringList links;
            for (const QVariant &entry : answer)
                links += entry.toMap().value(u"links"_s).toStringList();
            const int found = screen->property("lastSearchContacts").toList().size();

            // The same pages, one after another, by the page job alone.
            PageFetch fetch;
            fetch.setAllowedOrigin(QUrl(base));
            QElapsedTimer plain;
            plain.start();
            for (const QString &link : links) {
                QSignalSpy done(&fetch, &PageFetch::finished);
                fetch.fetch(link);
                done.wait(20000);
            }
            const double plainMs = plain.elapsed();
            const double floorMs = 500.0 * links.size();
            std::printf("links %lld, addresses kept %d\n", qlonglong(links.size()), found);
            std::printf("search run over %lld pages: %.0f ms (pacing floor %.0f ms, %.1f ms a "
                        "page above it); plain fetches %.0f ms; longest event-loop stall %.1f "
                        "ms\n",
                        qlonglong(links.size()), runMs, floorMs,
                        links.isEmpty() ? 0.0 : (runMs - floorMs) / links.size(), plainMs, stallMs);
            if (links.size() != pages)
                rc = 1;
        }
        delete window;
    }
    benchsupport::stopProcess(service);
    benchsupport::stopProcess(dns);
    return rc;
}
