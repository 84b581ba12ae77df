#include "contacts/CsvPreview.h"

#include "contacts/CsvReader.h"

#include <QFile>
#include <QVariantList>

using namespace Qt::Literals::StringLiterals;

QVariantMap CsvPreview::read(const QUrl &url) const
{
    QVariantMap result;
    const QString path = url.isLocalFile() ? url.toLocalFile() : url.toString();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.insert(u"error"_s, u"unreadable"_s);
        return result;
    }
    CsvReader reader;
    reader.setKeepRows(ShownRows);
    qint64 read = 0;
    // Whole lines only, up to the byte limit and past the header and the
    // rows shown; a row cut by the limit is left out.
    while (!file.atEnd() && read < MaxBytes && reader.recordCount() < MaxRows) {
        QByteArray line = file.readLine(MaxBytes - read + 1);
        read += line.size();
        if (!line.endsWith('\n') && !file.atEnd())
            break;
        if (line.endsWith('\n'))
            line.chop(1);
        reader.addBytes(line);
    }
    if (file.atEnd())
        reader.finish();
    if (!reader.hasHeader()) {
        result.insert(u"error"_s, file.error() == QFile::NoError ? u"empty"_s : u"unreadable"_s);
        return result;
    }
    QVariantList rows;
    for (const QStringList &row : reader.keptRows())
        rows.append(row);
    QVariantList mapping;
    for (int field : CsvReader::proposeMapping(reader.headers()))
        mapping.append(field);
    result.insert(u"error"_s, QString());
    result.insert(u"delimiter"_s, QString(QLatin1Char(reader.delimiter())));
    result.insert(u"encoding"_s, reader.encoding());
    result.insert(u"byteOrderMark"_s, reader.hadByteOrderMark());
    result.insert(u"headers"_s, reader.headers());
    result.insert(u"rows"_s, rows);
    result.insert(u"mapping"_s, mapping);
    return result;
}
