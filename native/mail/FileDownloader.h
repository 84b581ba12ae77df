#pragma once

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QObject>
#include <QTimer>
#include <QUrl>

class QNetworkReply;

// Fetches one web resource (an image of an HTML message). The GET is issued
// by the constructor; downloaded() tells that it ended, one way or another.
// A download that fails (network error, status other than 2xx, time limit or
// size cap reached, a scheme other than http/https) keeps no data.
class FileDownloader : public QObject
{
    Q_OBJECT
public:
    static constexpr int defaultTimeoutMs = 30 * 1000;
    static constexpr qint64 defaultMaxBytes = 20 * 1024 * 1024;

    explicit FileDownloader(QUrl url, QObject *parent = nullptr);
    FileDownloader(QUrl url, int timeoutMs, qint64 maxBytes, QObject *parent = nullptr);

    QByteArray fetchedData() const;
    bool isFinished() const { return m_finished; }
    bool succeeded() const { return m_finished && m_error.isEmpty(); }
    QString errorString() const { return m_error; }

signals:
    void downloaded();

private slots:
    void fileDownloaded(QNetworkReply *reply);

private:
    void fail(const QString &reason);

    QNetworkAccessManager m_WebCtrl;
    QByteArray m_DownloadedData;
    QNetworkReply *m_reply = nullptr;
    QTimer m_deadline;
    qint64 m_maxBytes;
    QString m_error;
    bool m_finished = false;
};
