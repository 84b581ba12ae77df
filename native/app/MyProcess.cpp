#include "app/MyProcess.h"

using namespace Qt::Literals::StringLiterals;

MyProcess::MyProcess(QObject *parent) : QProcess(parent)
{
    connect(this, &QProcess::stateChanged, this, &MyProcess::readState);
    connect(this, &QProcess::finished, this, &MyProcess::pFinished);
    connect(this, &QProcess::readyReadStandardOutput, this, &MyProcess::collect);
    connect(this, &QProcess::readyReadStandardError, this, &MyProcess::collect);
}

void MyProcess::collect()
{
    auto keep = [this](QByteArray &buffer, const QByteArray &chunk) {
        const qint64 room = qMax<qint64>(0, m_cap - buffer.size());
        if (chunk.size() > room)
            m_truncated = true;
        buffer += chunk.left(room);
    };
    keep(m_out, readAllStandardOutput());
    keep(m_err, readAllStandardError());
}

void MyProcess::readSuccessOutput()
{
    collect();
    m_result[u"status"_s] = 0;
    m_result[u"text"_s] = QString::fromUtf8(m_out);
}

void MyProcess::readErrorOutput()
{
    m_result[u"status"_s] = 1;
    m_result[u"text"_s] = errorString();
}

void MyProcess::readState()
{
    m_result[u"state"_s] = static_cast<int>(state());
}

void MyProcess::pFinished(int exitCode, QProcess::ExitStatus)
{
    m_result[u"status"_s] = exitCode;

    // The process has ended already, so this wait returns at once.
    const QString fallback = waitForFinished(30000) ? QString() : errorString();
    collect();
    const QString out = QString::fromUtf8(m_out);
    const QString err = QString::fromUtf8(m_err);
    m_result[u"text"_s] = !out.isEmpty() ? out : (!err.isEmpty() ? err : fallback);
    if (m_truncated)
        m_result[u"truncated"_s] = true;
}

void MyProcess::markTimedOut(int ms)
{
    m_result[u"status"_s] = 1;
    m_result[u"timedOut"_s] = true;
    const QString out = QString::fromUtf8(m_out.isEmpty() ? m_err : m_out);
    m_result[u"text"_s] = out.isEmpty()
                                  ? u"The program did not end within %1 ms and was stopped."_s.arg(
                                          ms)
                                  : out;
}
