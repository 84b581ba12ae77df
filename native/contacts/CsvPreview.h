#pragma once

#include <QObject>
#include <QUrl>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

// The first rows of a CSV file, for the dialog in which the user maps its
// columns before the import: read on the spot, so it reads little.
class CsvPreview : public QObject
{
    Q_OBJECT
    QML_ELEMENT

public:
    static constexpr qint64 MaxBytes = 64 * 1024;
    static constexpr int MaxRows = 20;
    static constexpr int ShownRows = 5;

    explicit CsvPreview(QObject *parent = nullptr) : QObject(parent) {}

    // { delimiter, encoding, byteOrderMark, headers, rows (the first five),
    // mapping (the proposed field of each column, -1 for none), error } with
    // error "" when the file could be read, "unreadable" when it cannot be
    // opened, "empty" when it holds no header.
    Q_INVOKABLE QVariantMap read(const QUrl &url) const;
};
