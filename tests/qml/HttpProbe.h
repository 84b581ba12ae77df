#pragma once

#include <QObject>
#include <QStringList>
#include <QTcpServer>

// A loopback HTTP listener that records the request line of every request it
// gets and answers each with 404. Suites point markup, images and pages at it
// to prove that nothing was fetched.
class HttpProbe : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int port READ port CONSTANT)
    Q_PROPERTY(int count READ count NOTIFY requested)

public:
    explicit HttpProbe(QObject *parent = nullptr);

    int port() const;
    int count() const;
    // "GET /path HTTP/1.1" of each request, in arrival order.
    Q_INVOKABLE QStringList requests() const;
    Q_INVOKABLE void clear();
    // "http://127.0.0.1:<port>/" followed by the path.
    Q_INVOKABLE QString url(const QString &path) const;

signals:
    void requested();

private:
    QTcpServer m_server;
    QStringList m_requests;
};
