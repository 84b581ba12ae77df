#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

class QNetworkReply;

// One request to the web service, from sending to its end. Reports once by
// finished(): the HTTP status, the body as text and the Authorization header
// of the answer; status 0 when no answer came (refused, broken, or nothing
// within the time limit, or an answer over its size bound). Deletes itself
// afterwards.
class ServiceReply : public QObject
{
    Q_OBJECT

public:
    ServiceReply(QNetworkReply *reply, int timeLimitMs, int maxBytes, QObject *parent = nullptr);
    ~ServiceReply() override;

signals:
    void finished(int status, const QString &text, const QString &authorization);

private:
    void end();
    // Drops an answer as soon as it is known to be over the bound.
    void checkSize();

    QPointer<QNetworkReply> m_reply;
    QTimer m_deadline;
    qint64 m_maxBytes = 0;
    bool m_timedOut = false;
    bool m_tooLarge = false;
};
