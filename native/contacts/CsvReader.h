#pragma once

#include "contacts/VCardReader.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

// Reads contact records out of comma-separated text (RFC 4180), line by line
// like VCardReader, so the import worker reads either the same way. The first
// record is the header; its first line decides the delimiter (comma,
// semicolon or tab, whichever it holds most outside quotes). Each record is
// read as UTF-8 when its bytes are UTF-8, else as Windows-1252, so one badly
// encoded row does not spoil the others. Rows are turned into cards by a
// mapping column -> field given by the caller (the proposed one when none).
class CsvReader
{
public:
    using Card = VCardReader::Card;
    // The mapping's value for a column that is not imported.
    static constexpr int NotImported = -1;

    // One field per column, NotImported for the columns left out; columns
    // beyond its end are left out too.
    void setMapping(const QList<int> &mapping);

    // One physical line of the file, without its LF; a CR before it is
    // dropped (a CR LF inside a quoted field becomes LF).
    void addBytes(QByteArrayView line);
    // Ends the text: a record left open by an unclosed quote ends here.
    void finish();
    // Cards of the rows read so far, in file order, handed over once. Rows
    // whose mapped fields are all empty give none.
    QList<Card> takeFinishedCards();
    qsizetype finishedCount() const { return m_cards.size(); }

    // What the file showed so far.
    bool hasHeader() const { return m_headerRead; }
    const QStringList &headers() const { return m_headers; }
    char delimiter() const { return m_delimiter; }
    bool hadByteOrderMark() const { return m_bom; }
    // "UTF-8", or "Windows-1252" once a record was not UTF-8.
    QString encoding() const;
    // The data rows read so far as text, kept only when asked (for a
    // preview), at most `keepRows` of them.
    void setKeepRows(int keepRows) { m_keepRows = keepRows; }
    const QList<QStringList> &keptRows() const { return m_keptRows; }
    qsizetype recordCount() const { return m_records; }

    // The delimiter that a header line uses.
    static char detectDelimiter(QByteArrayView line);
    // The field each header feeds, as recognised from the headers of common
    // address-book exports and plain spreadsheets; NotImported otherwise.
    static QList<int> proposeMapping(const QStringList &headers);
    static int fieldForHeader(const QString &header);
    static QString fromWindows1252(QByteArrayView bytes);

private:
    void parseLine(QByteArrayView line);
    void endRecord();
    Card cardOf(const QStringList &values) const;

    QList<int> m_mapping;
    bool m_mappingGiven = false;
    bool m_firstLine = true;
    bool m_bom = false;
    bool m_headerRead = false;
    bool m_sawWindows1252 = false;
    char m_delimiter = ',';
    QStringList m_headers;

    // The record being read: its finished fields, the field under way, and
    // whether that field is inside quotes.
    QList<QByteArray> m_fields;
    QByteArray m_field;
    bool m_inQuotes = false;
    bool m_fieldQuoted = false;
    bool m_recordOpen = false;

    QList<Card> m_cards;
    int m_keepRows = 0;
    QList<QStringList> m_keptRows;
    qsizetype m_records = 0;
};
