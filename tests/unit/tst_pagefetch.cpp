// The search's page job: address extraction against the pattern it stands
// for, and fetches from a loopback server that answers, refuses, stalls or
// sends too much.

#include "PageFetch.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// A loopback server with one way of answering for every request.
class PageServer : public QTcpServer
{
public:
    enum Mode { Page, NotFound, Silent, Endless, RedirectToFile };

    explicit PageServer(Mode mode, QByteArray body = {}) : m_mode(mode), m_body(std::move(body))
    {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    if (!socket->readAll().contains("\r\n\r\n"))
                        return;
                    answer(socket);
                });
            }
        });
    }

    QString url() const { return u"http://127.0.0.1:%1/page.html"_s.arg(serverPort()); }

private:
    void answer(QTcpSocket *socket)
    {
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

    Mode m_mode;
    QByteArray m_body;
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
        const Result result = fetch(job, server.url());
        QCOMPARE(result.status, 200);
        QCOMPARE(result.addresses, (QStringList{u"ann@good.test"_s, u"bob@good.test"_s}));
        QVERIFY(!job.busy());
    }

    void onlyAPageAnsweredWith200Counts()
    {
        PageServer server(PageServer::NotFound);
        PageFetch job;
        const Result result = fetch(job, server.url());
        QCOMPARE(result.status, 404);
        QVERIFY(result.addresses.isEmpty());
    }

    void aSilentServerEndsAtTheTimeLimit()
    {
        PageServer server(PageServer::Silent);
        PageFetch job;
        job.setTimeLimit(300);
        const Result result = fetch(job, server.url());
        QCOMPARE(result.status, 0);
        QVERIFY(result.addresses.isEmpty());
    }

    void anEndlessPageIsCutAtTheSizeBound()
    {
        PageServer server(PageServer::Endless);
        PageFetch job;
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
        const Result result = fetch(job, server.url());
        QVERIFY(result.status != 200);
        QVERIFY(result.addresses.isEmpty());
    }

    void oneFetchAtATimeAndCancel()
    {
        PageServer server(PageServer::Silent);
        PageFetch job;
        QSignalSpy spy(&job, &PageFetch::finished);
        QVERIFY(job.fetch(server.url()));
        QVERIFY(!job.fetch(server.url()));
        job.cancel();
        QVERIFY(!job.busy());
        QTest::qWait(200);
        QCOMPARE(spy.count(), 0);
    }
};

QTEST_MAIN(TestPageFetch)
#include "tst_pagefetch.moc"
