// Writes a prepared state into Parvane's settings store, for demonstrations
// and screenshots.
//
// Usage: parvane_seed_settings STATE.json
// STATE.json maps each settings group to its keys and values; the top-level
// group "" (the start-up language) goes to the platform settings. The store
// written is the one the program opens, so XDG_CONFIG_HOME chooses where.
#include "app/Startup.h"
#include "store/SettingsStore.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>

#include <cstdio>

int main(int argc, char **argv)
{
    // The native library brings the web view module, which asks for this.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QCoreApplication app(argc, argv);
    Startup::setApplicationIdentity();
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s STATE.json\n", argv[0]);
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (!document.isObject()) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(error.errorString()));
        return 1;
    }
    QSettings settings;
    SettingsStore store;
    const QJsonObject groups = document.object();
    for (auto group = groups.constBegin(); group != groups.constEnd(); ++group) {
        const QJsonObject keys = group.value().toObject();
        for (auto key = keys.constBegin(); key != keys.constEnd(); ++key) {
            if (group.key().isEmpty())
                settings.setValue(key.key(), key.value().toVariant());
            else
                store.write(group.key(), key.key(), key.value());
        }
    }
    store.flush();
    settings.sync();
    if (settings.status() != QSettings::NoError) {
        std::fprintf(stderr, "the settings store could not be written\n");
        return 1;
    }
    std::printf("%s\n", qPrintable(store.path()));
    return 0;
}
