#pragma once

#include "contacts/VCardReader.h"

#include <QByteArray>
#include <QJSValue>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QVariant>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

#include <array>
#include <memory>
#include <optional>

class SettingsStore;
class VCardImport;

// Every contact of every list, held natively: a quarter of a million records
// kept as script objects made each garbage collection of the interface's
// engine visit well over a million objects, a stall longer than a tenth of a
// second. Pages read one record at a time and change the book through the
// calls below; each change is stored as the ranges it changed, or the whole
// list when replaced whole or when the store cannot take the ranges.
//
// Records read from the store are checked as stored records are: text fields
// take strings, and numbers or booleans turned into text; a record with a
// field of another kind, or that is no record, is dropped; fields that are not
// the contact's own are kept as they are.
class ContactBook : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_MOC_INCLUDE("SettingsStore.h")
    Q_MOC_INCLUDE("VCardImport.h")
    Q_PROPERTY(int count READ count NOTIFY changed)
    // Goes up at every change: bindings that read records depend on it.
    Q_PROPERTY(int revision READ revision NOTIFY changed)
    // Where the contacts are kept; setting it reads them from there.
    Q_PROPERTY(SettingsStore *store READ store WRITE setStore NOTIFY storeChanged)
    Q_PROPERTY(bool importing READ importing NOTIFY importingChanged)
    // The reading of the file being imported: its progress and its cancel().
    Q_PROPERTY(VCardImport *importJob READ importJob CONSTANT)
    // How many contacts the last removal took, while they can still be put
    // back: any other change of the book ends that.
    Q_PROPERTY(int restorable READ restorable NOTIFY changed)

public:
    // A card's fields, in the reader's order, then the list.
    enum Field {
        LastName = VCardReader::LastName,
        FirstName = VCardReader::FirstName,
        FullName = VCardReader::FullName,
        Telephone = VCardReader::Telephone,
        Email = VCardReader::Email,
        Company = VCardReader::Company,
        Occupation = VCardReader::Occupation,
        Website = VCardReader::Website,
        OtherEmails = VCardReader::OtherEmails,
        List = VCardReader::FieldCount,
        FieldCount
    };
    struct Contact
    {
        std::array<QString, FieldCount> fields;
        QJsonObject extra; // fields that are not the contact's own
    };
    // Records are never changed in place, only replaced: shared and held by
    // pointer, so that adding a quarter of a million of them moves pointers.
    using ContactPointer = std::shared_ptr<const Contact>;

    explicit ContactBook(QObject *parent = nullptr);
    ~ContactBook() override;

    int count() const { return static_cast<int>(m_contacts.size()); }
    int revision() const { return m_revision; }
    SettingsStore *store() const;
    void setStore(SettingsStore *store);
    bool importing() const { return m_import.has_value(); }
    int restorable() const { return static_cast<int>(m_removed.size()); }

    const QList<ContactPointer> &contacts() const { return m_contacts; }
    // The field's name in a stored record.
    static const QString &fieldKey(int field);
    static bool isOwnField(QStringView name);
    // The checked contact of a stored record, or null when it is unusable.
    static ContactPointer fromJson(const QJsonValue &value);
    static QJsonObject toJson(const Contact &contact);
    // Whether a record, stored or given to scripts, holds the field.
    static bool isWritten(const Contact &contact, int field);
    // Addresses that differ only in letter case reach the same mailbox.
    static QString mailboxKey(const QString &email);
    // The e-mail check of the contact and account forms and of imports.
    Q_INVOKABLE static bool isValidEmail(const QString &email);

    // One record as a script object, or undefined outside the book.
    Q_INVOKABLE QJSValue record(int index) const;
    // Every record, in stored order.
    Q_INVOKABLE QJSValue records() const;
    // Replaces every record by the usable ones of the array, and stores them;
    // false, changing nothing, when given no array.
    Q_INVOKABLE bool setRecords(const QJSValue &records);
    // The positions of the list's contacts, in stored order. Scripts get a
    // sequence that reads the list, not an array made element by element:
    // for a quarter of a million contacts that took a fifth of the stall at
    // the end of an import.
    Q_INVOKABLE QList<int> indexesOf(const QString &list) const;
    // How many of the list's contacts lie before the position.
    Q_INVOKABLE int countBefore(const QString &list, int index) const;
    Q_INVOKABLE bool contains(const QString &email, const QString &list) const;
    // The address of the list that is the same mailbox as `email` written in
    // other letter case, or "" when there is none (an exact match is not one).
    Q_INVOKABLE QString sameMailbox(const QString &email, const QString &list) const;
    // How many contacts each list holds, by list name.
    Q_INVOKABLE QVariantMap listCounts() const;

    enum Order { StoredOrder, ByName, ByAddress };
    Q_ENUM(Order)
    // The positions of the list's contacts whose name, address or company
    // holds `filter` (letter case aside), in the order asked for. The sorted
    // order of a list is kept until the book changes, so that each keystroke
    // of a filter is one pass over the list.
    Q_INVOKABLE QList<int> view(const QString &list, const QString &filter, int order) const;
    // Whether any of the lists holds a contact.
    Q_INVOKABLE bool hasMembers(const QStringList &lists) const;

    // Each stores the change; false, changing nothing, for an unusable record
    // or a position outside the book.
    Q_INVOKABLE bool prepend(const QJSValue &record);
    Q_INVOKABLE bool replace(int index, const QJSValue &record);
    Q_INVOKABLE bool removeAt(int index);
    // Removes the list's contacts; returns how many were removed.
    Q_INVOKABLE int removeList(const QString &list);
    // Removes the contacts at the positions (any order, repeats and positions
    // outside the book ignored); returns how many were removed.
    Q_INVOKABLE int removeIndexes(const QList<int> &indexes);
    // Puts the contacts of the last removal back where they stood; returns
    // how many, 0 when the book changed since.
    Q_INVOKABLE int restoreRemoved();
    // Moves the contacts at the positions into `list`, each keeping its
    // place; a contact whose address the list already holds (letter case
    // aside) stays where it is. Returns { moved, existing }.
    Q_INVOKABLE QJSValue moveIndexes(const QList<int> &indexes, const QString &list);

    // Imports a vCard file, or a CSV file with `csvMapping` (its columns'
    // fields, see CsvReader), into the list: the file is read by importJob on
    // a worker thread, and importFinished reports the end. False when an
    // import is already under way.
    Q_INVOKABLE bool importFile(const QUrl &url, const QString &list,
                                const QVariant &csvMapping = {});
    // Drops the import under way at once, storing nothing and reporting nothing.
    Q_INVOKABLE void cancelImport();
    VCardImport *importJob() const { return m_reading; }

    // An import of the cards that `reading` reads into the list: cards
    // without an e-mail or with an invalid one are skipped; a card whose
    // e-mail the list already holds, letter case aside (from before or from
    // an earlier card), counts as existing. The new contacts wait until endImport(true) stores them in one
    // change, so a cancelled import changes nothing. False when an import is
    // already under way.
    bool beginImport(VCardImport *reading, const QString &list);
    // Ends the import; returns { imported, existing, noAddress,
    // invalidAddress, parsed }.
    QJSValue endImport(bool completed);

    // Makes each address a contact of the list (only its e-mail set), in one
    // stored change at the end of the book. An address the list already
    // holds, in any letter case, or given twice, counts as existing; one that
    // fails isValidEmail as invalid. Returns { added, existing, invalid }.
    Q_INVOKABLE QJSValue addAddresses(const QStringList &emails, const QString &list);

signals:
    void changed();
    void storeChanged();
    void importingChanged();
    // The end of importFile(): `completed` is false when it was cancelled;
    // `outcome` as endImport() gives it.
    void importFinished(bool completed, const QJSValue &outcome);

private:
    struct Import
    {
        QString list;
        QSet<QString> known;
        QList<ContactPointer> added;
        QList<QByteArray> encoded; // the new records as the store takes them
        int imported = 0;
        int existing = 0;
        int noAddress = 0;
        int invalidAddress = 0;
        int parsed = 0;
        QMetaObject::Connection cards;
        QMetaObject::Connection gone;
    };

    void load();
    QSet<QString> mailboxesOf(const QString &list) const;
    void importCards(const QList<VCardReader::Card> &cards);
    void readingFinished(bool completed);
    void disconnectImport();
    void dropImport();
    void abandonImport();
    static QByteArray encoded(const Contact &contact);
    ContactPointer fromScript(const QJSValue &value) const;
    QJSValue toScript(const Contact &contact) const;
    // Stores a change of `deleteCount` records at `start` into `inserted`
    // (already encoded), or the whole book when the store cannot take it:
    // false then.
    bool storeSplice(qsizetype start, qsizetype deleteCount, QList<QByteArray> inserted);
    void storeWhole();
    // Stores the changes of many positions (ascending; for insertions, the
    // positions in the changed book) as one range a run.
    enum class Change { Removed, Inserted, Replaced };
    void storePositions(const QList<qsizetype> &positions, Change change);
    // Every change ends here; a removal passes what it removed, so that it
    // can be put back until the next change.
    void touch(QList<std::pair<qsizetype, ContactPointer>> removed = {});

    QList<ContactPointer> m_contacts;
    QPointer<SettingsStore> m_store;
    std::optional<Import> m_import;
    VCardImport *m_reading; // the reading of importFile(), a child
    // The last removal, by ascending position, while it can be undone.
    QList<std::pair<qsizetype, ContactPointer>> m_removed;
    struct SortedList
    {
        QString list;
        int order = StoredOrder;
        int revision = -1;
        QList<int> indexes;
        // The last filter and what it showed.
        QString filter;
        QList<int> shown;
    };
    mutable SortedList m_sorted;
    int m_revision = 0;
};
