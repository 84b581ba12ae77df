#include "files/TextFile.h"

#include <QFile>

namespace TextFile {

void append(const QString &path, const QString &text)
{
    QFile file(path);
    if (!file.open(QIODevice::Append | QIODevice::Text)) {
        if (file.open(QIODevice::WriteOnly))
            file.close();
        if (!file.open(QIODevice::Append | QIODevice::Text))
            return;
    }
    file.write(text.toUtf8());
    file.write("\n");
}

QString readJoined(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};

    QString result;
    while (!file.atEnd()) {
        QByteArray line = file.readLine();
        if (line.endsWith('\n'))
            line.chop(1);
        // Windows text mode drops the CR of CR LF; do the same everywhere so a
        // file written on Windows reads alike on every system.
        if (line.endsWith('\r'))
            line.chop(1);
        const QString decoded = QString::fromUtf8(line);
        if (!result.isEmpty() && !decoded.isEmpty())
            result += QLatin1Char('\n');
        result += decoded;
    }
    return result;
}

} // namespace TextFile
