#include "contacts/ContactBook.h"

#include "mail/EmailAddress.h"

#include "contacts/VCardImport.h"
#include "store/SettingsStore.h"

#include <QCollator>
#include <QJSEngine>
#include <QJsonArray>
#include <QtQml/qqml.h>

#include <algorithm>
#include <cmath>
#include <numeric>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString storeGroup = u"userData"_s;
const QString storeKey = u"contacts"_s;

// A stored field as text: strings as they are, finite numbers and booleans
// written as the script engine writes them, absent and null as "". Nothing
// for any other kind.
std::optional<QString> fieldText(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::Undefined:
    case QJsonValue::Null:
        return QString();
    case QJsonValue::String:
        return value.toString();
    case QJsonValue::Bool:
        return value.toBool() ? u"true"_s : u"false"_s;
    case QJsonValue::Double:
        if (!std::isfinite(value.toDouble()))
            return std::nullopt;
        return QJSValue(value.toDouble()).toString();
    default:
        return std::nullopt;
    }
}

// Numbers compared by value ("Name 3" before "Name 101"): each run of digits
// padded to one width. The collator's own numeric mode does not reach the
// sort keys of this Qt.
QString numbersPadded(const QString &text)
{
    constexpr qsizetype width = 12;
    QString result;
    result.reserve(text.size() + width);
    for (qsizetype i = 0; i < text.size();) {
        if (!text[i].isDigit()) {
            result += text[i++];
            continue;
        }
        qsizetype end = i;
        while (end < text.size() && text[end].isDigit())
            ++end;
        if (end - i < width)
            result += QString(width - (end - i), u'0');
        result += QStringView(text).mid(i, end - i);
        i = end;
    }
    return result;
}

} // namespace

ContactBook::ContactBook(QObject *parent) : QObject(parent), m_reading(new VCardImport(this))
{
    connect(m_reading, &VCardImport::finished, this, &ContactBook::readingFinished);
}

ContactBook::~ContactBook()
{
    m_reading->disconnect(this);
    dropImport();
}

const QString &ContactBook::fieldKey(int field)
{
    static const std::array<QString, FieldCount> keys = [] {
        std::array<QString, FieldCount> names;
        for (int i = 0; i < VCardReader::FieldCount; ++i)
            names[i] = QString::fromLatin1(VCardReader::fieldName(i));
        names[List] = u"list"_s;
        return names;
    }();
    return keys[field];
}

bool ContactBook::isOwnField(QStringView name)
{
    for (int field = 0; field < FieldCount; ++field) {
        if (name == fieldKey(field))
            return true;
    }
    return false;
}

bool ContactBook::isValidEmail(const QString &email)
{
    return EmailAddress::isWellFormed(email);
}

bool ContactBook::isWritten(const Contact &contact, int field)
{
    // Most contacts have one address: records without others keep the shape
    // an earlier version wrote.
    return field != OtherEmails || !contact.fields[field].isEmpty();
}

ContactBook::ContactPointer ContactBook::fromJson(const QJsonValue &value)
{
    if (!value.isObject())
        return {};
    const QJsonObject object = value.toObject();
    auto contact = std::make_shared<Contact>();
    for (int field = 0; field < FieldCount; ++field) {
        const auto text = fieldText(object.value(fieldKey(field)));
        if (!text)
            return {};
        contact->fields[field] = *text;
    }
    // Other fields are copied into an object of their own: the record's
    // object would keep the whole record's data alive with them.
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!isOwnField(it.key()))
            contact->extra.insert(it.key(), it.value());
    }
    return contact;
}

QByteArray ContactBook::encoded(const Contact &contact)
{
    return SettingsStore::encodedElement(toJson(contact));
}

QJsonObject ContactBook::toJson(const Contact &contact)
{
    QJsonObject object = contact.extra;
    for (int field = 0; field < FieldCount; ++field) {
        if (isWritten(contact, field))
            object.insert(fieldKey(field), contact.fields[field]);
    }
    return object;
}

SettingsStore *ContactBook::store() const
{
    return m_store;
}

void ContactBook::setStore(SettingsStore *store)
{
    if (store == m_store)
        return;
    if (m_store)
        disconnect(m_store, nullptr, this, nullptr);
    m_store = store;
    // Another store folder holds other contacts.
    if (m_store)
        connect(m_store, &SettingsStore::pathChanged, this, &ContactBook::load);
    emit storeChanged();
    load();
}

void ContactBook::load()
{
    QList<ContactPointer> contacts;
    bool dropped = false;
    if (m_store) {
        const QJsonValue stored = m_store->read(storeGroup, storeKey);
        // Nothing stored, or a value of another kind: the empty book is
        // stored in its place.
        dropped = !stored.isArray();
        if (stored.isArray()) {
            const QJsonArray array = stored.toArray();
            contacts.reserve(array.size());
            for (const QJsonValue &element : array) {
                if (auto contact = fromJson(element))
                    contacts.append(std::move(contact));
                else
                    dropped = true;
            }
        }
    }
    m_contacts = std::move(contacts);
    // Later changes are stored as ranges of what is held here: the stored
    // list must be the same records first.
    if (dropped && m_store)
        storeWhole();
    touch();
}

ContactBook::ContactPointer ContactBook::fromScript(const QJSValue &value) const
{
    QJSEngine *engine = qjsEngine(this);
    if (!engine || !value.isObject() || value.isArray())
        return {};
    return fromJson(engine->fromScriptValue<QJsonValue>(value));
}

QJSValue ContactBook::toScript(const Contact &contact) const
{
    QJSEngine *engine = qjsEngine(this);
    if (!engine)
        return QJSValue(QJSValue::UndefinedValue);
    QJSValue object = engine->newObject();
    for (auto it = contact.extra.begin(); it != contact.extra.end(); ++it) {
        // Set as a property, that name would change the record's prototype.
        if (it.key() != "__proto__"_L1)
            object.setProperty(it.key(), engine->toScriptValue(QJsonValue(it.value())));
    }
    for (int field = 0; field < FieldCount; ++field) {
        if (isWritten(contact, field))
            object.setProperty(fieldKey(field), contact.fields[field]);
    }
    return object;
}

QJSValue ContactBook::record(int index) const
{
    if (index < 0 || index >= m_contacts.size())
        return QJSValue(QJSValue::UndefinedValue);
    return toScript(*m_contacts.at(index));
}

QJSValue ContactBook::records() const
{
    QJSEngine *engine = qjsEngine(this);
    if (!engine)
        return QJSValue(QJSValue::UndefinedValue);
    QJSValue array = engine->newArray(static_cast<uint>(m_contacts.size()));
    for (qsizetype i = 0; i < m_contacts.size(); ++i)
        array.setProperty(static_cast<quint32>(i), toScript(*m_contacts.at(i)));
    return array;
}

bool ContactBook::setRecords(const QJSValue &records)
{
    if (!records.isArray())
        return false;
    QList<ContactPointer> contacts;
    const quint32 length = records.property(u"length"_s).toUInt();
    contacts.reserve(length);
    for (quint32 i = 0; i < length; ++i) {
        if (auto contact = fromScript(records.property(i)))
            contacts.append(std::move(contact));
    }
    m_contacts = std::move(contacts);
    storeWhole();
    touch();
    return true;
}

QList<int> ContactBook::indexesOf(const QString &list) const
{
    QList<int> indexes;
    for (qsizetype i = 0; i < m_contacts.size(); ++i) {
        if (m_contacts.at(i)->fields[List] == list)
            indexes.append(static_cast<int>(i));
    }
    return indexes;
}

int ContactBook::countBefore(const QString &list, int index) const
{
    const qsizetype end = std::clamp<qsizetype>(index, 0, m_contacts.size());
    int counted = 0;
    for (qsizetype i = 0; i < end; ++i)
        counted += m_contacts.at(i)->fields[List] == list ? 1 : 0;
    return counted;
}

bool ContactBook::contains(const QString &email, const QString &list) const
{
    return std::any_of(m_contacts.cbegin(), m_contacts.cend(), [&](const ContactPointer &contact) {
        return contact->fields[Email] == email && contact->fields[List] == list;
    });
}

QString ContactBook::mailboxKey(const QString &email)
{
    return email.toCaseFolded();
}

QSet<QString> ContactBook::mailboxesOf(const QString &list) const
{
    QSet<QString> known;
    for (const ContactPointer &contact : std::as_const(m_contacts)) {
        if (contact->fields[List] == list)
            known.insert(mailboxKey(contact->fields[Email]));
    }
    return known;
}

QString ContactBook::sameMailbox(const QString &email, const QString &list) const
{
    for (const ContactPointer &contact : std::as_const(m_contacts)) {
        const QString &address = contact->fields[Email];
        if (contact->fields[List] == list && address != email
            && address.compare(email, Qt::CaseInsensitive) == 0)
            return address;
    }
    return QString();
}

QVariantMap ContactBook::listCounts() const
{
    QHash<QString, int> counts;
    for (const ContactPointer &contact : std::as_const(m_contacts))
        ++counts[contact->fields[List]];
    QVariantMap result;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        result.insert(it.key(), it.value());
    return result;
}

QList<int> ContactBook::view(const QString &list, const QString &filter, int order) const
{
    if (m_sorted.revision != m_revision || m_sorted.list != list || m_sorted.order != order) {
        QList<int> indexes = indexesOf(list);
        if (order == ByName || order == ByAddress) {
            // Sort keys made once per contact: comparing with the collator
            // itself costs a collation per comparison.
            QCollator collator;
            collator.setCaseSensitivity(Qt::CaseInsensitive);
            QList<QCollatorSortKey> keys;
            keys.reserve(indexes.size());
            for (const int index : std::as_const(indexes)) {
                const Contact &contact = *m_contacts.at(index);
                const QString &name = contact.fields[FullName];
                // Contacts without a name are shown, and sorted, by address.
                keys.append(collator.sortKey(numbersPadded(
                        order == ByName && !name.isEmpty() ? name : contact.fields[Email])));
            }
            QList<int> positions(indexes.size());
            std::iota(positions.begin(), positions.end(), 0);
            std::stable_sort(positions.begin(), positions.end(),
                             [&](int a, int b) { return keys[a].compare(keys[b]) < 0; });
            QList<int> sorted;
            sorted.reserve(indexes.size());
            for (const int position : std::as_const(positions))
                sorted.append(indexes[position]);
            indexes = std::move(sorted);
        }
        m_sorted = {list, order, m_revision, std::move(indexes), {}, {}};
    }
    const QString needle = filter.trimmed();
    if (needle.isEmpty())
        return m_sorted.indexes;
    // Typing on narrows what the last keystroke showed.
    const bool narrowing = !m_sorted.filter.isEmpty()
                           && needle.contains(m_sorted.filter, Qt::CaseInsensitive);
    const QList<int> &candidates = narrowing ? m_sorted.shown : m_sorted.indexes;
    QList<int> shown;
    for (const int index : candidates) {
        const Contact &contact = *m_contacts.at(index);
        for (const int field : {FullName, Email, Company, OtherEmails}) {
            if (contact.fields[field].contains(needle, Qt::CaseInsensitive)) {
                shown.append(index);
                break;
            }
        }
    }
    m_sorted.filter = needle;
    m_sorted.shown = shown;
    return shown;
}

bool ContactBook::hasMembers(const QStringList &lists) const
{
    if (lists.isEmpty())
        return false;
    const QSet<QString> named(lists.cbegin(), lists.cend());
    return std::any_of(m_contacts.cbegin(), m_contacts.cend(), [&](const ContactPointer &contact) {
        return named.contains(contact->fields[List]);
    });
}

bool ContactBook::prepend(const QJSValue &record)
{
    auto contact = fromScript(record);
    if (!contact)
        return false;
    const QByteArray element = encoded(*contact);
    m_contacts.prepend(std::move(contact));
    storeSplice(0, 0, {element});
    touch();
    return true;
}

bool ContactBook::replace(int index, const QJSValue &record)
{
    if (index < 0 || index >= m_contacts.size())
        return false;
    auto contact = fromScript(record);
    if (!contact)
        return false;
    const QByteArray element = encoded(*contact);
    m_contacts[index] = std::move(contact);
    storeSplice(index, 1, {element});
    touch();
    return true;
}

bool ContactBook::removeAt(int index)
{
    if (index < 0 || index >= m_contacts.size())
        return false;
    return removeIndexes({index}) == 1;
}

int ContactBook::removeList(const QString &list)
{
    return removeIndexes(indexesOf(list));
}

int ContactBook::removeIndexes(const QList<int> &indexes)
{
    QList<qsizetype> positions;
    positions.reserve(indexes.size());
    for (const int index : indexes) {
        if (index >= 0 && index < m_contacts.size())
            positions.append(index);
    }
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    if (positions.isEmpty())
        return 0;
    QList<std::pair<qsizetype, ContactPointer>> removed;
    removed.reserve(positions.size());
    for (const qsizetype position : std::as_const(positions))
        removed.append({position, m_contacts.at(position)});
    // Kept in one pass: removing one by one moves the rest of the book each time.
    QList<ContactPointer> kept;
    kept.reserve(m_contacts.size() - positions.size());
    qsizetype next = 0;
    for (qsizetype i = 0; i < m_contacts.size(); ++i) {
        if (next < positions.size() && positions[next] == i)
            ++next;
        else
            kept.append(std::move(m_contacts[i]));
    }
    m_contacts = std::move(kept);
    storePositions(positions, Change::Removed);
    touch(std::move(removed));
    return static_cast<int>(positions.size());
}

int ContactBook::restoreRemoved()
{
    if (m_removed.isEmpty())
        return 0;
    const auto removed = std::exchange(m_removed, {});
    QList<ContactPointer> contacts;
    contacts.reserve(m_contacts.size() + removed.size());
    QList<qsizetype> positions;
    positions.reserve(removed.size());
    qsizetype from = 0;
    for (const auto &[position, contact] : removed) {
        while (contacts.size() < position && from < m_contacts.size())
            contacts.append(std::move(m_contacts[from++]));
        positions.append(contacts.size());
        contacts.append(contact);
    }
    while (from < m_contacts.size())
        contacts.append(std::move(m_contacts[from++]));
    m_contacts = std::move(contacts);
    storePositions(positions, Change::Inserted);
    touch();
    return static_cast<int>(removed.size());
}

QJSValue ContactBook::moveIndexes(const QList<int> &indexes, const QString &list)
{
    QSet<QString> known = mailboxesOf(list);
    QList<int> sorted = indexes;
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    QList<qsizetype> moved;
    int existing = 0;
    for (const int index : std::as_const(sorted)) {
        if (index < 0 || index >= m_contacts.size() || m_contacts.at(index)->fields[List] == list)
            continue;
        const QString key = mailboxKey(m_contacts.at(index)->fields[Email]);
        if (known.contains(key)) {
            ++existing;
            continue;
        }
        known.insert(key);
        auto contact = std::make_shared<Contact>(*m_contacts.at(index));
        contact->fields[List] = list;
        m_contacts[index] = std::move(contact);
        moved.append(index);
    }
    if (!moved.isEmpty()) {
        storePositions(moved, Change::Replaced);
        touch();
    }
    QJSEngine *engine = qjsEngine(this);
    if (!engine)
        return QJSValue(QJSValue::UndefinedValue);
    QJSValue outcome = engine->newObject();
    outcome.setProperty(u"moved"_s, static_cast<int>(moved.size()));
    outcome.setProperty(u"existing"_s, existing);
    return outcome;
}

bool ContactBook::importFile(const QUrl &url, const QString &list, const QVariant &csvMapping)
{
    if (m_reading->running() || !beginImport(m_reading, list))
        return false;
    QList<int> mapping;
    for (const QVariant &column : csvMapping.toList())
        mapping.append(column.toInt());
    const bool started = csvMapping.isValid() && !csvMapping.isNull()
                                 ? m_reading->startCsv(url, mapping)
                                 : m_reading->start(url);
    if (!started)
        abandonImport();
    return started;
}

void ContactBook::cancelImport()
{
    if (!m_import || !m_reading->running())
        return;
    abandonImport();
    m_reading->cancel();
}

void ContactBook::readingFinished(bool completed)
{
    // Nothing to report for an import already dropped.
    if (!m_import)
        return;
    const QJSValue outcome = endImport(completed);
    emit importFinished(completed, outcome);
}

bool ContactBook::beginImport(VCardImport *reading, const QString &list)
{
    if (m_import || !reading)
        return false;
    Import import;
    import.list = list;
    import.known = mailboxesOf(list);
    import.cards = connect(reading, &VCardImport::cardsReady, this, &ContactBook::importCards);
    // A reading destroyed mid-import (its page closed) takes the import along.
    import.gone = connect(reading, &QObject::destroyed, this, &ContactBook::abandonImport);
    m_import = std::move(import);
    emit importingChanged();
    return true;
}

void ContactBook::abandonImport()
{
    dropImport();
    emit importingChanged();
}

void ContactBook::importCards(const QList<VCardReader::Card> &cards)
{
    if (!m_import)
        return;
    Import &import = *m_import;
    for (const VCardReader::Card &card : cards) {
        ++import.parsed;
        const QString &email = card[VCardReader::Email];
        if (email.isEmpty()) {
            ++import.noAddress;
            continue;
        }
        if (!isValidEmail(email)) {
            ++import.invalidAddress;
            continue;
        }
        // The same mailbox in other letter case is the same person.
        const QString key = mailboxKey(email);
        if (import.known.contains(key)) {
            ++import.existing;
            continue;
        }
        import.known.insert(key);
        auto contact = std::make_shared<Contact>();
        for (int field = 0; field < VCardReader::FieldCount; ++field)
            contact->fields[field] = card[field];
        // A file without full names (a spreadsheet's columns) gives the one
        // the form would make from the names.
        if (contact->fields[FullName].isEmpty())
            contact->fields[FullName] = VCardReader::fullName(contact->fields[LastName],
                                                              contact->fields[FirstName]);
        contact->fields[List] = import.list;
        // Encoded now, a batch at a time: encoding them all at the end would
        // hold up the window for as long.
        import.encoded.append(encoded(*contact));
        import.added.append(std::move(contact));
        ++import.imported;
    }
}

QJSValue ContactBook::endImport(bool completed)
{
    QJSEngine *engine = qjsEngine(this);
    if (!m_import)
        return QJSValue(QJSValue::UndefinedValue);
    // Disconnected before the state moves on: a moved connection handle is
    // empty, and the reading would go on feeding this book.
    disconnectImport();
    Import import = std::move(*m_import);
    m_import.reset();
    if (completed && !import.added.isEmpty()) {
        const qsizetype start = m_contacts.size();
        m_contacts.append(std::move(import.added));
        storeSplice(start, 0, std::move(import.encoded));
        touch();
    }
    emit importingChanged();
    if (!engine)
        return QJSValue(QJSValue::UndefinedValue);
    QJSValue outcome = engine->newObject();
    outcome.setProperty(u"imported"_s, import.imported);
    outcome.setProperty(u"existing"_s, import.existing);
    outcome.setProperty(u"noAddress"_s, import.noAddress);
    outcome.setProperty(u"invalidAddress"_s, import.invalidAddress);
    outcome.setProperty(u"parsed"_s, import.parsed);
    return outcome;
}

void ContactBook::disconnectImport()
{
    disconnect(m_import->cards);
    disconnect(m_import->gone);
}

void ContactBook::dropImport()
{
    if (!m_import)
        return;
    disconnectImport();
    m_import.reset();
}

bool ContactBook::storeSplice(qsizetype start, qsizetype deleteCount, QList<QByteArray> inserted)
{
    if (!m_store)
        return true;
    if (m_store->splice(storeGroup, storeKey, start, deleteCount, std::move(inserted)))
        return true;
    storeWhole();
    return false;
}

void ContactBook::storeWhole()
{
    if (!m_store)
        return;
    QJsonArray array;
    for (const ContactPointer &contact : std::as_const(m_contacts))
        array.append(toJson(*contact));
    m_store->write(storeGroup, storeKey, array);
}

void ContactBook::storePositions(const QList<qsizetype> &positions, Change change)
{
    // Runs of neighbouring positions, last first, each at its position in the
    // book as it was before the change: the store then takes them all in one
    // pass, however many.
    QList<std::pair<qsizetype, qsizetype>> runs;
    for (qsizetype i = positions.size() - 1; i >= 0; --i) {
        if (!runs.isEmpty() && runs.last().first == positions[i] + 1) {
            runs.last().first = positions[i];
            ++runs.last().second;
        } else {
            runs.append({positions[i], 1});
        }
    }
    // Inserted runs stand at their final positions: before the insertion,
    // the runs before each had not moved it yet.
    qsizetype insertedBefore = change == Change::Inserted ? positions.size() : 0;
    for (const auto &[start, length] : std::as_const(runs)) {
        insertedBefore -= change == Change::Inserted ? length : 0;
        QList<QByteArray> elements;
        if (change != Change::Removed) {
            elements.reserve(length);
            for (qsizetype i = start; i < start + length; ++i)
                elements.append(encoded(*m_contacts.at(i)));
        }
        // Once stored whole, the remaining runs are in it already.
        if (!storeSplice(start - insertedBefore, change == Change::Inserted ? 0 : length,
                         std::move(elements)))
            break;
    }
}

void ContactBook::touch(QList<std::pair<qsizetype, ContactPointer>> removed)
{
    m_removed = std::move(removed);
    ++m_revision;
    emit changed();
}

QJSValue ContactBook::addAddresses(const QStringList &emails, const QString &list)
{
    int existing = 0;
    int invalid = 0;
    QList<ContactPointer> added;
    QList<QByteArray> inserted;
    // Without a list the contacts would belong to none.
    if (!list.isEmpty()) {
        QSet<QString> known = mailboxesOf(list);
        for (const QString &email : emails) {
            if (!isValidEmail(email)) {
                ++invalid;
                continue;
            }
            const QString folded = mailboxKey(email);
            if (known.contains(folded)) {
                ++existing;
                continue;
            }
            known.insert(folded);
            auto contact = std::make_shared<Contact>();
            contact->fields[Email] = email;
            contact->fields[List] = list;
            inserted.append(encoded(*contact));
            added.append(std::move(contact));
        }
    } else {
        invalid = static_cast<int>(emails.size());
    }
    const int addedCount = static_cast<int>(added.size());
    if (!added.isEmpty()) {
        const qsizetype start = m_contacts.size();
        m_contacts.append(std::move(added));
        storeSplice(start, 0, std::move(inserted));
        touch();
    }
    QJSEngine *engine = qjsEngine(this);
    if (!engine)
        return QJSValue(QJSValue::UndefinedValue);
    QJSValue outcome = engine->newObject();
    outcome.setProperty(u"added"_s, addedCount);
    outcome.setProperty(u"existing"_s, existing);
    outcome.setProperty(u"invalid"_s, invalid);
    return outcome;
}
