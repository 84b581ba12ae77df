#include "BrowserProbe.h"
#include "LoopbackServers.h"
#include "oauth/OAuthSignIn.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QUrlQuery>
#include <QtTest>

using namespace Qt::Literals::StringLiterals;

// Signing in with a provider against a real OAuth 2.0 authorization server on
// loopback (tests/servers/oauth_server.py, oauthlib), the test playing the
// browser's part over HTTP. Sending with the tokens, refreshing and revocation
// through the interface are the accounts and compose suites' part.
class TestOAuth : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void signInAndItsRefusals();

private:
    // Starts a sign-in; the URL the browser is sent to.
    QUrl startSignIn(OAuthSignIn &signIn);
    // What a browser does with the provider's page: shows it, posts the
    // user's answer, and follows the redirect to the program's listener.
    // The final status code, or what failed.
    QString browse(const QUrl &url, const QString &consent);
    QNetworkReply *wait(QNetworkReply *reply);
    QVariantMap settings() const;

    QTemporaryDir m_work;
    LoopbackServers m_server;
    QNetworkAccessManager m_browser;
};

void TestOAuth::initTestCase()
{
    QVERIFY(m_work.isValid());
    const QString error = m_server.start(m_work.path(), u"oauth_server.py"_s);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    m_browser.setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
    BrowserProbe::install(); // no real browser opens
}

void TestOAuth::cleanupTestCase()
{
    m_server.stop();
}

QVariantMap TestOAuth::settings() const
{
    return {{u"clientId"_s, m_server.info.value("client_id"_L1).toString()},
            {u"authorizeUrl"_s, m_server.info.value("authorize"_L1).toString()},
            {u"tokenUrl"_s, m_server.info.value("token"_L1).toString()},
            {u"scope"_s, u"https://outlook.office.com/SMTP.Send offline_access openid email"_s}};
}

QNetworkReply *TestOAuth::wait(QNetworkReply *reply)
{
    QSignalSpy done(reply, &QNetworkReply::finished);
    if (!reply->isFinished())
        done.wait(10000);
    return reply;
}

QUrl TestOAuth::startSignIn(OAuthSignIn &signIn)
{
    signIn.setProperty("provider", u"microsoft"_s);
    signIn.setProperty("settings", settings());
    QSignalSpy wanted(&signIn, &OAuthSignIn::browserWanted);
    if (!signIn.start() || (wanted.isEmpty() && !wanted.wait(5000)))
        return {};
    return wanted.first().first().toUrl();
}

QString TestOAuth::browse(const QUrl &url, const QString &consent)
{
    QNetworkReply *page = wait(m_browser.get(QNetworkRequest(url)));
    page->deleteLater();
    const QString html = QString::fromUtf8(page->readAll());
    static const QRegularExpression action(u"action=\"([^\"]+)\""_s);
    const QString target = action.match(html).captured(1);
    if (target.isEmpty())
        return u"no consent page: "_s + html.left(300);
    QNetworkRequest post(url.resolved(QUrl(target)));
    post.setHeader(QNetworkRequest::ContentTypeHeader, "application/x-www-form-urlencoded");
    QNetworkReply *answer = wait(m_browser.post(post, "consent=" + consent.toUtf8()));
    answer->deleteLater();
    const QUrl back = answer->header(QNetworkRequest::LocationHeader).toUrl();
    if (!back.isValid() || back.host() != "127.0.0.1"_L1)
        return u"no redirect to the loopback listener: "_s + back.toString();
    QNetworkReply *listener = wait(m_browser.get(QNetworkRequest(back)));
    listener->deleteLater();
    return QString::number(listener->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt());
}

// The consent given: PKCE's S256 challenge and a loopback redirect in the
// address, the account's address from the ID token, the listener closed
// after the answer; a refresh token the provider does not know refused as
// revoked. Then the consent declined, a PKCE verifier that does not match
// the challenge (refused by the server at the token request), a token
// endpoint that cannot be reached, no answer from the browser in time, and
// no client identifier: each ends the sign-in with what to do.
void TestOAuth::signInAndItsRefusals()
{
    {
        OAuthSignIn signIn;
        QSignalSpy signedIn(&signIn, &OAuthSignIn::signedIn);
        const QUrl url = startSignIn(signIn);
        const QUrlQuery query(url);
        QCOMPARE(query.queryItemValue(u"code_challenge_method"_s), u"S256"_s);
        const QUrl redirect(query.queryItemValue(u"redirect_uri"_s, QUrl::FullyDecoded));
        QCOMPARE(redirect.host(), u"127.0.0.1"_s);
        QCOMPARE(browse(url, u"allow"_s), u"200"_s);
        QTRY_COMPARE_WITH_TIMEOUT(signedIn.size(), 1, 10000);
        const QVariantMap account = signedIn.first().first().toMap();
        QCOMPARE(account.value(u"address"_s).toString(), m_server.info.value("user"_L1).toString());
        QVERIFY(!account.value(u"refreshToken"_s).toString().isEmpty());
        QVERIFY(account.value(u"expiresAt"_s).toLongLong() > QDateTime::currentMSecsSinceEpoch());
        QVERIFY(!signIn.busy());
        QTcpSocket late;
        late.connectToHost(u"127.0.0.1"_s, static_cast<quint16>(redirect.port()));
        QVERIFY(!late.waitForConnected(1000));

        QSignalSpy refreshed(&signIn, &OAuthSignIn::refreshed);
        QVERIFY(signIn.refresh(u"not-a-refresh-token"_s));
        QTRY_COMPARE_WITH_TIMEOUT(refreshed.size(), 1, 10000);
        QCOMPARE(refreshed.first().at(0).toBool(), false);
        QCOMPARE(refreshed.first().at(2).toBool(), true); // revoked: sign in again
    }
    {
        OAuthSignIn signIn;
        QSignalSpy failed(&signIn, &OAuthSignIn::failed);
        const QUrl url = startSignIn(signIn);
        QCOMPARE(browse(url, u"deny"_s), u"200"_s);
        QTRY_COMPARE_WITH_TIMEOUT(failed.size(), 1, 10000);
        QCOMPARE(failed.first().first().toString(), u"declined"_s);
        QVERIFY(!signIn.busy());
    }
    {
        OAuthSignIn signIn;
        QSignalSpy failed(&signIn, &OAuthSignIn::failed);
        QSignalSpy signedIn(&signIn, &OAuthSignIn::signedIn);
        QUrl url = startSignIn(signIn);
        QUrlQuery query(url);
        query.removeAllQueryItems(u"code_challenge"_s);
        query.addQueryItem(u"code_challenge"_s, u"E9Melhoa2OwvFrEMTJguCHaoeK1t8URWbuGJSstw-cM"_s);
        url.setQuery(query);
        browse(url, u"allow"_s);
        QTRY_COMPARE_WITH_TIMEOUT(failed.size(), 1, 10000);
        QVERIFY(signedIn.isEmpty());
        QCOMPARE(failed.first().first().toString(), u"refused"_s);
        QVERIFY2(failed.first().at(1).toString().startsWith(u"invalid_grant"_s),
                 qPrintable(failed.first().at(1).toString()));
    }
    {
        // The provider's token endpoint cannot be reached after the consent.
        OAuthSignIn signIn;
        QSignalSpy failed(&signIn, &OAuthSignIn::failed);
        QVariantMap unreachable = settings();
        unreachable.insert(u"tokenUrl"_s, u"http://127.0.0.1:1/token"_s);
        signIn.setProperty("settings", unreachable);
        QSignalSpy wanted(&signIn, &OAuthSignIn::browserWanted);
        QVERIFY(signIn.start());
        QTRY_COMPARE(wanted.size(), 1);
        browse(wanted.first().first().toUrl(), u"allow"_s);
        QTRY_COMPARE_WITH_TIMEOUT(failed.size(), 1, 10000);
        QCOMPARE(failed.first().first().toString(), u"unreachable"_s);
    }
    {
        OAuthSignIn signIn;
        signIn.setProperty("timeoutMs", 300);
        QSignalSpy failed(&signIn, &OAuthSignIn::failed);
        QVERIFY(startSignIn(signIn).isValid());
        QTRY_COMPARE_WITH_TIMEOUT(failed.size(), 1, 5000);
        QCOMPARE(failed.first().first().toString(), u"timeout"_s);
    }
    {
        OAuthSignIn signIn;
        QVariantMap none = settings();
        none.remove(u"clientId"_s);
        signIn.setProperty("settings", none);
        QVERIFY(!signIn.start());
    }
}

QTEST_GUILESS_MAIN(TestOAuth)
#include "tst_oauth.moc"
