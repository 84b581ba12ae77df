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
public:
    explicit MyTranslator(QQmlEngine *engine, QObject *parent = nullptr);

signals:
    void languageChanged();

public slots:
    bool setLanguage(const QString &language);

private:
    QQmlEngine *m_engine; // not owned
    QTranslator m_translator;
};
