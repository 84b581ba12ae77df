#include "Startup.h"

#include "MyQrImageProvider.h"
#include "MyTranslator.h"
#include "OnlineCheck.h"
#include "OriginRequestGuard.h"
#include "PageFetch.h"
#include "PreviewRequestGuard.h"
#include "QmlCppBridge.h"
#include "SendingRun.h"
#include "SettingsStore.h"
#include "VCardImport.h"
#include "WebService.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLocale>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickWindow>
#include <QSettings>
#include <QTranslator>
#include <QtWebView/QtWebView>

#include <memory>

using namespace Qt::Literals::StringLiterals;

void Startup::setEnvironment()
{
    qputenv("QT_AUTO_SCREEN_SCALE_FACTOR", "1");
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qputenv("QT_LOGGING_RULES", "qt.qml.connections=false");
    qputenv("QT_QUICK_CONTROLS_CONF", ":/qtquickcontrols2.conf");
    qputenv("QML_COMPAT_RESOLVE_URLS_ON_ASSIGNMENT", "1");
}

void Startup::setApplicationIdentity()
{
    QCoreApplication::setOrganizationName(u"Velmora"_s);
    QCoreApplication::setOrganizationDomain(u"velmora.app"_s);
    QCoreApplication::setApplicationName(u"Parvane"_s);
    QGuiApplication::setApplicationDisplayName(u"Parvane"_s);
    QCoreApplication::setApplicationVersion(u"2.0.1"_s);
}

QString Startup::loadStartupTranslation(QTranslator &translator, const QString &storedLanguage,
                                        const QString &systemLocaleName, const QString &directory)
{
    const QString tag = storedLanguage.isEmpty() ? systemLocaleName : storedLanguage;
    const QString fileName = u"qml_"_s + tag;

    // The name is given relative to the directory so that the loader's
    // cut-back lookup (qml_fr_CA, qml_fr, qml) never trims the folder path.
    if (translator.load(fileName, directory))
        return translator.filePath();
    if (fileName.contains(u"fr"_s) && translator.load(u"qml_fr_FR"_s, directory))
        return translator.filePath();
    if (translator.load(u"qml_en_EN"_s, directory))
        return translator.filePath();
    return {};
}

QStringList Startup::importPaths(const QString &applicationDir)
{
    // ":/qt/qml" is where the modules' resources live; Qt 6.4 does not search
    // it by default, unlike later versions.
    return {applicationDir + u"/qml"_s, u":/"_s, u":/qt/qml"_s};
}

void Startup::registerTypes()
{
    qmlRegisterType<QmlCppBridge>("QmlCppBridge", 1, 0, "QmlCppBridge");
    qmlRegisterType<SendingRun>("QmlCppBridge", 1, 0, "SendingRun");
    qmlRegisterType<SettingsStore>("QmlCppBridge", 1, 0, "SettingsStore");
    qmlRegisterType<VCardImport>("QmlCppBridge", 1, 0, "VCardImport");
    qmlRegisterType<PreviewRequestGuard>("QmlCppBridge", 1, 0, "PreviewRequestGuard");
    qmlRegisterType<OnlineCheck>("QmlCppBridge", 1, 0, "OnlineCheck");
    qmlRegisterType<OriginRequestGuard>("QmlCppBridge", 1, 0, "OriginRequestGuard");
    qmlRegisterType<PageFetch>("QmlCppBridge", 1, 0, "PageFetch");
    qmlRegisterSingletonType<WebService>("QmlCppBridge", 1, 0, "WebService",
                                         [](QQmlEngine *, QJSEngine *) -> QObject * {
                                             return new WebService;
                                         });
}

int Startup::run(int argc, char *argv[], const QUrl &entry)
{
    setEnvironment();

    registerTypes();

    // The web view's engine shares OpenGL contexts with the scene: Qt 6.4 needs
    // that settled, and the engine initialised, before the application object.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QQuickWindow::setGraphicsApi(QSGRendererInterface::OpenGL);
    QtWebView::initialize();

    QGuiApplication app(argc, argv);
    setApplicationIdentity();
    WebService::applyEnvironment();

    QSettings settings;
    const QString storedLanguage = settings.value(u"lang"_s, QString()).toString();

    QTranslator startupTranslator;
    if (!loadStartupTranslation(startupTranslator, storedLanguage, QLocale::system().name(),
                                QDir::currentPath())
                 .isEmpty())
        QCoreApplication::installTranslator(&startupTranslator);

    QQmlApplicationEngine engine;
    QObject::connect(
            &engine, &QQmlApplicationEngine::objectCreated, &app,
            [entry](QObject *object, const QUrl &url) {
                if (!object && url == entry)
                    QCoreApplication::exit(-1);
            },
            Qt::QueuedConnection);

    for (const QString &path : importPaths(QCoreApplication::applicationDirPath()))
        engine.addImportPath(path);

    engine.load(entry);
    if (engine.rootObjects().isEmpty())
        return -1;

    auto translator = std::make_unique<MyTranslator>(&engine);
    translator->setStartupLanguage(startupTranslator.language());
    engine.rootContext()->setContextProperty(u"myTranslator"_s, translator.get());
    engine.addImageProvider(u"qrCode"_s, new MyQrImageProvider);

    return QGuiApplication::exec();
}
