#include "HttpProbe.h"

#include <QTcpSocket>

HttpProbe::HttpProbe(QObject *parent) : QObject(parent)
{
    m_server.listen(QHostAddress::LocalHost, 0);
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            // A connection counts even before its request line arrives: a
            // connection attempt alone is a leak.
            m_requests.append(QStringLiteral("(connection)"));
            const int slot = m_requests.size() - 1;
            emit requested();
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket, slot] {
                if (!socket->canReadLine())
                    return;
                const QString line = QString::fromLatin1(socket->readLine()).trimmed();
                if (slot < m_requests.size())
                    m_requests[slot] = line;
                socket->write("HTTP/1.0 404 Not Found\r\nContent-Length: 0\r\n\r\n");
                socket->disconnectFromHost();
            });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

int HttpProbe::port() const
{
    return m_server.serverPort();
}

int HttpProbe::count() const
{
    return m_requests.size();
}

QStringList HttpProbe::requests() const
{
    return m_requests;
}

void HttpProbe::clear()
{
    m_requests.clear();
    emit requested();
}

QString HttpProbe::url(const QString &path) const
{
    return QStringLiteral("http://127.0.0.1:%1/%2").arg(port()).arg(path);
}
