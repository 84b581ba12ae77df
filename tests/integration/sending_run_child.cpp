// A sending run in a process of its own, for the test that kills it: reads
// the run from a JSON file (params, recipients, journal, interval) and
// delivers until the run ends or the process is killed.
#include "run/SendingRun.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

using namespace Qt::Literals::StringLiterals;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly))
        return 2;
    const QJsonObject plan = QJsonDocument::fromJson(file.readAll()).object();
    SendingRun run;
    run.setJournalPath(plan.value("journal"_L1).toString());
    run.setInterval(plan.value("interval"_L1).toInt(50));
    QObject::connect(&run, &SendingRun::ended, &app, [&app] { app.exit(0); });
    if (!run.start(plan.value("params"_L1).toObject().toVariantMap(),
                   plan.value("recipients"_L1).toArray().toVariantList()))
        return 3;
    return app.exec();
}
