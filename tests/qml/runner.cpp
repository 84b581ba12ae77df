#include "BrowserProbe.h"
#include "HttpProbe.h"
#include "MailServers.h"
#include "ServiceDouble.h"
#include "ServiceProcess.h"
#include "app/MyTranslator.h"
#include "app/Startup.h"
#include "qr/MyQrImageProvider.h"
#include "webservice/WebService.h"

#include <QCoreApplication>
#include <QDir>
#include <QQmlContext>
#include <QQmlEngine>
#include <QtQml/qqmlextensionplugin.h>
#include <QtQuickTest/quicktest.h>

#include <atomic>
#include <cstdio>

Q_IMPORT_QML_PLUGIN(contentPlugin)
Q_IMPORT_QML_PLUGIN(ParvanePlugin)

namespace {
std::atomic<int> qmlWarnings{0};
}

// Gives every test engine what the real start-up gives the application's
// engine, and counts QML warnings so that a suite printing one fails.
class Setup : public QObject
{
    Q_OBJECT
public slots:
    void applicationAvailable()
    {
        Startup::setApplicationIdentity();
        Startup::registerTypes();
        // The extra authorities of PARVANE_API_CA_FILE, as start-up trusts them.
        WebService::applyEnvironment();
        qmlRegisterType<MailServers>("ParvaneTest", 1, 0, "MailServers");
        qmlRegisterType<HttpProbe>("ParvaneTest", 1, 0, "HttpProbe");
        qmlRegisterType<ServiceDouble>("ParvaneTest", 1, 0, "ServiceDouble");
        qmlRegisterType<ServiceProcess>("ParvaneTest", 1, 0, "ServiceProcess");
        // No suite starts a real browser; the addresses it would open are kept.
        BrowserProbe::install();
        qmlRegisterSingletonInstance("ParvaneTest", 1, 0, "BrowserProbe", BrowserProbe::instance());
        // The suites' one access to the settings store, from the sources.
        const QString shared = qEnvironmentVariable("PARVANE_SOURCE_DIR")
                               + QStringLiteral("/tests/qml/");
        qmlRegisterType(QUrl::fromLocalFile(shared + QStringLiteral("StoreAccess.qml")),
                        "ParvaneTest", 1, 0, "StoreAccess");
        // Drives the real main window as a user does, for the suites that need it.
        qmlRegisterType(QUrl::fromLocalFile(shared + QStringLiteral("AppDriver.qml")),
                        "ParvaneTest", 1, 0, "AppDriver");
        // A provider to sign in with, and the browser's part.
        qmlRegisterType(QUrl::fromLocalFile(shared + QStringLiteral("OAuthProvider.qml")),
                        "ParvaneTest", 1, 0, "OAuthProvider");
    }
    void qmlEngineAvailable(QQmlEngine *engine)
    {
        for (const QString &path : Startup::importPaths(QCoreApplication::applicationDirPath()))
            engine->addImportPath(path);
        // The language switch, as start-up gives it; owned by the engine.
        engine->rootContext()->setContextProperty(QStringLiteral("myTranslator"),
                                                  new MyTranslator(engine, engine));
        // The contact detail's QR code, as start-up gives it; owned by the engine.
        engine->addImageProvider(QStringLiteral("qrCode"), new MyQrImageProvider);
        connect(engine, &QQmlEngine::warnings, engine,
                [](const QList<QQmlError> &warnings) { qmlWarnings += warnings.size(); });
    }
};

int main(int argc, char **argv)
{
    Startup::setEnvironment();
    Setup setup;
    const int rc = quick_test_main_with_setup(argc, argv, "parvane", nullptr, &setup);
    MailServers::shutdown();
    if (rc == 0 && qmlWarnings > 0) {
        std::fprintf(stderr, "FAIL: %d QML warning(s) printed during the suite\n",
                     qmlWarnings.load());
        return 1;
    }
    return rc;
}

#include "runner.moc"
