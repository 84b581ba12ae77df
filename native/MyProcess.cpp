#include "MyProcess.h"

using namespace Qt::Literals::StringLiterals;

MyProcess::MyProcess(QObject *parent) : QProcess(parent)
{
    connect(this, &QProcess::stateChanged, this, &MyProcess::readState);
    connect(this, &QProcess::finished, this, &MyProcess::pFinished);
}

void MyProcess::readSuccessOutput()
{
    m_result[u"status"_s] = 0;
    m_result[u"text"_s] = QString::fromUtf8(readAllStandardOutput());
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
    const QString fallback =
            waitForFinished(30000) ? QString::fromUtf8(readAll()) : errorString();
    const QString out = QString::fromUtf8(readAllStandardOutput());
    const QString err = QString::fromUtf8(readAllStandardError());
    m_result[u"text"_s] = !out.isEmpty() ? out : (!err.isEmpty() ? err : fallback);
}
