#pragma once

#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QTcpSocket>

// The loopback test servers (tests/servers/mail_servers.py) for a native
// suite: started in a work folder, waited for until every port answers, and
// ended by closing their standard input.
class LoopbackServers
{
public:
    // "" when they listen, else why not.
    QString start(const QString &workFolder,
                  const QString &name = QStringLiteral("mail_servers.py"))
    {
        using namespace Qt::Literals::StringLiterals;
        const QString script = qEnvironmentVariable("PARVANE_SOURCE_DIR") + u"/tests/servers/"_s
                               + name;
        if (!QFile::exists(script))
            return u"no script at "_s + script;
        m_process.setProgram(u"/usr/bin/python3"_s);
        m_process.setArguments({script, workFolder});
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start();
        if (!m_process.waitForStarted(5000))
            return u"python did not start"_s;
        QElapsedTimer clock;
        clock.start();
        while (!m_process.canReadLine() && clock.elapsed() < 30000)
            m_process.waitForReadyRead(500);
        if (!m_process.canReadLine())
            return u"the test servers did not start"_s;
        info = QJsonDocument::fromJson(m_process.readLine()).object();
        if (info.isEmpty())
            return u"the test servers said nothing useful"_s;
        // The servers' certificates come from an authority made for the run;
        // child processes started later inherit it too.
        qputenv("PARVANE_SMTP_CA_FILE", info.value("ca"_L1).toString().toLocal8Bit());
        const QJsonObject ports = info.value("ports"_L1).toObject();
        for (auto it = ports.constBegin(); it != ports.constEnd(); ++it) {
            if (it.key() == "refused"_L1)
                continue;
            QTcpSocket socket;
            socket.connectToHost(u"127.0.0.1"_s, static_cast<quint16>(it.value().toInt()));
            if (!socket.waitForConnected(5000))
                return it.key() + u" does not listen"_s;
        }
        return {};
    }

    void stop()
    {
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(5000)) {
            m_process.kill();
            m_process.waitForFinished(2000);
        }
    }

    quint16 port(const QString &listener) const
    {
        using namespace Qt::Literals::StringLiterals;
        return static_cast<quint16>(info.value("ports"_L1).toObject().value(listener).toInt());
    }

    // The fault-injecting listener's counters, as last written.
    QJsonObject stats(const QString &listener) const
    {
        using namespace Qt::Literals::StringLiterals;
        QFile file(info.value("stats"_L1).toString());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QJsonDocument::fromJson(file.readAll()).object().value(listener).toObject();
    }

    QJsonObject info;

private:
    QProcess m_process;
};
