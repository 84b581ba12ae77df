#include "app/MyTranslator.h"
#include "app/Startup.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QQmlEngine>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTranslator>

#include <atomic>
#include <memory>

using namespace Qt::Literals::StringLiterals;

class TestStartup : public QObject
{
    Q_OBJECT

    // Compiled translation files from the build, copied into a scratch folder.
    static void copyQm(const QString &name, const QString &dir)
    {
        const QString source = qEnvironmentVariable("PARVANE_BINARY_DIR") + u'/' + name;
        QVERIFY2(QFile::copy(source, dir + u'/' + name), qPrintable(source));
    }

private slots:
    void initTestCase()
    {
        Startup::setApplicationIdentity();
        QSettings().clear();
    }

    void environmentOverridesInheritedValues()
    {
        qputenv("QT_ENABLE_HIGHDPI_SCALING", "1");
        Startup::setEnvironment();
        QCOMPARE(qgetenv("QT_AUTO_SCREEN_SCALE_FACTOR"), "1");
        QCOMPARE(qgetenv("QT_ENABLE_HIGHDPI_SCALING"), "0");
        QCOMPARE(qgetenv("QT_LOGGING_RULES"), "qt.qml.connections=false");
        QCOMPARE(qgetenv("QT_QUICK_CONTROLS_CONF"), ":/qtquickcontrols2.conf");
        QCOMPARE(qgetenv("QML_COMPAT_RESOLVE_URLS_ON_ASSIGNMENT"), "1");
    }

    void controlsConfigurationIsInResources()
    {
        QSettings conf(u":/qtquickcontrols2.conf"_s, QSettings::IniFormat);
        QCOMPARE(conf.value(u"Controls/Style"_s).toString(), u"Basic"_s);
        QCOMPARE(conf.value(u"Material/Theme"_s).toString(), u"Light"_s);
    }

    void identity()
    {
        QCOMPARE(QCoreApplication::organizationName(), u"Velmora"_s);
        QCOMPARE(QCoreApplication::applicationName(), u"Parvane"_s);
        QCOMPARE(QCoreApplication::applicationVersion(), u"2.0.1"_s);
        QVERIFY(!QCoreApplication::organizationDomain().isEmpty());
    }

    void importPathsInOrder()
    {
        const QStringList paths = Startup::importPaths(u"/opt/parvane"_s);
        QCOMPARE(paths.value(0), u"/opt/parvane/qml"_s);
        QCOMPARE(paths.value(1), u":/"_s);
        QVERIFY(paths.contains(u":/qt/qml"_s));
    }

    void translationFallbacks_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("expected"); // file name loaded, "" for none

        const QStringList both{u"qml_en_EN.qm"_s, u"qml_fr_FR.qm"_s};
        QTest::newRow("stored French") << both << u"fr_FR"_s << u"de_DE"_s << u"qml_fr_FR.qm"_s;
        QTest::newRow("stored English") << both << u"en_EN"_s << u"fr_FR"_s << u"qml_en_EN.qm"_s;
        QTest::newRow("empty stored uses locale")
                << both << QString() << u"fr_FR"_s << u"qml_fr_FR.qm"_s;
        QTest::newRow("fr_BE falls back to French")
                << QStringList{u"qml_fr_FR.qm"_s} << QString() << u"fr_BE"_s << u"qml_fr_FR.qm"_s;
        QTest::newRow("de_DE falls back to English")
                << both << QString() << u"de_DE"_s << u"qml_en_EN.qm"_s;
        QTest::newRow("French wanted, only English there")
                << QStringList{u"qml_en_EN.qm"_s} << u"fr_CA"_s << QString() << u"qml_en_EN.qm"_s;
        QTest::newRow("no files at all") << QStringList{} << u"fr_FR"_s << QString() << QString();
        // The loader's cut-back lookup: qml_fr_CA is found as qml_fr.
        QTest::newRow("cut back to qml_fr")
                << QStringList{u"qml_fr.qm"_s} << u"fr_CA"_s << QString() << u"qml_fr.qm"_s;
    }

    void translationFallbacks()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, stored);
        QFETCH(QString, locale);
        QFETCH(QString, expected);

        QTemporaryDir dir;
        for (const QString &file : files) {
            // qml_fr.qm is a copy of the French file under a shorter name.
            const QString source = file == u"qml_fr.qm"_s ? u"qml_fr_FR.qm"_s : file;
            QVERIFY(QFile::copy(qEnvironmentVariable("PARVANE_BINARY_DIR") + u'/' + source,
                                dir.filePath(file)));
        }
        QTranslator translator;
        const QString loaded = Startup::loadStartupTranslation(translator, stored, locale,
                                                               dir.path());
        QCOMPARE(QFileInfo(loaded).fileName(), expected);
        // The language the menu marks: the one of the file that was loaded.
        if (expected.contains(u"fr"_s))
            QCOMPARE(translator.language(), u"fr_FR"_s);
        else if (expected.contains(u"en"_s))
            QCOMPARE(translator.language(), u"en_EN"_s);
    }

    void translationFromOtherFolderIsIgnored()
    {
        // Files beside the program do not count: only the given folder is searched.
        QTemporaryDir empty;
        QTranslator translator;
        QVERIFY(Startup::loadStartupTranslation(translator, u"fr_FR"_s, u"fr_FR"_s, empty.path())
                        .isEmpty());
    }

    // The working directory first, then beside the program, then the
    // installed data folder: the first that holds a translation.
    void translationFolderIsTheFirstThatHoldsOne()
    {
        QTemporaryDir working, beside, installed;
        copyQm(u"qml_fr_FR.qm"_s, installed.path());
        const QStringList folders{working.path(), beside.path(), installed.path()};
        QCOMPARE(Startup::translationFolder(folders), installed.path());
        copyQm(u"qml_en_EN.qm"_s, beside.path());
        QCOMPARE(Startup::translationFolder(folders), beside.path());
        copyQm(u"qml_en_EN.qm"_s, working.path());
        QCOMPARE(Startup::translationFolder(folders), working.path());
        QTemporaryDir none;
        QCOMPARE(Startup::translationFolder({none.path(), beside.path()}), beside.path());
        QCOMPARE(Startup::translationFolder({none.path()}), none.path());
    }

    void setLanguageSwitchesAndStores()
    {
        QTemporaryDir dir;
        copyQm(u"qml_fr_FR.qm"_s, dir.path());
        const QString previous = QDir::currentPath();
        QDir::setCurrent(dir.path());

        QSettings().setValue(u"lang"_s, u"en_EN"_s);
        QQmlEngine engine;
        MyTranslator translator(&engine);
        QSignalSpy changed(&translator, &MyTranslator::languageChanged);

        translator.setStartupLanguage(u"en_EN"_s);
        QCOMPARE(translator.language(), u"en_EN"_s);
        changed.clear();

        QVERIFY(translator.setLanguage(u"fr_FR"_s));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(translator.language(), u"fr_FR"_s);
        QCOMPARE(QSettings().value(u"lang"_s).toString(), u"fr_FR"_s);

        // A missing file changes nothing: no signal, "lang" keeps its value.
        QVERIFY(!translator.setLanguage(u"de_DE"_s));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(translator.language(), u"fr_FR"_s);
        QCOMPARE(QSettings().value(u"lang"_s).toString(), u"fr_FR"_s);

        // Switching back and forth while another thread translates (as a
        // host lookup does for its error text) must hand that thread one
        // language or the other, never a translator being loaded.
        copyQm(u"qml_en_EN.qm"_s, dir.path());
        std::atomic<bool> stop = false;
        std::atomic<int> foreign = 0;
        std::unique_ptr<QThread> reader(QThread::create([&] {
            while (!stop) {
                const QString text = QCoreApplication::translate("ComposeForm", "Unsubscribe link");
                if (text != "Unsubscribe link"_L1 && text != u"Lien de désabonnement"_s)
                    ++foreign;
            }
        }));
        reader->start();
        int switched = 0;
        for (int i = 0; i < 200; ++i)
            switched += translator.setLanguage(i % 2 ? u"fr_FR"_s : u"en_EN"_s);
        stop = true;
        reader->wait();
        QCOMPARE(switched, 200);
        QCOMPARE(foreign.load(), 0);
        QCOMPARE(QCoreApplication::translate("ComposeForm", "Unsubscribe link"),
                 u"Lien de désabonnement"_s);

        QDir::setCurrent(previous);
    }

    void brokenEntryFileExitsWithMinusOne()
    {
        QTemporaryDir dir;
        QFile broken(dir.filePath(u"main.qml"_s));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("import QtQuick\nItem { this is not qml\n");
        broken.close();

        QProcess probe;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        probe.setProcessEnvironment(env);
        probe.start(QString::fromUtf8(STARTUP_PROBE), {broken.fileName()});
        QVERIFY(probe.waitForFinished(30000));
        QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
        QCOMPARE(probe.exitCode(), 255); // -1 as the process exit status
    }

    // The native types come from their declarative module: the real start-up,
    // with no registration call of its own, must make each one importable.
    void nativeTypesImportAtStartUp()
    {
        QTemporaryDir dir;
        QFile entry(dir.filePath(u"main.qml"_s));
        QVERIFY(entry.open(QIODevice::WriteOnly));
        entry.write("import QtQuick\n"
                    "import QmlCppBridge\n"
                    "Item {\n"
                    "    property var bridge: QmlCppBridge\n"
                    "    SendingRun {}\n"
                    "    SettingsStore { path: \""
                    + dir.filePath(u"store"_s).toUtf8()
                    + "\" }\n"
                      "    VCardImport {}\n"
                      "    PreviewRequestGuard {}\n"
                      "    Component.onCompleted: Qt.exit(bridge ? 7 : 3)\n"
                      "}\n");
        entry.close();

        QProcess probe;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        probe.setProcessEnvironment(env);
        probe.start(QString::fromUtf8(STARTUP_PROBE), {entry.fileName()});
        QVERIFY(probe.waitForFinished(60000));
        const QByteArray errors = probe.readAllStandardError();
        QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
        QVERIFY2(probe.exitCode() == 7, errors.constData());
        QVERIFY2(!errors.contains("main.qml"), errors.constData());
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
