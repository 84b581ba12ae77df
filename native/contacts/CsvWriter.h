#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QUrl>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

// Writes contact records as comma-separated text for spreadsheets: UTF-8
// with a byte-order mark (without it spreadsheets guess a local code page),
// CR LF after every row, a header row of the record's field names, and
// quotes around any field holding a comma, a quote or a line break.
class CsvWriter : public QObject
{
    Q_OBJECT
    QML_ELEMENT

public:
    explicit CsvWriter(QObject *parent = nullptr) : QObject(parent) {}

    // The field names of the header row, in column order.
    static QStringList columns();
    // One row, without its line end.
    static QByteArray row(const QStringList &values);
    // The whole file: mark, header and one row per record (records are maps
    // of field name to text; a missing field is empty).
    static QByteArray encode(const QVariantList &records);

    // Writes the records as the file's whole content, replacing it; false
    // when the file cannot be written, leaving an existing one as it was.
    Q_INVOKABLE bool writeFile(const QUrl &url, const QVariantList &records) const;
};
