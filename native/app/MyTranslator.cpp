#include "app/MyTranslator.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QQmlEngine>
#include <QSettings>

using namespace Qt::Literals::StringLiterals;

MyTranslator::MyTranslator(QQmlEngine *engine, QObject *parent) : QObject(parent), m_engine(engine)
{}

MyTranslator::~MyTranslator()
{
    if (m_qtTranslatorInstalled)
        QCoreApplication::removeTranslator(&m_qtTranslator);
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
    if (m_qtTranslatorInstalled) {
        QCoreApplication::removeTranslator(&m_qtTranslator);
        m_qtTranslatorInstalled = false;
    }
    // The interface's own translation is installed after it and so searched
    // first: its texts for Qt's dialogs win over Qt's catalogue.
    if (loadQtTranslation(m_qtTranslator, language))
        m_qtTranslatorInstalled = QCoreApplication::installTranslator(&m_qtTranslator);
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
    // A failed load empties a translator, so probe with a scratch one first:
    // a missing file must leave the language in use untouched.
    QTranslator probe;
    if (!probe.load(name, QDir::currentPath()) || !m_translator.load(name, QDir::currentPath()))
        return false;

    applyQtTexts(language);
    // Re-installing moves the translator to the front, above the start-up one.
    QCoreApplication::removeTranslator(&m_translator);
    QCoreApplication::installTranslator(&m_translator);
    if (m_engine)
        m_engine->retranslate();
    m_language = language;
    emit languageChanged();

    QSettings().setValue(u"lang"_s, language);
    return true;
}
