#include "ServiceDouble.h"

#include <QFile>
#include <QSslConfiguration>
#include <QSslKey>
#include <QTcpSocket>
#include <QUrl>

using namespace Qt::Literals::StringLiterals;

ServiceDouble::ServiceDouble(QObject *parent) : QObject(parent)
{
    accept(m_server);
    accept(m_tlsServer);
}

void ServiceDouble::accept(QTcpServer &server)
{
    // A TLS connection is pending once its handshake is over.
    connect(&server, &QTcpServer::pendingConnectionAvailable, this, [this, &server] {
        while (QTcpSocket *socket = server.nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { read(socket); });
            connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
                m_buffers.remove(socket);
                socket->deleteLater();
            });
        }
    });
}

ServiceDouble::~ServiceDouble()
{
    // Connections still open (a request left unanswered) must not report
    // back into this object while it is being taken apart.
    for (QTcpServer *server :
         {static_cast<QTcpServer *>(&m_server), static_cast<QTcpServer *>(&m_tlsServer)}) {
        for (QTcpSocket *socket : server->findChildren<QTcpSocket *>()) {
            socket->disconnect(this);
            socket->abort();
        }
    }
}

QTcpServer &ServiceDouble::server()
{
    return m_tls ? static_cast<QTcpServer &>(m_tlsServer) : m_server;
}

const QTcpServer &ServiceDouble::server() const
{
    return m_tls ? static_cast<const QTcpServer &>(m_tlsServer) : m_server;
}

void ServiceDouble::closeAll()
{
    // Connections kept open by a client would go on with the old settings.
    for (QTcpServer *server :
         {static_cast<QTcpServer *>(&m_server), static_cast<QTcpServer *>(&m_tlsServer)}) {
        server->close();
        for (QTcpSocket *socket : server->findChildren<QTcpSocket *>())
            socket->abort();
    }
}

bool ServiceDouble::listen(int port)
{
    closeAll();
    m_tls = false;
    const bool ok = m_server.listen(QHostAddress::LocalHost, quint16(port));
    if (!ok)
        qWarning("ServiceDouble: %s", qPrintable(m_server.errorString()));
    emit listening();
    return ok;
}

bool ServiceDouble::listenTls(int port, const QString &certificateFile, const QString &keyFile)
{
    closeAll();
    m_tls = true;
    QFile key(keyFile);
    const QList<QSslCertificate> chain = QSslCertificate::fromPath(certificateFile);
    if (chain.isEmpty() || !key.open(QIODevice::ReadOnly)) {
        qWarning("ServiceDouble: no certificate or key");
        return false;
    }
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setLocalCertificateChain(chain);
    configuration.setPrivateKey(QSslKey(&key, QSsl::Ec));
    configuration.setPeerVerifyMode(QSslSocket::VerifyNone);
    m_tlsServer.setSslConfiguration(configuration);
    const bool ok = m_tlsServer.listen(QHostAddress::LocalHost, quint16(port));
    if (!ok)
        qWarning("ServiceDouble: %s", qPrintable(m_tlsServer.errorString()));
    emit listening();
    return ok;
}

int ServiceDouble::port() const
{
    return server().serverPort();
}

int ServiceDouble::count() const
{
    return int(m_requests.size());
}

QString ServiceDouble::url(const QString &path) const
{
    return (m_tls ? u"https://127.0.0.1:%1/%2"_s : u"http://127.0.0.1:%1/%2"_s).arg(port()).arg(path);
}

void ServiceDouble::answer(const QString &path, const QVariantMap &answer)
{
    m_answers.insert(path, answer);
}

void ServiceDouble::clear(bool answers)
{
    m_requests.clear();
    if (answers)
        m_answers.clear();
    emit requested();
}

QVariantList ServiceDouble::requests() const
{
    return m_requests;
}

QVariantList ServiceDouble::requestsFor(const QString &path) const
{
    QVariantList found;
    for (const QVariant &request : m_requests) {
        if (request.toMap().value(u"path"_s).toString() == path)
            found.append(request);
    }
    return found;
}

void ServiceDouble::read(QTcpSocket *socket)
{
    QByteArray &buffer = m_buffers[socket];
    buffer += socket->readAll();
    const qsizetype headEnd = buffer.indexOf("\r\n\r\n");
    if (headEnd < 0)
        return;
    const QList<QByteArray> lines = buffer.left(headEnd).split('\n');
    const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
    QVariantList headers;
    qsizetype length = 0;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0)
            continue;
        const QString name = QString::fromLatin1(line.left(colon));
        const QString value = QString::fromUtf8(line.mid(colon + 1).trimmed());
        headers.append(QVariant(QVariantList{name, value}));
        if (name.compare("Content-Length"_L1, Qt::CaseInsensitive) == 0)
            length = value.toLongLong();
    }
    if (buffer.size() < headEnd + 4 + length)
        return;
    const QString target = QString::fromLatin1(requestLine.value(1));
    QVariantMap request;
    request.insert(u"method"_s, QString::fromLatin1(requestLine.value(0)));
    request.insert(u"target"_s, target);
    request.insert(u"path"_s, QUrl(target).path().mid(1));
    request.insert(u"headers"_s, headers);
    request.insert(u"body"_s, QString::fromUtf8(buffer.mid(headEnd + 4, length)));
    buffer.clear();
    m_requests.append(request);
    emit requested();
    respond(socket, request);
}

void ServiceDouble::respond(QTcpSocket *socket, const QVariantMap &request)
{
    const QVariantMap answer = m_answers.value(request.value(u"path"_s).toString());
    if (answer.value(u"hang"_s).toBool())
        return;
    const int status = answer.value(u"status"_s, answer.isEmpty() ? 404 : 200).toInt();
    QByteArray body = answer.value(u"body"_s).toString().toUtf8();
    if (answer.contains(u"file"_s)) {
        QFile file(answer.value(u"file"_s).toString());
        if (file.open(QIODevice::ReadOnly))
            body = file.readAll();
    }
    QByteArray head = "HTTP/1.1 " + QByteArray::number(status) + " Answer\r\n";
    head += "Content-Type: "
            + answer.value(u"contentType"_s, u"application/json"_s).toString().toLatin1() + "\r\n";
    if (answer.contains(u"authorization"_s))
        head += "Authorization: " + answer.value(u"authorization"_s).toString().toUtf8() + "\r\n";
    if (answer.contains(u"location"_s))
        head += "Location: " + answer.value(u"location"_s).toString().toUtf8() + "\r\n";
    head += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    head += "Connection: close\r\n\r\n";
    socket->write(head + body);
    socket->disconnectFromHost();
}
