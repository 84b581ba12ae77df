#include "contacts/CsvWriter.h"

#include "contacts/VCardReader.h"

#include <QSaveFile>
#include <QVariantMap>

QStringList CsvWriter::columns()
{
    QStringList names;
    for (int field = 0; field < VCardReader::FieldCount; ++field)
        names.append(QString::fromLatin1(VCardReader::fieldName(field)));
    return names;
}

QByteArray CsvWriter::row(const QStringList &values)
{
    QByteArray line;
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (i > 0)
            line += ',';
        const QByteArray field = values[i].toUtf8();
        if (field.contains(',') || field.contains('"') || field.contains('\n')
            || field.contains('\r')) {
            QByteArray quoted = field;
            quoted.replace("\"", "\"\"");
            line += '"' + quoted + '"';
        } else {
            line += field;
        }
    }
    return line;
}

QByteArray CsvWriter::encode(const QVariantList &records)
{
    const QStringList names = columns();
    QByteArray text("\xEF\xBB\xBF");
    text += row(names) + "\r\n";
    for (const QVariant &record : records) {
        const QVariantMap map = record.toMap();
        QStringList values;
        values.reserve(names.size());
        for (const QString &name : names)
            values.append(map.value(name).toString());
        text += row(values) + "\r\n";
    }
    return text;
}

bool CsvWriter::writeFile(const QUrl &url, const QVariantList &records) const
{
    const QString path = url.isLocalFile() ? url.toLocalFile() : url.toString();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray text = encode(records);
    // commit() misses a failure of the final flush of buffered data (Qt 6.4),
    // so the flush is checked on its own first.
    return file.write(text) == text.size() && file.flush() && file.commit();
}
