#include "ServiceProcess.h"

#include <QElapsedTimer>

ServiceProcess::~ServiceProcess()
{
    stop();
}

QString ServiceProcess::start(const QString &program, const QStringList &arguments, int timeoutMs)
{
    stop();
    m_process.start(program, arguments);
    if (!m_process.waitForStarted(timeoutMs))
        return {};
    QElapsedTimer clock;
    clock.start();
    while (!m_process.canReadLine() && m_process.state() == QProcess::Running
           && clock.elapsed() < timeoutMs)
        m_process.waitForReadyRead(100);
    return m_process.canReadLine() ? QString::fromUtf8(m_process.readLine()).trimmed() : QString();
}

void ServiceProcess::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

QString ServiceProcess::errors()
{
    return QString::fromUtf8(m_process.readAllStandardError());
}

QString ServiceProcess::environment(const QString &name)
{
    return qEnvironmentVariable(name.toLocal8Bit().constData());
}

void ServiceProcess::setEnvironment(const QString &name, const QString &value)
{
    qputenv(name.toLocal8Bit().constData(), value.toLocal8Bit());
}
