#include "app/MyTranslator.h"

#include "app/Startup.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QQmlEngine>
#include <QSettings>

using namespace Qt::Literals::StringLiterals;

MyTranslator::MyTranslator(QQmlEngine *engine, QObject *parent) : QObject(parent), m_engine(engine)
{}

// A translator removes itself from the application when it is deleted.
MyTranslator::~MyTranslator() = default;

void MyTranslator::replaceInstalled(std::unique_ptr<QTranslator> &slot,
                                    std::unique_ptr<QTranslator> loaded)
{
    // The new one is searched from here on; the old one is deleted only once
    // removed, which waits for any thread reading it.
    if (loaded && !QCoreApplication::installTranslator(loaded.get()))
        loaded.reset();
    if (slot)
        QCoreApplication::removeTranslator(slot.get());
    slot = std::move(loaded);
}

QLocale MyTranslator::localeFor(const QString &language)
{
    if (language.startsWith("fr"_L1))
        return QLocale(QLocale::French, QLocale::France);
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

bool MyTranslator::loadQtTranslation(QTranslator &translator, const QString &language)
{
    if (!language.startsWith("fr"_L1))
        return false;
    // "qt_fr" gathers Qt's modules (qtbase, qtdeclarative, ...) of that language.
    return translator.load(u"qt_fr"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

void MyTranslator::applyQtTexts(const QString &language)
{
    QLocale::setDefault(localeFor(language));
    // The interface's own translation is installed after it and so searched
    // first: its texts for Qt's dialogs win over Qt's catalogue.
    auto loaded = std::make_unique<QTranslator>();
    if (!loadQtTranslation(*loaded, language))
        loaded.reset();
    replaceInstalled(m_qtTranslator, std::move(loaded));
}

void MyTranslator::setStartupLanguage(const QString &language)
{
    applyQtTexts(language);
    if (m_language == language)
        return;
    m_language = language;
    emit languageChanged();
}

bool MyTranslator::setLanguage(const QString &language)
{
    const QString name = u"qml_"_s + language;
    // A new translator each time: threads translate while this runs (a host
    // lookup's error text), and loading one that is installed would change it
    // under them. A missing file leaves the language in use untouched.
    auto loaded = std::make_unique<QTranslator>();
    if (!loaded->load(name, Startup::translationFolder()))
        return false;

    applyQtTexts(language);
    // Installed last, it is searched before the start-up translation.
    replaceInstalled(m_translator, std::move(loaded));
    if (m_engine)
        m_engine->retranslate();
    m_language = language;
    emit languageChanged();

    QSettings().setValue(u"lang"_s, language);
    return true;
}
