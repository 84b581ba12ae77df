#pragma once

#include <QObject>
#include <QStringList>
#include <QUrl>

// Stands in for the system's web browser during the suites: every http and
// https address the program asks the desktop to open is recorded here, and
// no browser starts.
class BrowserProbe : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QStringList opened READ opened NOTIFY openedChanged)

public:
    // Becomes the desktop's handler of web addresses for the whole process.
    static void install();
    static BrowserProbe *instance();

    QStringList opened() const { return m_opened; }
    Q_INVOKABLE void clear();

public slots:
    void open(const QUrl &url);

signals:
    void openedChanged();

private:
    QStringList m_opened;
};
