#include "store/SharedScriptValues.h"

#include <QJSEngine>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace Qt::Literals::StringLiterals;

namespace {

// Texts kept across batches; beyond this, repeated texts are shared only
// within their batch.
constexpr qsizetype keptAtMost = 8192;
// Record shapes given a literal of their own.
constexpr qsizetype makersAtMost = 16;

} // namespace

QJSValue SharedScriptValues::text(const QString &text)
{
    const auto kept = m_kept.constFind(text);
    if (kept != m_kept.cend())
        return *kept;
    auto entry = m_batch.find(text);
    if (entry == m_batch.end())
        entry = m_batch.insert(text, Entry{m_engine->toScriptValue(text), 0});
    ++entry->uses;
    return entry->value;
}

void SharedScriptValues::endBatch()
{
    for (auto it = m_batch.cbegin(); it != m_batch.cend() && m_kept.size() < keptAtMost; ++it) {
        if (it->uses > 1)
            m_kept.insert(it.key(), it->value);
    }
    m_batch.clear();
}

// Records of one shape are made by one script literal: the engine then sizes
// each for its fields instead of growing it field by field, which for a long
// list of records takes less memory and less time. Undefined, for making the
// object field by field, past a few shapes or for a name a literal reads
// otherwise.
QJSValue SharedScriptValues::maker(const QStringList &keys)
{
    const auto found = m_makers.constFind(keys);
    if (found != m_makers.cend())
        return *found;
    if (m_makers.size() >= makersAtMost || keys.contains(u"__proto__"_s))
        return {};
    QString source = u"(function() { return { "_s;
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const QByteArray quoted = QJsonDocument(QJsonArray{keys.at(i)})
                                          .toJson(QJsonDocument::Compact);
        source += QString::fromUtf8(quoted.sliced(1, quoted.size() - 2)) + u": arguments["_s
                  + QString::number(i) + u"], "_s;
    }
    QJSValue make = m_engine->evaluate(source + u"}; })"_s);
    if (!make.isCallable())
        make = QJSValue();
    m_makers.insert(keys, make);
    return make;
}

QJSValue SharedScriptValues::fromJson(const QJsonValue &value, int batchLength)
{
    switch (value.type()) {
    case QJsonValue::String:
        return text(value.toString());
    case QJsonValue::Double:
        return QJSValue(value.toDouble());
    case QJsonValue::Bool:
        return QJSValue(value.toBool());
    case QJsonValue::Null:
        return QJSValue(QJSValue::NullValue);
    case QJsonValue::Undefined:
        return QJSValue(QJSValue::UndefinedValue);
    case QJsonValue::Array: {
        const QJsonArray array = value.toArray();
        QJSValue result = m_engine->newArray(static_cast<uint>(array.size()));
        quint32 index = 0;
        for (const QJsonValue &element : array) {
            result.setProperty(index, fromJson(element, batchLength));
            if (++index % batchLength == 0)
                endBatch();
        }
        return result;
    }
    case QJsonValue::Object: {
        const QJsonObject object = value.toObject();
        QStringList keys;
        QJSValueList fields;
        keys.reserve(object.size());
        fields.reserve(object.size());
        for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
            keys.append(it.key());
            fields.append(fromJson(it.value(), batchLength));
        }
        const QJSValue make = maker(keys);
        if (make.isCallable())
            return make.call(fields);
        QJSValue result = m_engine->newObject();
        for (qsizetype i = 0; i < keys.size(); ++i)
            result.setProperty(keys.at(i), fields.at(i));
        return result;
    }
    }
    return QJSValue(QJSValue::UndefinedValue);
}
