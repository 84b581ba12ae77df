#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

class QNetworkReply;

// One request to the web service, from sending to its end. Reports once by
// finished(): the HTTP status, the body as text and the Authorization header
// of the answer; status 0 when no answer came (refused, broken, or nothing
// within the time limit). Deletes itself afterwards.
class ServiceReply : public QObject
{
    Q_OBJECT

public:
    ServiceReply(QNetworkReply *reply, int timeLimitMs, QObject *parent = nullptr);
    ~ServiceReply() override;

signals:
    void finished(int status, const QString &text, const QString &authorization);

private:
    void end();

    QPointer<QNetworkReply> m_reply;
    QTimer m_deadline;
    bool m_timedOut = false;
};
