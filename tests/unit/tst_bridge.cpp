#include "app/QmlCppBridge.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUdpSocket>

using namespace Qt::Literals::StringLiterals;

// The bridge's small services: files, child processes, pauses and the online probe.
class TestBridge : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QProcess m_dns;
    QString m_dnsAddress = u"127.0.83.1"_s;

    QUrl fileUrl(const QString &name) const { return QUrl::fromLocalFile(m_dir.filePath(name)); }

    static void writeRaw(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

private slots:
    void textToFileAppendsLines()
    {
        QmlCppBridge bridge;
        const QUrl url = fileUrl(u"new.txt"_s);
        bridge.textToFile(url, u"première"_s);
        bridge.textToFile(url, u"second"_s);
        QFile file(url.toLocalFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), "premi\xc3\xa8re\nsecond\n");
    }

    void textToFileInMissingFolderIsSilent()
    {
        QmlCppBridge bridge;
        const QUrl url = fileUrl(u"no/such/folder/x.txt"_s);
        bridge.textToFile(url, u"x"_s);
        QVERIFY(!QFile::exists(url.toLocalFile()));
    }

    void writeTextFileReplacesTheWholeFile()
    {
        QmlCppBridge bridge;
        const QUrl url = fileUrl(u"export.vcf"_s);
        writeRaw(url.toLocalFile(), "old card, longer than the new content\nsecond old line\n");
        QVERIFY(bridge.writeTextFile(url, u"BEGIN:VCARD\nFN:Zoé\nEND:VCARD"_s));
        QFile file(url.toLocalFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        // The same bytes textToFile writes into a new file.
        QCOMPARE(file.readAll(), "BEGIN:VCARD\nFN:Zo\xc3\xa9\nEND:VCARD\n");
        file.close();

        QVERIFY(bridge.writeTextFile(url, u"x"_s));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), "x\n");
    }

    void writeTextFileInMissingFolderFails()
    {
        const QUrl url = fileUrl(u"no/such/folder/x.vcf"_s);
        QVERIFY(!QmlCppBridge().writeTextFile(url, u"x"_s));
        QVERIFY(!QFile::exists(url.toLocalFile()));
    }

    // What a dialog may answer: a file URL, an absolute path without scheme
    // (Qt 6.4's own dialog, for a typed name) or a bare name, which is refused
    // rather than written in the working directory.
    void writeTextFileAcceptsAbsolutePathsOnly()
    {
        QmlCppBridge bridge;
        const QString path = fileUrl(u"typed name.vcf"_s).toLocalFile();
        QFile::remove(path);
        QVERIFY(bridge.writeTextFile(QUrl(path), u"card"_s));
        QCOMPARE(bridge.textFromFile(QUrl(path)), u"card"_s);

        const QString bare = u"wt-bare-name.vcf"_s;
        QFile::remove(bare);
        QVERIFY(!bridge.writeTextFile(QUrl(bare), u"card"_s));
        QVERIFY(!QFile::exists(bare));
        QCOMPARE(bridge.textFromFile(QUrl(bare)), QString());
    }

    void textFromFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty lines dropped") << QByteArray("x\n\n\ny\n\n") << u"x\ny"_s;
        QTest::newRow("leading empty lines") << QByteArray("\n\nx") << u"x"_s;
        QTest::newRow("spaces kept") << QByteArray("a\n  \nb") << u"a\n  \nb"_s;
        QTest::newRow("CR LF ends") << QByteArray("a\r\nb\r\n\r\nc\r\n") << u"a\nb\nc"_s;
        QTest::newRow("UTF-8") << QByteArray("Fran\xc3\xa7ois\n") << u"François"_s;
        QTest::newRow("empty file") << QByteArray() << QString();
    }

    void textFromFile()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        const QString path = m_dir.filePath(u"read.txt"_s);
        writeRaw(path, bytes);
        QCOMPARE(QmlCppBridge().textFromFile(QUrl::fromLocalFile(path)), expected);
    }

    void textFromMissingFile()
    {
        QCOMPARE(QmlCppBridge().textFromFile(fileUrl(u"missing.txt"_s)), QString());
    }

    void cmdExcuteExitCodeAndOutput()
    {
        QmlCppBridge bridge;
        QJsonObject result = bridge.cmdExcute(u"/bin/sh"_s, {u"-c"_s, u"echo word; exit 3"_s});
        QCOMPARE(result.value(u"status"_s).toInt(), 3);
        QCOMPARE(result.value(u"text"_s).toString(), u"word\n"_s);
        QCOMPARE(result.value(u"state"_s).toInt(), 0);

        result = bridge.cmdExcute(u"/bin/sh"_s, {u"-c"_s, u"echo oops >&2"_s});
        QCOMPARE(result.value(u"status"_s).toInt(), 0);
        QCOMPARE(result.value(u"text"_s).toString(), u"oops\n"_s);
    }

    void cmdExcuteWritesToStandardInput()
    {
        // The child receives the two bytes "ls" on its standard input.
        const QJsonObject result = QmlCppBridge().cmdExcute(u"/bin/cat"_s, {});
        QCOMPARE(result.value(u"text"_s).toString(), u"ls"_s);
    }

    void cmdExcuteOfMissingProgramReturns()
    {
        QElapsedTimer clock;
        clock.start();
        const QJsonObject result
                = QmlCppBridge().cmdExcute(u"/nonexistent/parvane-no-such-program"_s, {});
        QVERIFY(clock.elapsed() < 5000);
        QCOMPARE(result.value(u"status"_s).toInt(), 1);
        QVERIFY(!result.value(u"text"_s).toString().isEmpty());
    }

    void cmdExcuteIsBounded()
    {
        // A program that never ends is stopped at the time limit; one that
        // talks without end fills no more than the cap.
        QmlCppBridge bridge;
        bridge.setCommandLimits(1500, 64 * 1024);
        QElapsedTimer clock;
        clock.start();
        QJsonObject result = bridge.cmdExcute(u"/bin/sh"_s,
                                              {u"-c"_s, u"echo started; exec sleep 60"_s});
        QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(result.value(u"status"_s).toInt(), 1);
        QVERIFY(result.value(u"timedOut"_s).toBool());
        QCOMPARE(result.value(u"text"_s).toString(), u"started\n"_s);

        clock.restart();
        result = bridge.cmdExcute(u"/usr/bin/yes"_s, {});
        QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(result.value(u"timedOut"_s).toBool());
        QCOMPARE(result.value(u"text"_s).toString().size(), 64 * 1024);
        QVERIFY(result.value(u"text"_s).toString().startsWith(u"y\ny\n"_s));

        // Output beyond the cap of a program that ends is dropped, and said so.
        result = bridge.cmdExcute(u"/bin/sh"_s,
                                  {u"-c"_s, u"head -c 200000 /dev/zero | tr '\\0' x; exit 2"_s});
        QCOMPARE(result.value(u"status"_s).toInt(), 2);
        QCOMPARE(result.value(u"text"_s).toString(), QString(64 * 1024, QLatin1Char('x')));
        QVERIFY(result.value(u"truncated"_s).toBool());
        QVERIFY(!result.contains(u"timedOut"_s));
    }

    void pauseWithNegativeTimeReturns()
    {
        // A negative time would otherwise never end the wait.
        QmlCppBridge bridge;
        QElapsedTimer clock;
        clock.start();
        QVERIFY(bridge.pause(-1));
        QVERIFY(bridge.pause(-100000));
        QVERIFY(clock.elapsed() < 1000);
    }

    void sendEmailRefusesPortsOutOfRange()
    {
        // 70000 would wrap round to 4464; nothing is tried on such a port.
        QmlCppBridge bridge;
        for (const int port : {70000, 65536, 0, -25}) {
            const QJsonObject verdict = bridge.sendEmail(u"127.0.0.1"_s, port, u"None"_s,
                                                         u"a@localhost"_s, QString(), u"A"_s,
                                                         {{u"email"_s, u"b@localhost"_s}}, u"S"_s,
                                                         u"T"_s, QString(), {}, {}, QString());
            QCOMPARE(verdict.value(u"error"_s).toBool(), true);
            QVERIFY2(verdict.value(u"text"_s).toString().contains(u"1 to 65535"_s),
                     qPrintable(verdict.value(u"text"_s).toString()));
        }
    }

    void pauseWaitsAndKeepsEventsRunning()
    {
        QmlCppBridge bridge;
        QVERIFY(bridge.pause(0));
        bool fired = false;
        QTimer::singleShot(20, this, [&] { fired = true; });
        QElapsedTimer clock;
        clock.start();
        QVERIFY(bridge.pause(150));
        QVERIFY(clock.elapsed() >= 140);
        QVERIFY(fired); // the nested loop delivered the timer meanwhile
    }

    void isOnlineWithLocalResolver()
    {
        const QString dnsmasq = QStandardPaths::findExecutable(u"dnsmasq"_s,
                                                               {u"/usr/sbin"_s, u"/usr/bin"_s});
        if (dnsmasq.isEmpty())
            QFAIL("dnsmasq is not installed (Debian package dnsmasq-base)");
        m_dns.setProgram(dnsmasq);
        m_dns.setArguments({u"--keep-in-foreground"_s, u"--conf-file=/dev/null"_s, u"--port=53"_s,
                            u"--listen-address="_s + m_dnsAddress, u"--bind-interfaces"_s,
                            u"--no-resolv"_s, u"--no-hosts"_s, u"--user=root"_s,
                            u"--address=/probe.parvane.test/127.0.0.9"_s});
        m_dns.setProcessChannelMode(QProcess::ForwardedChannels);
        m_dns.start();
        QVERIFY(m_dns.waitForStarted());
        QTest::qWait(300);
        QCOMPARE(m_dns.state(), QProcess::Running);

        qputenv("PARVANE_DNS_SERVER", m_dnsAddress.toLatin1());
        qputenv("PARVANE_PROBE_HOST", "probe.parvane.test");
        QVERIFY(QmlCppBridge().isOnline());

        // A name the resolver does not know is "offline".
        qputenv("PARVANE_PROBE_HOST", "unknown.parvane.test");
        QVERIFY(!QmlCppBridge().isOnline());
    }

    void isOnlineGivesUpAfterThreeSeconds()
    {
        // A name server that swallows every question.
        QUdpSocket silent;
        QVERIFY(silent.bind(QHostAddress(u"127.0.83.2"_s), 53));
        qputenv("PARVANE_DNS_SERVER", "127.0.83.2");
        qputenv("PARVANE_PROBE_HOST", "probe.parvane.test");
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!QmlCppBridge().isOnline());
        QVERIFY2(clock.elapsed() < 4500, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(clock.elapsed() >= 2500);
    }

    void cleanupTestCase()
    {
        if (m_dns.state() != QProcess::NotRunning) {
            m_dns.terminate();
            m_dns.waitForFinished(3000);
        }
    }
};

QTEST_MAIN(TestBridge)
#include "tst_bridge.moc"
