#include "webservice/WebService.h"

#include "webservice/ServiceReply.h"

#include <QBuffer>
#include <QDebug>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QQmlEngine>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QUrl>

using namespace Qt::Literals::StringLiterals;

WebService::WebService(QObject *parent)
    : QObject(parent), m_baseUrl(baseUrlFrom(qEnvironmentVariable("PARVANE_API_BASE_URL")))
{
    // An answer is taken as it comes: following a redirect would hand the
    // request's token to wherever the redirect points.
    m_network.setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
}

WebService::~WebService()
{
    // Requests in flight end before the network they run on.
    qDeleteAll(findChildren<ServiceReply *>(Qt::FindDirectChildrenOnly));
}

QObject *WebService::send(const QString &method, const QString &url, const QString &body,
                          const QString &token, int timeLimitMs, int maxBytes)
{
    ServiceReply *result = request(m_network, method.toLatin1(), url, body.toUtf8(), token,
                                   timeLimitMs, maxBytes, this);
    // Owned here, not by the script that holds it: it deletes itself when done.
    QQmlEngine::setObjectOwnership(result, QQmlEngine::CppOwnership);
    return result;
}

ServiceReply *WebService::request(QNetworkAccessManager &network, const QByteArray &method,
                                  const QString &url, const QByteArray &body, const QString &token,
                                  int timeLimitMs, int maxBytes, QObject *parent)
{
    QNetworkRequest request{QUrl(url)};
    request.setRawHeader("Accept", "application/json");
    request.setRawHeader("Content-type", "application/json");
    request.setRawHeader("Authorization", "Bearer " + token.toUtf8());
    auto *data = new QBuffer;
    data->setData(body);
    data->open(QIODevice::ReadOnly);
    QNetworkReply *reply = network.sendCustomRequest(request, method, data);
    data->setParent(reply);
    return new ServiceReply(reply, timeLimitMs, maxBytes, parent);
}

QString WebService::baseUrlFrom(const QString &configured)
{
    const QString fallback = QString::fromLatin1(defaultBaseUrl);
    if (configured.trimmed().isEmpty())
        return fallback;
    const QUrl url(configured.trimmed(), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != "http"_L1 && scheme != "https"_L1) || url.host().isEmpty()
        || url.hasQuery() || url.hasFragment() || !url.userInfo().isEmpty()) {
        qWarning().noquote() << "PARVANE_API_BASE_URL is not a usable web address; using"
                             << fallback;
        return fallback;
    }
    QString text = url.toString(QUrl::FullyEncoded);
    if (!text.endsWith(u'/'))
        text += u'/';
    return text;
}

int WebService::trustAuthorities(const QString &pemFile)
{
    if (pemFile.isEmpty())
        return 0;
    const QList<QSslCertificate> certificates
            = QSslCertificate::fromPath(pemFile, QSsl::Pem,
                                        QSslCertificate::PatternSyntax::FixedString);
    if (certificates.isEmpty()) {
        qWarning().noquote() << "PARVANE_API_CA_FILE holds no certificate:" << pemFile;
        return 0;
    }
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.addCaCertificates(certificates);
    QSslConfiguration::setDefaultConfiguration(configuration);
    return int(certificates.size());
}

void WebService::applyEnvironment()
{
    trustAuthorities(qEnvironmentVariable("PARVANE_API_CA_FILE"));
}
