#include "app/Startup.h"

#include <QUrl>

// Runs the real start-up with the entry file named on the command line.
int main(int argc, char *argv[])
{
    if (argc < 2)
        return 2;
    const QUrl entry = QUrl::fromLocalFile(QString::fromLocal8Bit(argv[1]));
    int qtArgc = 1;
    return Startup::run(qtArgc, argv, entry);
}
