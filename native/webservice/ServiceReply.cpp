#include "ServiceReply.h"

#include <QNetworkReply>

ServiceReply::ServiceReply(QNetworkReply *reply, int timeLimitMs, QObject *parent)
    : QObject(parent), m_reply(reply)
{
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, [this] {
        m_timedOut = true;
        if (m_reply)
            m_reply->abort();
    });
    connect(reply, &QNetworkReply::finished, this, &ServiceReply::end);
    m_deadline.start(qMax(1, timeLimitMs));
}

ServiceReply::~ServiceReply()
{
    // Quitting while a request is in flight cancels it.
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
    }
}

void ServiceReply::end()
{
    m_deadline.stop();
    QNetworkReply *reply = m_reply;
    m_reply = nullptr;
    const int status = m_timedOut
                               ? 0
                               : reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    // An aborted reply is closed already.
    const QString text = reply->isOpen() ? QString::fromUtf8(reply->readAll()) : QString();
    const QString authorization = QString::fromUtf8(reply->rawHeader("Authorization"));
    reply->deleteLater();
    emit finished(status, text, authorization);
    deleteLater();
}
