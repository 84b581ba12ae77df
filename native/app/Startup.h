#pragma once

#include <QString>
#include <QUrl>

class QTranslator;

// The process start-up: environment, identity, the first translation, the
// engine and the event loop. Split into small functions so tests can check
// each rule without starting the whole program.
namespace Startup {
inline constexpr const char *entryUrl = "qrc:/qt/qml/Main/main.qml";

// Overwrites the five variables the program needs, in their fixed order.
void setEnvironment();

// Organisation and application names, domain and version.
void setApplicationIdentity();
// Makes the native types the interface creates (the bridge, the sending
// run...) importable: their module is registered declaratively, and this
// keeps its registration linked in. Harmless to call more than once.
void registerTypes();

// Loads the first translation from `directory`: the stored language tag
// (or the system locale's name when it is empty), then the French file for
// any name holding "fr", then the English file. Returns the path that was
// tried with success, or an empty string when no file loaded.
QString loadStartupTranslation(QTranslator &translator, const QString &storedLanguage,
                               const QString &systemLocaleName, const QString &directory);

// Where the interface's translation files are: the first of `candidates`
// that holds one (qml_*.qm), else the first candidate.
QString translationFolder(const QStringList &candidates);
// The working directory first, then beside the executable, then the
// installed data folder (<prefix>/share/parvane), so that a program started
// from a menu, with no such working directory, still finds its texts.
QString translationFolder();

// Import paths of the engine, in the order they are added.
QStringList importPaths(const QString &applicationDir);

// The whole start-up: returns the event loop's exit code, or -1 when the
// entry file yields no window.
int run(int argc, char *argv[], const QUrl &entry = QUrl(QString::fromLatin1(entryUrl)));
} // namespace Startup
