#pragma once

#include <QHash>
#include <QJSValue>
#include <QJsonValue>
#include <QString>
#include <QStringList>

class QJSEngine;

// Script strings for long runs of stored records (found addresses, sending
// lists) in which fields repeat: an empty field, a date, a name. Each distinct
// text becomes one script string shared by every record that holds it,
// instead of one string per field, which is what the script engine's memory
// and the length of its collections grow with. Records are made by literals
// that take every field name as a field, "__proto__" included.
//
// Texts are shared within a batch; texts that repeated in a batch are kept
// for the following batches, up to a bound, while texts seen once (an
// address, most names) are let go at the end of their batch.
class SharedScriptValues
{
public:
    explicit SharedScriptValues(QJSEngine *engine) : m_engine(engine) {}

    QJSValue text(const QString &text);
    // Ends a batch: keeps what repeated, forgets the rest.
    void endBatch();

    // The value as a script value, its texts shared as above. Arrays end a
    // batch every `batchLength` elements.
    QJSValue fromJson(const QJsonValue &value, int batchLength = 1000);

private:
    QJSValue maker(const QStringList &keys);

    struct Entry
    {
        QJSValue value;
        int uses = 0;
    };

    QJSEngine *m_engine = nullptr;
    QHash<QString, QJSValue> m_kept;
    QHash<QString, Entry> m_batch;
    // The function that makes a record, by its field names.
    QHash<QStringList, QJSValue> m_makers;
};
