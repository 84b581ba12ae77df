#include "mail/FileDownloader.h"

#include <QNetworkReply>
#include <QNetworkRequest>

using namespace Qt::Literals::StringLiterals;

FileDownloader::FileDownloader(QUrl url, QObject *parent)
    : FileDownloader(std::move(url), defaultTimeoutMs, defaultMaxBytes, parent)
{}

FileDownloader::FileDownloader(QUrl url, int timeoutMs, qint64 maxBytes, QObject *parent)
    : QObject(parent), m_maxBytes(maxBytes)
{
    connect(&m_WebCtrl, &QNetworkAccessManager::finished, this, &FileDownloader::fileDownloaded);

    // Only web addresses: "file:" or "qrc:" would let an HTML template read
    // local files into the message.
    const QString scheme = url.scheme().toLower();
    if (scheme != "http"_L1 && scheme != "https"_L1) {
        m_error = u"not a web address"_s;
        QMetaObject::invokeMethod(
                this, [this] { fail(m_error); }, Qt::QueuedConnection);
        return;
    }

    m_reply = m_WebCtrl.get(QNetworkRequest(url));
    m_reply->setReadBufferSize(0);
    connect(m_reply, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64 total) {
        if ((received > m_maxBytes || total > m_maxBytes) && m_error.isEmpty()) {
            m_error = u"larger than %1 bytes"_s.arg(m_maxBytes);
            m_reply->abort();
        }
    });
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, [this] {
        if (m_reply && m_error.isEmpty()) {
            m_error = u"timed out after %1 ms"_s.arg(m_deadline.interval());
            m_reply->abort();
        }
    });
    m_deadline.start(timeoutMs);
}

void FileDownloader::fileDownloaded(QNetworkReply *reply)
{
    m_deadline.stop();
    const QByteArray body = reply->isOpen() ? reply->readAll() : QByteArray();
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (m_error.isEmpty()) {
        if (reply->error() != QNetworkReply::NoError)
            m_error = reply->errorString();
        else if (!status.isValid() || status.toInt() < 200 || status.toInt() > 299)
            m_error = u"HTTP status %1"_s.arg(status.toInt());
        else if (body.size() > m_maxBytes)
            m_error = u"larger than %1 bytes"_s.arg(m_maxBytes);
    }
    if (m_error.isEmpty())
        m_DownloadedData = body;
    reply->deleteLater();
    m_reply = nullptr;
    m_finished = true;
    emit downloaded();
}

void FileDownloader::fail(const QString &reason)
{
    m_error = reason;
    m_finished = true;
    emit downloaded();
}

QByteArray FileDownloader::fetchedData() const
{
    return m_DownloadedData;
}
