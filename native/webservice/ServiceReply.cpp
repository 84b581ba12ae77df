#include "webservice/ServiceReply.h"

#include <QNetworkReply>

ServiceReply::ServiceReply(QNetworkReply *reply, int timeLimitMs, int maxBytes, QObject *parent)
    : QObject(parent), m_reply(reply), m_maxBytes(qMax(1, maxBytes))
{
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, [this] {
        m_timedOut = true;
        if (m_reply)
            m_reply->abort();
    });
    connect(reply, &QNetworkReply::finished, this, &ServiceReply::end);
    connect(reply, &QNetworkReply::metaDataChanged, this, &ServiceReply::checkSize);
    connect(reply, &QNetworkReply::readyRead, this, &ServiceReply::checkSize);
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

void ServiceReply::checkSize()
{
    if (!m_reply || m_tooLarge)
        return;
    const qint64 announced = m_reply->header(QNetworkRequest::ContentLengthHeader).toLongLong();
    if (announced > m_maxBytes || m_reply->bytesAvailable() > m_maxBytes) {
        qWarning("Web service answer over %lld bytes dropped", static_cast<long long>(m_maxBytes));
        m_tooLarge = true;
        m_reply->abort();
    }
}

void ServiceReply::end()
{
    m_deadline.stop();
    QNetworkReply *reply = m_reply;
    m_reply = nullptr;
    const bool dropped = m_timedOut || m_tooLarge || reply->bytesAvailable() > m_maxBytes;
    const int status = dropped ? 0
                               : reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    // An aborted reply is closed already.
    const QString text = !dropped && reply->isOpen() ? QString::fromUtf8(reply->readAll())
                                                     : QString();
    const QString authorization = QString::fromUtf8(reply->rawHeader("Authorization"));
    reply->deleteLater();
    emit finished(status, text, authorization);
    deleteLater();
}
