#include "mail/SmtpTransport.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;
using Security = SmtpTransport::Security;

Q_DECLARE_METATYPE(SmtpTransport::Security)

// The connection table and the login rule, including the rows on the
// well-known ports that the loopback servers cannot listen on.
class TestSmtpSetup : public QObject
{
    Q_OBJECT
private slots:
    void security_data()
    {
        QTest::addColumn<QString>("connection");
        QTest::addColumn<int>("port");
        QTest::addColumn<Security>("expected");
        QTest::newRow("Auto 465") << u"Auto"_s << 465 << Security::ImplicitTls;
        QTest::newRow("Auto 587") << u"Auto"_s << 587 << Security::StartTlsRequired;
        QTest::newRow("Auto 25 upgrades when offered")
                << u"Auto"_s << 25 << Security::StartTlsIfOffered;
        QTest::newRow("SSL on 587") << u"SSL"_s << 587 << Security::ImplicitTls;
        QTest::newRow("TLS on 465") << u"TLS"_s << 465 << Security::StartTlsRequired;
        QTest::newRow("None on 465") << u"None"_s << 465 << Security::Plain;
        QTest::newRow("case matters") << u"auto"_s << 465 << Security::StartTlsIfOffered;
    }

    void security()
    {
        QFETCH(QString, connection);
        QFETCH(int, port);
        QFETCH(Security, expected);
        QCOMPARE(SmtpTransport::securityFor(connection, static_cast<quint16>(port)), expected);
    }

    void login()
    {
        QVERIFY(SmtpTransport::authenticates(u"Auto"_s, u"secret"_s));
        QVERIFY(SmtpTransport::authenticates(u"SSL"_s, u"secret"_s));
        QVERIFY(!SmtpTransport::authenticates(u"None"_s, u"secret"_s));
        QVERIFY(!SmtpTransport::authenticates(u"TLS"_s, QString()));
    }
};

QTEST_MAIN(TestSmtpSetup)
#include "tst_smtpsetup.moc"
