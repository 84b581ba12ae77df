#include "preview/ServiceCertificateCheck.h"

#include <QProcess>
#include <QSslConfiguration>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

// Which server chains the template web view accepts on a certificate error:
// those that a test authority, given as the extra authorities, vouches for
// the host. Certificates are made for the run by tests/servers/make-test-certs.sh.
class TestServiceCertificateCheck : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QList<QSslCertificate> pem(const QString &name) const
    {
        return QSslCertificate::fromPath(m_dir.filePath(name + u".pem"_s));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QProcess make;
        make.start(QString::fromLocal8Bit(qgetenv("PARVANE_SOURCE_DIR"))
                           + u"/tests/servers/make-test-certs.sh"_s,
                   {m_dir.path()});
        QVERIFY(make.waitForFinished(60000));
        QCOMPARE(make.exitCode(), 0);
        QCOMPARE(pem(u"ca"_s).size(), 1);
    }

    void decisions_data()
    {
        QTest::addColumn<QStringList>("chain");
        QTest::addColumn<QString>("host");
        QTest::addColumn<QStringList>("authorities");
        QTest::addColumn<bool>("accepted");
        const QStringList ca{u"ca"_s};
        QTest::newRow("signed by the authority")
                << QStringList{u"localhost"_s} << u"localhost"_s << ca << true;
        QTest::newRow("by its address")
                << QStringList{u"localhost"_s} << u"127.0.0.1"_s << ca << true;
        QTest::newRow("authority sent along")
                << QStringList{u"localhost"_s, u"ca"_s} << u"localhost"_s << ca << true;
        QTest::newRow("through an intermediate")
                << QStringList{u"inter-leaf"_s, u"inter"_s} << u"localhost"_s << ca << true;
        QTest::newRow("among other authorities") << QStringList{u"localhost"_s} << u"localhost"_s
                                                 << QStringList{u"other-ca"_s, u"ca"_s} << true;

        QTest::newRow("another host")
                << QStringList{u"other-host"_s} << u"localhost"_s << ca << false;
        QTest::newRow("name of another host")
                << QStringList{u"localhost"_s} << u"parvane.example"_s << ca << false;
        QTest::newRow("self-signed") << QStringList{u"self"_s} << u"localhost"_s << ca << false;
        QTest::newRow("another authority")
                << QStringList{u"stranger"_s} << u"localhost"_s << ca << false;
        QTest::newRow("another authority sent along")
                << QStringList{u"stranger"_s, u"other-ca"_s} << u"localhost"_s << ca << false;
        QTest::newRow("intermediate missing")
                << QStringList{u"inter-leaf"_s} << u"localhost"_s << ca << false;
        QTest::newRow("wrong authorities") << QStringList{u"localhost"_s} << u"localhost"_s
                                           << QStringList{u"other-ca"_s} << false;
        QTest::newRow("no authorities")
                << QStringList{u"localhost"_s} << u"localhost"_s << QStringList{} << false;
        QTest::newRow("the authority alone")
                << QStringList{u"ca"_s} << u"localhost"_s << ca << false;
        QTest::newRow("no chain") << QStringList{} << u"localhost"_s << ca << false;
    }

    void decisions()
    {
        QFETCH(QStringList, chain);
        QFETCH(QString, host);
        QFETCH(QStringList, authorities);
        QFETCH(bool, accepted);
        QList<QSslCertificate> certificates;
        for (const QString &name : chain)
            certificates += pem(name);
        QList<QSslCertificate> trusted;
        for (const QString &name : authorities)
            trusted += pem(name);
        QCOMPARE(ServiceCertificateCheck::verifies(certificates, host, trusted), accepted);
    }

    // The same when the process trusts the test authority already, as
    // start-up makes it for the program's own requests.
    void decisionsWithTheAuthorityTrusted_data() { decisions_data(); }
    void decisionsWithTheAuthorityTrusted()
    {
        QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
        configuration.addCaCertificates(pem(u"ca"_s));
        QSslConfiguration::setDefaultConfiguration(configuration);
        decisions();
    }
};

QTEST_GUILESS_MAIN(TestServiceCertificateCheck)
#include "tst_servicecertificatecheck.moc"
