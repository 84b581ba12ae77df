// What the benches share: loopback ports, waiting on the event loop, and the
// real main screen in a window, made as start-up makes it.
#pragma once

#include "app/MyTranslator.h"
#include "app/QmlCppBridge.h"
#include "app/Startup.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QProcess>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickWindow>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>
#include <QtWebView/QtWebView>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace benchsupport {

// Ends a helper process: politely first, then for good.
inline void stopProcess(QProcess &process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(5000))
        process.kill();
    process.waitForFinished(2000);
}

inline quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

inline bool waitForPort(quint16 port)
{
    for (int i = 0; i < 100; ++i) {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, port);
        if (socket.waitForConnected(100))
            return true;
        QThread::msleep(50);
    }
    return false;
}

inline void waitUntil(const std::function<bool()> &done)
{
    while (!done())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
}

// Runs the event loop for a while: lets delayed work (the store's writes)
// happen outside what is measured next.
inline void runEventsFor(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

// Longest gap between the ticks of a 5 ms timer while it runs.
class StallProbe
{
public:
    StallProbe()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            const qint64 now = m_clock.nsecsElapsed();
            if (now - m_last > m_longest) {
                m_longest = now - m_last;
                m_longestAt = m_last;
            }
            m_last = now;
        });
    }
    void start()
    {
        m_longest = 0;
        m_clock.start();
        m_last = 0;
        m_timer.start();
    }
    double stopMs()
    {
        m_timer.stop();
        const qint64 now = m_clock.nsecsElapsed();
        m_longest = std::max(m_longest, now - m_last);
        return m_longest / 1e6;
    }
    // When the longest gap began, in milliseconds after start().
    double longestAtMs() const { return m_longestAt / 1e6; }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_longest = 0;
    qint64 m_longestAt = 0;
};

// Before the application object: start-up's environment, offscreen unless
// told otherwise, a private settings folder, and the web view's needs.
inline void prepareQuickApplication(const QString &settingsHome)
{
    Startup::setEnvironment();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("XDG_CONFIG_HOME", settingsHome.toLocal8Bit());
    qputenv("XDG_DATA_HOME", (settingsHome + QStringLiteral("/data")).toLocal8Bit());
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QQuickWindow::setGraphicsApi(QSGRendererInterface::OpenGL);
    QtWebView::initialize();
}

// After it: the identity, the bridge type and an engine set up as at start-up.
inline void setUpEngine(QQmlEngine &engine)
{
    Startup::setApplicationIdentity();
    Startup::registerTypes();
    for (const QString &path : Startup::importPaths(QCoreApplication::applicationDirPath()))
        engine.addImportPath(path);
    engine.rootContext()->setContextProperty(QStringLiteral("myTranslator"),
                                             new MyTranslator(&engine, &engine));
}

// The main screen in a window of the application's size. Its fillList(name,
// count, domain) stores one list of `count` contacts built in JavaScript. Null, with the errors printed, on failure.
inline QQuickWindow *createMainWindow(QQmlEngine &engine)
{
    QQmlComponent component(&engine);
    component.setData(
            "import QtQuick\n"
            "import QtQuick.Window\n"
            "import content\n"
            "Window {\n"
            "    width: 1000; height: 730; visible: true\n"
            "    property alias screen: screen\n"
            "    MyTrStrings { id: myTrStrings }\n"
            "    Screen01 { id: screen; anchors.fill: parent }\n"
            "    function fillList(name, count, domain) {\n"
            "        const contacts = []\n"
            "        for (let i = 0; i < count; ++i)\n"
            "            contacts.push({ lastname: 'Nom' + i, firstname: 'Prénom',\n"
            "                fullname: 'Nom' + i + ' Prénom', telephone: '+33 1 23 45 67 89',\n"
            "                email: 'contact' + i + '@' + domain, company: 'Société',\n"
            "                occupation: '', website: '', list: name })\n"
            "        screen.userContactsLists = [name]\n"
            "        screen.contactBook.setRecords(contacts)\n"
            "    }\n"
            "    function addContact(name) {\n"
            "        screen.contactBook.prepend({ lastname: 'Neuf', firstname: 'Zoé', fullname: "
            "'Zoé Neuf',\n"
            "            telephone: '', email: 'neuf@example.com', company: '', occupation: '',\n"
            "            website: '', list: name })\n"
            "    }\n"
            "}\n",
            QUrl::fromLocalFile(QCoreApplication::applicationDirPath()
                                + QStringLiteral("/bench.qml")));
    QObject *object = component.create();
    auto *window = qobject_cast<QQuickWindow *>(object);
    if (!window) {
        for (const QQmlError &error : component.errors())
            std::fprintf(stderr, "%s\n", qPrintable(error.toString()));
        delete object;
    }
    return window;
}

} // namespace benchsupport
