#pragma once

#include <QObject>
#include <QQmlEngine>
#include <QVariantList>

// The loopback mail servers of the test run (tests/servers/mail_servers.py),
// for QML suites: starts them once per process, tells their ports, and hands
// over every received message parsed with GMime.
class MailServers : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString host READ host CONSTANT)
    Q_PROPERTY(QString user READ user NOTIFY started)
    Q_PROPERTY(QString password READ password NOTIFY started)

public:
    using QObject::QObject;

    QString host() const;
    QString user() const;
    QString password() const;

    // True once the servers listen; later calls reuse the running servers.
    Q_INVOKABLE bool start();
    Q_INVOKABLE int port(const QString &listener) const;
    Q_INVOKABLE void clearInbox() const;
    Q_INVOKABLE int count() const;
    Q_INVOKABLE QVariantList messages() const;

    // Ends the servers; called once when the test program leaves.
    static void shutdown();

signals:
    void started();
};
