#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

// Everything one delivery needs: the account, the recipient's contact record
// and the composed content.
struct MailJob
{
    QString host;
    quint16 port = 0;
    QString connection; // "Auto", "SSL", "TLS" or "None"
    QString username;   // login and sender address
    QString password;
    QString senderName;
    QJsonObject to; // the recipient's contact record
    QString subject;
    QString content;           // plain text, used when there is no HTML file
    QString html;              // local path of an HTML file, or ""
    QStringList contentLocalUrls; // references found in the HTML file, as written
    QStringList attachments;   // local paths
};

// Builds one MIME message and delivers it over SMTP; returns
// {"error": bool, "text": the server's last reply or the transport's error}.
class MailDelivery
{
public:
    static QJsonObject send(const MailJob &job);
};
