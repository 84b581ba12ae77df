#pragma once

#include <QJsonObject>
#include <QProcess>

// A child process that records its state, exit code and output in a result
// object while it runs; used by the bridge's cmdExcute for one call.
class MyProcess : public QProcess
{
    Q_OBJECT
public:
    explicit MyProcess(QObject *parent = nullptr);

    QJsonObject result() const { return m_result; }

public slots:
    void readSuccessOutput();
    void readErrorOutput();
    void readState();
    void pFinished(int exitCode, QProcess::ExitStatus exitStatus);

private:
    QJsonObject m_result;
};
