#include "MyTranslator.h"

#include <QCoreApplication>
#include <QDir>
#include <QQmlEngine>
#include <QSettings>

using namespace Qt::Literals::StringLiterals;

MyTranslator::MyTranslator(QQmlEngine *engine, QObject *parent) : QObject(parent), m_engine(engine)
{}

void MyTranslator::setStartupLanguage(const QString &language)
{
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
