#include "app/Startup.h"

#include <QtQml/qqmlextensionplugin.h>

// The QML modules are linked as static plug-ins; their registration has to be
// pulled into the executable explicitly.
Q_IMPORT_QML_PLUGIN(contentPlugin)
Q_IMPORT_QML_PLUGIN(ParvanePlugin)

int main(int argc, char *argv[])
{
    return Startup::run(argc, argv);
}
