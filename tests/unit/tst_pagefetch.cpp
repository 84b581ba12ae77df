// The search's page job: address extraction against the pattern it stands
// for, fetches from a loopback server that answers, refuses, stalls or
// sends too much, and the addresses it may reach: public ones only, but for
// the web service's own site.

#include "search/PageFetch.h"

#include "net/WebAddress.h"

#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// A loopback server with one way of answering for every request, but for
// the paths it is told to redirect; over TLS when given a certificate chain.
class PageServer : public QObject
{
public:
    enum Mode { Page, NotFound, Silent, Endless, RedirectToFile };

    explicit PageServer(Mode mode, QByteArray body = {}, const QString &chain = {},
                        const QString &key = {})
        : m_mode(mode), m_body(std::move(body))
    {
        if (chain.isEmpty()) {
            m_server = std::make_unique<QTcpServer>();
        } else {
            auto tls = std::make_unique<QSslServer>();
            QFile keyFile(key);
            keyFile.open(QIODevice::ReadOnly);
            QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
            configuration.setLocalCertificateChain(QSslCertificate::fromPath(chain));
            configuration.setPrivateKey(QSslKey(&keyFile, QSsl::Ec));
            tls->setSslConfiguration(configuration);
            m_server = std::move(tls);
            m_tls = true;
        }
        m_server->listen(QHostAddress::LocalHost);
        connect(m_server.get(), &QTcpServer::pendingConnectionAvailable, this, [this] {
            while (QTcpSocket *socket = m_server->nextPendingConnection()) {
                // A connection counts before its request: reaching the
                // server at all is what a refusal must prevent.
                ++m_connections;
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    const QByteArray head = socket->property("head").toByteArray()
                                            + socket->readAll();
                    socket->setProperty("head", head);
                    if (!head.contains("\r\n\r\n"))
                        return;
                    m_requests.append(head);
                    answer(socket, head);
                });
            }
        });
    }

    quint16 port() const { return m_server->serverPort(); }
    QString url(const QString &path = u"/page.html"_s) const
    {
        return u"%1://127.0.0.1:%2%3"_s.arg(m_tls ? u"https"_s : u"http"_s).arg(port()).arg(path);
    }
    // Requests for `path` are answered with a 302 to `location`.
    void redirect(const QByteArray &path, const QByteArray &location)
    {
        m_redirects.insert(path, location);
    }
    // Whole request heads, in arrival order.
    const QList<QByteArray> &requests() const { return m_requests; }
    int connections() const { return m_connections; }

private:
    void answer(QTcpSocket *socket, const QByteArray &head)
    {
        const QByteArray path = head.left(head.indexOf("\r\n")).split(' ').value(1);
        if (m_redirects.contains(path)) {
            socket->write("HTTP/1.1 302 Found\r\nLocation: " + m_redirects.value(path)
                          + "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
            socket->disconnectFromHost();
            return;
        }
        switch (m_mode) {
        case Page:
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: "
                          + QByteArray::number(m_body.size()) + "\r\nConnection: close\r\n\r\n"
                          + m_body);
            socket->disconnectFromHost();
            break;
        case NotFound:
            socket->write("HTTP/1.1 404 Not Found\r\nContent-Length: 22\r\nConnection: "
                          "close\r\n\r\nnobody@example.org 404");
            socket->disconnectFromHost();
            break;
        case Silent:
            break;
        case Endless: {
            // A page that never ends, one address a line.
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n\r\n");
            auto *timer = new QTimer(socket);
            connect(timer, &QTimer::timeout, socket, [socket] {
                if (socket->bytesToWrite() < 1 << 20)
                    socket->write(QByteArray("more@endless.example.org ").repeated(4096));
            });
            timer->start(1);
            break;
        }
        case RedirectToFile:
            socket->write("HTTP/1.1 302 Found\r\nLocation: file:///etc/hostname\r\n"
                          "Content-Length: 0\r\nConnection: close\r\n\r\n");
            socket->disconnectFromHost();
            break;
        }
    }

    std::unique_ptr<QTcpServer> m_server;
    bool m_tls = false;
    Mode m_mode;
    QByteArray m_body;
    QHash<QByteArray, QByteArray> m_redirects;
    QList<QByteArray> m_requests;
    int m_connections = 0;
};

QStringList byPattern(const QString &text)
{
    static const QRegularExpression pattern(u"[a-zA-Z0-9._%+-]+@[a-zA-Z0-9.-]+\\.[a-zA-Z]{2,}"_s);
    QStringList found;
    for (auto it = pattern.globalMatch(text); it.hasNext();) {
        const QString address = it.next().captured();
        if (!found.contains(address))
            found << address;
    }
    return found;
}

struct Result
{
    int status = -1;
    QStringList addresses;
};

Result fetch(PageFetch &job, const QString &url)
{
    QSignalSpy spy(&job, &PageFetch::finished);
    if (!job.fetch(url) || !spy.wait(20000))
        return {};
    return {spy.at(0).at(1).toInt(), spy.at(0).at(2).toStringList()};
}

} // namespace

class TestPageFetch : public QObject
{
    Q_OBJECT

private slots:
    void addressesAsThePatternFindsThem_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("plain") << u"Write to ann@good.test or bob.s+x@mail.good.test."_s;
        QTest::newRow("repeats") << u"a@b.cd a@b.cd c@b.cd a@b.cd"_s;
        QTest::newRow("domain backs off to its last dot with letters")
                << u"x@a.b.c1.de-f.gh9 y@host.com.x z@q.r2"_s;
        QTest::newRow("adjacent") << u"a@b.com.x@c.com @@d@e.org"_s;
        QTest::newRow("markup") << u"<a href=\"mailto:eve@site.org\">eve@site.org</a>"_s;
        QTest::newRow("none") << u"no address @ all, a@b, @c.de"_s;
    }

    void addressesAsThePatternFindsThem()
    {
        QFETCH(QString, text);
        QCOMPARE(PageFetch::addressesIn(text), byPattern(text));
    }

    // Random texts over the characters that matter, against the pattern.
    void addressesOfRandomText()
    {
        const QString alphabet = u"ab1.-_@ %+Z"_s;
        QRandomGenerator random(42);
        for (int round = 0; round < 2000; ++round) {
            QString text;
            const int length = random.bounded(40);
            for (int i = 0; i < length; ++i)
                text += alphabet.at(random.bounded(alphabet.size()));
            QCOMPARE(PageFetch::addressesIn(text), byPattern(text));
        }
    }

    // A long run of name characters before an "@" without a domain: one pass,
    // where a backtracking search would take hours.
    void hostileRunsAreSearchedInOnePass()
    {
        QString text = QString(1 << 21, u'a') + u"@!"_s + QString(1 << 20, u'b') + u"@c.de"_s;
        const QStringList found = PageFetch::addressesIn(text);
        QCOMPARE(found.size(), 1);
        QCOMPARE(found.first().size(), (1 << 20) + 5);
        QCOMPARE(PageFetch::addressesIn(QString(1 << 20, u'@')), QStringList());
    }

    void aPageGivesItsAddresses()
    {
        PageServer server(PageServer::Page, "<p>ann@good.test, bob@good.test, ann@good.test</p>");
        PageFetch job;
        job.setAllowedOrigin(QUrl(server.url()));
        const Result result = fetch(job, server.url());
        QCOMPARE(result.status, 200);
        QCOMPARE(result.addresses, (QStringList{u"ann@good.test"_s, u"bob@good.test"_s}));
        QVERIFY(!job.busy());
    }

    void onlyAPageAnsweredWith200Counts()
    {
        PageServer server(PageServer::NotFound);
        PageFetch job;
        job.setAllowedOrigin(QUrl(server.url()));
        const Result result = fetch(job, server.url());
        QCOMPARE(result.status, 404);
        QVERIFY(result.addresses.isEmpty());
    }

    void aSilentServerEndsAtTheTimeLimit()
    {
        PageServer server(PageServer::Silent);
        PageFetch job;
        job.setAllowedOrigin(QUrl(server.url()));
        job.setTimeLimit(300);
        const Result result = fetch(job, server.url());
        QCOMPARE(result.status, 0);
        QVERIFY(result.addresses.isEmpty());
    }

    void anEndlessPageIsCutAtTheSizeBound()
    {
        PageServer server(PageServer::Endless);
        PageFetch job;
        job.setAllowedOrigin(QUrl(server.url()));
        job.setMaxBytes(256 * 1024);
        const Result result = fetch(job, server.url());
        QCOMPARE(result.status, 200);
        QCOMPARE(result.addresses, QStringList{u"more@endless.example.org"_s});
    }

    // Links come from outside: nothing but the web is ever read.
    void onlyWebAddressesAreFetched_data()
    {
        QTest::addColumn<QString>("url");
        QTest::newRow("file") << u"file:///etc/hostname"_s;
        QTest::newRow("qrc") << u"qrc:/qtquickcontrols2.conf"_s;
        QTest::newRow("no host") << u"http:///x"_s;
        QTest::newRow("not an address") << u"ann@good.test"_s;
    }

    void onlyWebAddressesAreFetched()
    {
        QFETCH(QString, url);
        PageFetch job;
        const Result result = fetch(job, url);
        QCOMPARE(result.status, 0);
        QVERIFY(result.addresses.isEmpty());
    }

    void aRedirectToAFileIsNotFollowed()
    {
        PageServer server(PageServer::RedirectToFile);
        PageFetch job;
        job.setAllowedOrigin(QUrl(server.url()));
        const Result result = fetch(job, server.url());
        QVERIFY(result.status != 200);
        QVERIFY(result.addresses.isEmpty());
    }

    void oneFetchAtATimeAndCancel()
    {
        PageServer server(PageServer::Silent);
        PageFetch job;
        job.setAllowedOrigin(QUrl(server.url()));
        QSignalSpy spy(&job, &PageFetch::finished);
        QVERIFY(job.fetch(server.url()));
        QVERIFY(!job.fetch(server.url()));
        job.cancel();
        QVERIFY(!job.busy());
        QTest::qWait(200);
        QCOMPARE(spy.count(), 0);
    }

    // The web service's own site, named as it is configured, is fetched
    // where that name leads, redirects within it followed up to the bound.
    void theServicesOwnSiteIsFetched()
    {
        PageServer site(PageServer::Page, "<p>ann@good.test</p>");
        site.redirect("/moved", "/page.html");
        site.redirect("/loop", "/loop");
        const QString origin = u"http://localhost:%1/"_s.arg(site.port());
        PageFetch job;
        job.setAllowedOrigin(QUrl(origin));

        Result result = fetch(job, origin + u"moved"_s);
        QCOMPARE(result.status, 200);
        QCOMPARE(result.addresses, QStringList{u"ann@good.test"_s});
        QCOMPARE(site.requests().size(), 2);
        // Connected to the address checked, asked for by the name.
        QVERIFY2(site.requests().last().contains(
                         "\r\nHost: localhost:" + QByteArray::number(site.port()) + "\r\n"),
                 site.requests().last().constData());

        result = fetch(job, origin + u"loop"_s);
        QCOMPARE(result.status, 0);
        QCOMPARE(site.requests().size(), 2 + 1 + PageFetch::maxRedirects);
    }

    // The user's own machine, however it is named, is never reached: named
    // by a page or by a redirect from the service's site. Named as the
    // service's site itself, the same address is reached, so the refusal
    // is the check's.
    void onlyPublicAddressesAreReached_data()
    {
        QTest::addColumn<QString>("named");
        QTest::newRow("loopback") << u"http://127.0.0.1:%1/"_s;
        QTest::newRow("localhost") << u"http://localhost:%1/"_s;
        QTest::newRow("decimal") << u"http://2130706433:%1/"_s;
        QTest::newRow("hexadecimal") << u"http://0x7f000001:%1/"_s;
        QTest::newRow("short form") << u"http://127.1:%1/"_s;
        QTest::newRow("IPv4-mapped IPv6") << u"http://[::ffff:127.0.0.1]:%1/"_s;
    }

    void onlyPublicAddressesAreReached()
    {
        QFETCH(QString, named);
        PageServer inside(PageServer::Page, "<p>admin@intranet.test</p>");
        const QString url = named.arg(inside.port());
        PageServer site(PageServer::Page);
        site.redirect("/away", url.toLatin1());
        PageFetch job;
        job.setAllowedOrigin(QUrl(site.url()));

        Result result = fetch(job, url);
        QCOMPARE(result.status, 0);
        QVERIFY(result.addresses.isEmpty());
        result = fetch(job, site.url(u"/away"_s));
        QCOMPARE(result.status, 0);
        QVERIFY(result.addresses.isEmpty());
        QCOMPARE(site.requests().size(), 1);
        QCOMPARE(inside.connections(), 0);

        job.setAllowedOrigin(QUrl(url));
        result = fetch(job, url);
        QCOMPARE(result.status, 200);
        QCOMPARE(result.addresses, QStringList{u"admin@intranet.test"_s});
    }

    // Connected to an address, an https page is still checked against its
    // name: a certificate for "localhost" alone passes, one for another
    // name does not.
    void httpsCertificatesAreCheckedAgainstTheName()
    {
        QTemporaryDir certs;
        QProcess make;
        make.start(u"" MAKE_TEST_CERTS ""_s, {certs.path()});
        QVERIFY(make.waitForFinished(60000) && make.exitCode() == 0);
        const QSslConfiguration before = QSslConfiguration::defaultConfiguration();
        QSslConfiguration trusting = before;
        trusting.addCaCertificates(certs.filePath(u"ca.pem"_s));
        QSslConfiguration::setDefaultConfiguration(trusting);
        QFile chain(certs.filePath(u"chain.pem"_s));
        QVERIFY(chain.open(QIODevice::WriteOnly));
        for (const char *part : {"inter-leaf.pem", "inter.pem"}) {
            QFile file(certs.filePath(QLatin1StringView(part)));
            QVERIFY(file.open(QIODevice::ReadOnly));
            chain.write(file.readAll());
        }
        chain.close();

        PageServer named(PageServer::Page, "<p>ann@good.test</p>", chain.fileName(),
                         certs.filePath(u"inter-leaf.key"_s));
        PageServer other(PageServer::Page, "<p>eve@bad.test</p>",
                         certs.filePath(u"other-host.pem"_s), certs.filePath(u"other-host.key"_s));
        PageFetch job;
        const QString good = u"https://localhost:%1/"_s.arg(named.port());
        job.setAllowedOrigin(QUrl(good));
        Result result = fetch(job, good);
        const QString bad = u"https://localhost:%1/"_s.arg(other.port());
        job.setAllowedOrigin(QUrl(bad));
        const Result refused = fetch(job, bad);
        QSslConfiguration::setDefaultConfiguration(before);

        QCOMPARE(result.status, 200);
        QCOMPARE(result.addresses, QStringList{u"ann@good.test"_s});
        QCOMPARE(refused.status, 0);
        QVERIFY(other.requests().isEmpty());
    }

    void publicAddresses_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("isPublic");
        const QString public_ = u"8.8.8.8 93.184.216.34 1.1.1.1 11.0.0.1 100.128.0.1 169.255.0.1 "
                                u"172.32.0.1 192.169.0.1 223.255.255.254 2001:4860::8888 "
                                u"2606:4700::1111 2a00:1450:4007:80f::200e ::ffff:8.8.8.8 "
                                u"64:ff9b::808:808 2002:808:808::1"_s;
        const QString notPublic
                = u"127.0.0.1 127.255.255.254 10.1.2.3 172.16.0.1 172.31.255.255 192.168.1.1 "
                  u"100.64.0.1 100.127.255.255 169.254.169.254 0.0.0.0 0.1.2.3 255.255.255.255 "
                  u"224.0.0.1 239.255.255.250 240.0.0.1 192.0.2.1 198.18.0.1 :: ::1 fe80::1 "
                  u"febf::1 fec0::1 fc00::1 fd12:3456::1 ff02::1 ff0e::1 ::ffff:127.0.0.1 "
                  u"::ffff:10.0.0.1 ::ffff:192.168.0.1 ::127.0.0.1 64:ff9b::7f00:1 "
                  u"2002:7f00:1:: 2002:c0a8:101::1 2001::1 2001:db8::1 100::1"_s;
        for (const QString &address : public_.split(u' '))
            QTest::newRow(qPrintable(address)) << address << true;
        for (const QString &address : notPublic.split(u' '))
            QTest::newRow(qPrintable(address)) << address << false;
    }

    void publicAddresses()
    {
        QFETCH(QString, address);
        QFETCH(bool, isPublic);
        const QHostAddress parsed(address);
        QVERIFY(!parsed.isNull());
        QCOMPARE(WebAddress::isPublic(parsed), isPublic);
    }

    void noAddressIsNotPublic() { QVERIFY(!WebAddress::isPublic(QHostAddress())); }
};

QTEST_MAIN(TestPageFetch)
#include "tst_pagefetch.moc"
