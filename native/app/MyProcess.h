#pragma once

#include <QJsonObject>
#include <QProcess>

// A child process that records its state, exit code and output in a result
// object while it runs; used by the bridge's cmdExcute for one call. Output
// is read as it comes and kept up to a cap, so a chatty program cannot fill
// the memory; what goes beyond is read and dropped.
class MyProcess : public QProcess
{
    Q_OBJECT
public:
    static constexpr qint64 defaultOutputCap = 1024 * 1024;

    explicit MyProcess(QObject *parent = nullptr);

    QJsonObject result() const { return m_result; }
    void setOutputCap(qint64 bytes) { m_cap = bytes; }
    // Some output was dropped at the cap.
    bool truncated() const { return m_truncated; }
    // Ends the result of a program stopped for taking too long.
    void markTimedOut(int ms);

public slots:
    void readSuccessOutput();
    void readErrorOutput();
    void readState();
    void pFinished(int exitCode, QProcess::ExitStatus exitStatus);

private:
    void collect();

    QJsonObject m_result;
    QByteArray m_out;
    QByteArray m_err;
    qint64 m_cap = defaultOutputCap;
    bool m_truncated = false;
};
