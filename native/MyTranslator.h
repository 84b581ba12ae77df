#pragma once

#include <QObject>
#include <QTranslator>

class QQmlEngine;

// Switches the interface language while the program runs: loads the chosen
// translation file from the working directory, installs it above the start-up
// translation, re-evaluates every translated text and remembers the choice.
class MyTranslator : public QObject
{
    Q_OBJECT
    // The language of the texts shown ("en_EN", "fr_FR"), or "" when no
    // translation is loaded (the English source texts show).
    Q_PROPERTY(QString language READ language NOTIFY languageChanged)
public:
    explicit MyTranslator(QQmlEngine *engine, QObject *parent = nullptr);

    QString language() const { return m_language; }
    // The language that start-up installed, before any switch.
    void setStartupLanguage(const QString &language);

signals:
    void languageChanged();

public slots:
    bool setLanguage(const QString &language);

private:
    QQmlEngine *m_engine; // not owned
    QTranslator m_translator;
    QString m_language;
};
