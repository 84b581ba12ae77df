#pragma once

#include <QObject>
#include <QProcess>
#include <QStringList>

// A server program that a suite starts and stops itself (the web service):
// start() runs it and waits for the first line it prints, which names where
// it listens; the program is stopped when the object goes or on stop().
class ServiceProcess : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    ~ServiceProcess() override;

    // The first line of standard output, or "" when the program ended or
    // printed nothing within `timeoutMs`.
    Q_INVOKABLE QString start(const QString &program, const QStringList &arguments,
                              int timeoutMs = 20000);
    Q_INVOKABLE void stop();
    // The running program's process id (0 when none), for suites that pause it.
    Q_INVOKABLE qint64 pid() const { return m_process.processId(); }
    // What the program wrote to its error output so far.
    Q_INVOKABLE QString errors();
    // A variable of the suite's environment (where the programs are).
    Q_INVOKABLE static QString environment(const QString &name);
    // Sets a variable of the suite's own environment (what the program reads at a sign-in).
    Q_INVOKABLE static void setEnvironment(const QString &name, const QString &value);

private:
    QProcess m_process;
};
