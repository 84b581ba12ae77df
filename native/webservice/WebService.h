#pragma once

#include <QNetworkAccessManager>
#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

class ServiceReply;

// The program's way to its web service. Where it is: PARVANE_API_BASE_URL
// when that names a usable web address, else the loopback service that
// scripts/run.sh starts. Which authorities vouch for it: the system's, plus
// those of PARVANE_API_CA_FILE for a test or private deployment. Given to
// QML as the singleton WebService, whose send() the script helpers use.
class WebService : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    // The service's base address, always ending in "/".
    Q_PROPERTY(QString baseUrl READ baseUrl CONSTANT)

public:
    static constexpr const char *defaultBaseUrl = "http://127.0.0.1:8765/";

    explicit WebService(QObject *parent = nullptr);
    ~WebService() override;

    QString baseUrl() const { return m_baseUrl; }

    // Sends `body` to `url` with the headers Accept and Content-type
    // (application/json) and Authorization ("Bearer " + token), in that order.
    // The reply reports once, and within `timeLimitMs` at the latest; an
    // answer longer than `maxBytes` is dropped unread and reported as no answer.
    Q_INVOKABLE QObject *send(const QString &method, const QString &url, const QString &body,
                              const QString &token, int timeLimitMs, int maxBytes);
    // The same request over a network of the caller's own, its reply a child
    // of `parent`: the one way every native object asks the service.
    static ServiceReply *request(QNetworkAccessManager &network, const QByteArray &method,
                                 const QString &url, const QByteArray &body, const QString &token,
                                 int timeLimitMs, int maxBytes, QObject *parent);

    // The base address that `configured` gives: an http or https address with
    // a host, without user, query or fragment, with a "/" added at its end
    // when it lacks one. Anything else (empty included) gives the default.
    static QString baseUrlFrom(const QString &configured);

    // Adds the certificates of the PEM file to the authorities that every
    // TLS connection of the process trusts, on top of the system's. Returns
    // how many were added; a missing or unreadable file adds none.
    static int trustAuthorities(const QString &pemFile);

    // Reads PARVANE_API_CA_FILE; run once at start-up, before any request.
    static void applyEnvironment();

private:
    QString m_baseUrl;
    QNetworkAccessManager m_network;
};
