#pragma once

#include <QLocale>
#include <QObject>
#include <QTranslator>

#include <memory>

class QQmlEngine;

// Switches the interface language while the program runs: loads the chosen
// translation file from the working directory, installs it above the start-up
// translation, re-evaluates every translated text and remembers the choice.
// Qt's own texts (file dialogs, standard buttons) and the formatting of numbers,
// sizes and dates follow the same language.
class MyTranslator : public QObject
{
    Q_OBJECT
    // The language of the texts shown ("en_EN", "fr_FR"), or "" when no
    // translation is loaded (the English source texts show).
    Q_PROPERTY(QString language READ language NOTIFY languageChanged)
public:
    explicit MyTranslator(QQmlEngine *engine, QObject *parent = nullptr);
    ~MyTranslator() override;

    QString language() const { return m_language; }
    // The language that start-up installed, before any switch.
    void setStartupLanguage(const QString &language);

    // The conventions of numbers and dates for an interface language.
    static QLocale localeFor(const QString &language);
    // Loads Qt's own translation for an interface language (none for English,
    // Qt's source language) from Qt's translations folder.
    static bool loadQtTranslation(QTranslator &translator, const QString &language);

signals:
    void languageChanged();

public slots:
    bool setLanguage(const QString &language);

private:
    void applyQtTexts(const QString &language);
    // Installs `loaded` (or nothing) in place of the translator in `slot`.
    static void replaceInstalled(std::unique_ptr<QTranslator> &slot,
                                 std::unique_ptr<QTranslator> loaded);

    QQmlEngine *m_engine; // not owned
    // Replaced, never reloaded, while installed: other threads read them.
    std::unique_ptr<QTranslator> m_translator;
    std::unique_ptr<QTranslator> m_qtTranslator;
    QString m_language;
};
