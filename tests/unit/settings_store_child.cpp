// Changes keys of a settings store at a steady pace and says so on its
// standard output, until it is killed: tst_settingsstore kills it (SIGKILL)
// at chosen moments and reads the store back. With CONTACTS, a list of that
// many is stored first, and each change then replaces its first record, as
// the contact book changes one contact.
//
// Usage: settings_store_child STORE_FOLDER INTERVAL_MS CONTACTS
#include "store/SettingsStore.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QTimer>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 4)
        return 2;
    SettingsStore store;
    store.setPath(QString::fromLocal8Bit(argv[1]));
    const int interval = QByteArray(argv[2]).toInt();
    const int contacts = QByteArray(argv[3]).toInt();

    if (contacts > 0) {
        QJsonArray list;
        for (int i = 0; i < contacts; ++i)
            list.append(QJsonObject{{u"email"_s, u"contact%1@example.com"_s.arg(i)},
                                    {u"firstname"_s, u"Zoé"_s},
                                    {u"list"_s, u"Clients"_s}});
        store.write(u"userData"_s, u"contacts"_s, list);
        store.flush();
    }
    int change = 0;
    QTimer timer;
    timer.setInterval(interval);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        ++change;
        store.write(u"window"_s, u"x"_s, change);
        if (contacts > 0)
            store.splice(u"userData"_s, u"contacts"_s, 0, 1,
                         {SettingsStore::encodedElement(QJsonObject{
                                 {u"email"_s, u"changed%1@example.com"_s.arg(change)}})});
        std::printf("%d\n", change);
        std::fflush(stdout);
    });
    timer.start();
    return app.exec();
}
