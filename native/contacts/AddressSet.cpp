#include "AddressSet.h"

using namespace Qt::Literals::StringLiterals;

void AddressSet::clear()
{
    m_addresses = QSet<QString>();
}

bool AddressSet::insert(const QString &address)
{
    const qsizetype before = m_addresses.size();
    m_addresses.insert(address);
    return m_addresses.size() != before;
}

void AddressSet::insertFromList(const QJSValue &records, const QString &list)
{
    const quint32 length = records.property(u"length"_s).toUInt();
    for (quint32 i = 0; i < length; ++i) {
        const QJSValue record = records.property(i);
        if (record.isObject() && record.property(u"list"_s).toString() == list)
            m_addresses.insert(record.property(u"email"_s).toString());
    }
}
