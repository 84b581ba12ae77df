#pragma once

#include <QHash>
#include <QObject>
#include <QSslServer>
#include <QTcpServer>
#include <QVariantList>
#include <QVariantMap>

class QTcpSocket;

// A loopback HTTP server whose answers the suite chooses, path by path, for
// what the real web service would never do on purpose: odd statuses, wrong
// tokens, bodies that are not JSON, no answer at all. It records each
// request whole (method, path, header lines in order, body).
class ServiceDouble : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int port READ port NOTIFY listening)
    Q_PROPERTY(int count READ count NOTIFY requested)

public:
    explicit ServiceDouble(QObject *parent = nullptr);
    ~ServiceDouble() override;

    // Listens on 127.0.0.1 at `port` (0: any free port); connections still
    // open are dropped.
    Q_INVOKABLE bool listen(int port);
    // The same over TLS, with the PEM certificate (and chain) and key given.
    Q_INVOKABLE bool listenTls(int port, const QString &certificateFile, const QString &keyFile);
    int port() const;
    int count() const;
    // "http://127.0.0.1:<port>/" (https over TLS) followed by the path.
    Q_INVOKABLE QString url(const QString &path) const;

    // How to answer requests for `path` (without query): "status" (200),
    // "body" (text), "file" (a file whose bytes are the body, qrc paths
    // included), "contentType" ("application/json"), "authorization" (the
    // header's value; no header when absent), "location" (a Location
    // header, for a redirect) and "hang" (true: never answer).
    // Paths without an answer get 404.
    Q_INVOKABLE void answer(const QString &path, const QVariantMap &answer);
    // Forgets the recorded requests and, with `answers`, the answers too.
    Q_INVOKABLE void clear(bool answers = false);
    // Each request as {method, path, target, headers: [[name, value], ...], body}.
    Q_INVOKABLE QVariantList requests() const;
    // The requests whose path is `path`.
    Q_INVOKABLE QVariantList requestsFor(const QString &path) const;

signals:
    void listening();
    void requested();

private:
    void read(QTcpSocket *socket);
    void respond(QTcpSocket *socket, const QVariantMap &request);

    QTcpServer &server();
    const QTcpServer &server() const;
    void accept(QTcpServer &server);
    void closeAll();

    QTcpServer m_server;
    QSslServer m_tlsServer;
    bool m_tls = false;
    QHash<QTcpSocket *, QByteArray> m_buffers;
    QHash<QString, QVariantMap> m_answers;
    QVariantList m_requests;
};
