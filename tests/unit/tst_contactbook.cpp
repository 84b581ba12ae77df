// The contact book with its store and a real vCard reading: what an import
// adds and stores, what a cancelled or abandoned one leaves, and how stored
// records of other shapes are read.

#include "contacts/ContactBook.h"
#include "contacts/VCardImport.h"
#include "store/SettingsStore.h"

#include <QFile>
#include <QJSEngine>
#include <QJsonArray>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

// A book in a script engine, as the interface holds it: records and
// outcomes are script values.
struct ScriptedBook
{
    explicit ScriptedBook(SettingsStore &store)
    {
        engine.newQObject(&book);
        QJSEngine::setObjectOwnership(&book, QJSEngine::CppOwnership);
        book.setStore(&store);
    }
    QJSEngine engine;
    ContactBook book;
};

class TestContactBook : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }
    void importStoresTheNewContactsOnce();
    void cancelledOrAbandonedImportAddsNothing();
    void storedRecordsReadAsTheScriptReadsThem();
    void anotherStoreFolderHoldsOtherContacts();
    void removalsMovesAndViewsAsStored();
    void addressesJoinAListOnceWhateverTheirCase();

private:
    QUrl writeFile(const QString &name, const QByteArray &text);
    QString storePath(const QString &name) const { return m_dir.filePath(name); }
    static QJsonArray stored(SettingsStore &store)
    {
        store.flush();
        return store.read(u"userData"_s, u"contacts"_s).toArray();
    }
    static QStringList emails(const QJsonArray &records)
    {
        QStringList list;
        for (const QJsonValue &record : records)
            list.append(record[u"email"_s].toString());
        return list;
    }
    static QStringList emails(const ContactBook &book)
    {
        QStringList list;
        for (const ContactBook::ContactPointer &contact : book.contacts())
            list.append(contact->fields[ContactBook::Email]);
        return list;
    }

    QTemporaryDir m_dir;
};

QUrl TestContactBook::writeFile(const QString &name, const QByteArray &text)
{
    QFile file(m_dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        return {};
    return QUrl::fromLocalFile(file.fileName());
}

static QByteArray card(const QByteArray &name, const QByteArray &email)
{
    QByteArray text = "BEGIN:VCARD\r\nVERSION:3.0\r\n";
    if (!name.isEmpty())
        text += "FN:" + name + "\r\n";
    if (!email.isEmpty())
        text += "EMAIL:" + email + "\r\n";
    return text + "END:VCARD\r\n";
}

void TestContactBook::importStoresTheNewContactsOnce()
{
    SettingsStore store;
    store.setPath(storePath(u"import"_s));
    store.write(u"userData"_s, u"contacts"_s,
                QJsonArray{QJsonObject{{u"fullname"_s, u"Mine"_s},
                                       {u"email"_s, u"mine@x.io"_s},
                                       {u"list"_s, u"L"_s}},
                           QJsonObject{{u"fullname"_s, u"Else"_s},
                                       {u"email"_s, u"two@x.io"_s},
                                       {u"list"_s, u"Other"_s}}});
    store.flush();

    ScriptedBook scripted(store);
    ContactBook &book = scripted.book;
    QCOMPARE(emails(book), (QStringList{u"mine@x.io"_s, u"two@x.io"_s}));

    // Cards the list already holds, repeated, nameless, with a bad address,
    // and in numbers enough to come in several batches.
    QByteArray text = card("Mine again", "mine@x.io") + card("Two", "two@x.io")
                      + card("", "noname@x.io") + card("Bad", "bad@x..io")
                      + card("Two again", "two@x.io");
    for (int i = 0; i < 120; ++i)
        text += card("N" + QByteArray::number(i), "n" + QByteArray::number(i) + "@x.io");
    VCardImport reading;
    reading.setProperty("batchSize", 7);
    QSignalSpy changed(&book, &ContactBook::changed);
    QSignalSpy finished(&reading, &VCardImport::finished);
    QVERIFY(book.beginImport(&reading, u"L"_s));
    QVERIFY(book.importing());
    QVERIFY2(!book.beginImport(&reading, u"L"_s), "one import at a time");
    QVERIFY(reading.start(writeFile(u"cards.vcf"_s, text)));
    QVERIFY(finished.wait(20000));
    QCOMPARE(changed.count(), 0);
    QCOMPARE(book.count(), 2);

    const QJSValue outcome = book.endImport(true);
    QVERIFY(!book.importing());
    QCOMPARE(outcome.property(u"imported"_s).toInt(), 122);
    QCOMPARE(outcome.property(u"existing"_s).toInt(), 2);
    QCOMPARE(outcome.property(u"invalidAddress"_s).toInt(), 1);
    QCOMPARE(outcome.property(u"noAddress"_s).toInt(), 0);
    QCOMPARE(outcome.property(u"parsed"_s).toInt(), 125);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(book.count(), 124);
    QCOMPARE(book.contacts().at(2)->fields[ContactBook::Email], u"two@x.io"_s);
    QCOMPARE(book.contacts().at(2)->fields[ContactBook::List], u"L"_s);
    QCOMPARE(book.contacts().last()->fields[ContactBook::FullName], u"N119"_s);

    // The store holds exactly the book's records, whole.
    const QJsonArray records = stored(store);
    QCOMPARE(emails(records), emails(book));
    QCOMPARE(records.at(3).toObject(), ContactBook::toJson(*book.contacts().at(3)));
    QCOMPARE(records.at(3).toObject().size(), 9);
    // A second import through the same reading, as the page makes it: each
    // card counted once, none taken for one already there.
    QVERIFY(book.beginImport(&reading, u"L"_s));
    QVERIFY(reading.start(writeFile(u"more.vcf"_s, card("M1", "m1@x.io") + card("M2", "m2@x.io")
                                                           + card("Mine", "mine@x.io"))));
    QVERIFY(finished.wait(20000));
    const QJSValue second = book.endImport(true);
    QCOMPARE(second.property(u"imported"_s).toInt(), 2);
    QCOMPARE(second.property(u"existing"_s).toInt(), 1);
    QCOMPARE(second.property(u"parsed"_s).toInt(), 3);
    QCOMPARE(book.count(), 126);
    QCOMPARE(emails(stored(store)), emails(book));
}

void TestContactBook::cancelledOrAbandonedImportAddsNothing()
{
    SettingsStore store;
    store.setPath(storePath(u"cancel"_s));
    ScriptedBook scripted(store);
    ContactBook &book = scripted.book;
    QByteArray text;
    for (int i = 0; i < 5000; ++i)
        text += card("N" + QByteArray::number(i), "n" + QByteArray::number(i) + "@x.io");
    const QUrl url = writeFile(u"many.vcf"_s, text);

    // Cancelled after the first batch.
    {
        VCardImport reading;
        reading.setProperty("batchSize", 10);
        QSignalSpy finished(&reading, &VCardImport::finished);
        connect(&reading, &VCardImport::cardsReady, &reading, [&] {
            if (reading.running())
                reading.cancel();
        });
        QVERIFY(book.beginImport(&reading, u"L"_s));
        QVERIFY(reading.start(url));
        QVERIFY(QTest::qWaitFor([&] { return finished.count() > 0; }, 20000));
        const int parsed = book.endImport(false).property(u"parsed"_s).toInt();
        QVERIFY2(parsed > 0 && parsed < 5000, "cards of the first batch only");
        QCOMPARE(book.count(), 0);
        QCOMPARE(stored(store).size(), 0);
    }

    // The reading destroyed mid-import, as when its page goes away.
    auto *reading = new VCardImport;
    reading->setProperty("batchSize", 10);
    bool arrived = false;
    connect(reading, &VCardImport::cardsReady, this, [&] { arrived = true; });
    QSignalSpy importing(&book, &ContactBook::importingChanged);
    QVERIFY(book.beginImport(reading, u"L"_s));
    QVERIFY(reading->start(url));
    QVERIFY(QTest::qWaitFor([&] { return arrived; }, 20000));
    delete reading;
    QVERIFY(!book.importing());
    QCOMPARE(importing.count(), 2);
    QCOMPARE(book.count(), 0);
    QVERIFY2(book.endImport(true).isUndefined(), "nothing left to end");
    QVERIFY(!book.record(0).isObject());
    QCOMPARE(book.count(), 0);

    // One call, as the page makes it: dropped at once when the page goes
    // away (reported to nobody, nothing stored), then the book imports again
    // and reports that import once.
    QSignalSpy reported(&book, &ContactBook::importFinished);
    book.importJob()->setProperty("batchSize", 10);
    bool first = false;
    const auto batch = connect(book.importJob(), &VCardImport::cardsReady, this,
                               [&] { first = true; });
    QVERIFY(book.importFile(url, u"L"_s));
    QVERIFY2(!book.importFile(url, u"L"_s), "one import at a time");
    QVERIFY(QTest::qWaitFor([&] { return first; }, 20000));
    book.cancelImport();
    disconnect(batch);
    QVERIFY(!book.importing());
    QVERIFY(!book.importJob()->running());
    QTest::qWait(50);
    QCOMPARE(reported.count(), 0);
    QCOMPARE(book.count(), 0);

    book.importJob()->setProperty("batchSize", 500);
    QVERIFY(book.importFile(writeFile(u"one.vcf"_s, card("One", "one@x.io")), u"L"_s));
    QVERIFY(reported.wait(20000));
    QCOMPARE(reported.count(), 1);
    QCOMPARE(reported.first().at(0).toBool(), true);
    QCOMPARE(reported.first().at(1).value<QJSValue>().property(u"parsed"_s).toInt(), 1);
    QCOMPARE(emails(book), QStringList{u"one@x.io"_s});
    QCOMPARE(emails(stored(store)), QStringList{u"one@x.io"_s});
}

// As the script engine writes them: numbers shortest, booleans as words;
// records with a field of another kind, and elements that are no records,
// are dropped, and the store is mended to hold what was kept.
void TestContactBook::storedRecordsReadAsTheScriptReadsThem()
{
    SettingsStore store;
    store.setPath(storePath(u"shapes"_s));
    const QJsonArray shapes{QJsonObject{{u"fullname"_s, 42},
                                        {u"telephone"_s, 33612345678.0},
                                        {u"company"_s, 1.5},
                                        {u"occupation"_s, 1e21},
                                        {u"website"_s, true},
                                        {u"email"_s, QJsonValue::Null},
                                        {u"list"_s, u"L"_s},
                                        {u"id"_s, QJsonArray{1, 2}}},
                            QJsonValue::Null,
                            u"text"_s,
                            QJsonArray{},
                            QJsonObject{{u"fullname"_s, QJsonObject{}}, {u"list"_s, u"L"_s}},
                            QJsonObject{{u"lastname"_s, QJsonArray{}}, {u"list"_s, u"L"_s}},
                            QJsonObject{{u"fullname"_s, u"Kept"_s}, {u"list"_s, u"L"_s}}};
    store.write(u"userData"_s, u"contacts"_s, shapes);
    store.flush();

    ContactBook book;
    book.setStore(&store);
    QCOMPARE(book.count(), 2);
    const ContactBook::Contact &odd = *book.contacts().at(0);
    QCOMPARE(odd.fields[ContactBook::FullName], u"42"_s);
    QCOMPARE(odd.fields[ContactBook::Telephone], u"33612345678"_s);
    QCOMPARE(odd.fields[ContactBook::Company], u"1.5"_s);
    QCOMPARE(odd.fields[ContactBook::Occupation], u"1e+21"_s);
    QCOMPARE(odd.fields[ContactBook::Website], u"true"_s);
    QCOMPARE(odd.fields[ContactBook::Email], QString());
    QCOMPARE(odd.fields[ContactBook::LastName], QString());
    QCOMPARE(odd.extra, (QJsonObject{{u"id"_s, QJsonArray{1, 2}}}));
    QCOMPARE(book.contacts().at(1)->fields[ContactBook::FullName], u"Kept"_s);

    const QJsonArray mended = stored(store);
    QCOMPARE(mended.size(), 2);
    QCOMPARE(mended.at(0).toObject(), ContactBook::toJson(odd));
    QCOMPARE(mended.at(0)[u"id"_s].toArray(), (QJsonArray{1, 2}));

    // Nothing stored, or no list at all: an empty book, stored as such.
    store.write(u"userData"_s, u"contacts"_s, QJsonValue(12));
    store.flush();
    ContactBook fromNumber;
    fromNumber.setStore(&store);
    QCOMPARE(fromNumber.count(), 0);
    QCOMPARE(store.read(u"userData"_s, u"contacts"_s), QJsonValue(QJsonArray{}));
}

void TestContactBook::anotherStoreFolderHoldsOtherContacts()
{
    SettingsStore store;
    store.setPath(storePath(u"first"_s));
    store.write(u"userData"_s, u"contacts"_s,
                QJsonArray{QJsonObject{{u"email"_s, u"first@x.io"_s}, {u"list"_s, u"L"_s}}});
    store.setPath(storePath(u"second"_s));
    store.write(u"userData"_s, u"contacts"_s,
                QJsonArray{QJsonObject{{u"email"_s, u"second@x.io"_s}, {u"list"_s, u"L"_s}}});
    store.flush();

    ContactBook book;
    book.setStore(&store);
    QCOMPARE(emails(book), QStringList{u"second@x.io"_s});
    store.setPath(storePath(u"first"_s));
    QCOMPARE(emails(book), QStringList{u"first@x.io"_s});
}

// Found addresses made contacts of a list: one change at the end of the book,
// the list's own addresses (in any case) and repeats counted as existing, the
// same address in another list no obstacle, and all of it kept in the store.
void TestContactBook::addressesJoinAListOnceWhateverTheirCase()
{
    SettingsStore store;
    store.setPath(storePath(u"addresses"_s));
    store.write(u"userData"_s, u"contacts"_s,
                QJsonArray{QJsonObject{{u"fullname"_s, u"Marie"_s},
                                       {u"email"_s, u"MARIE@x.io"_s},
                                       {u"list"_s, u"L"_s}},
                           QJsonObject{{u"fullname"_s, u"Elsewhere"_s},
                                       {u"email"_s, u"other@x.io"_s},
                                       {u"list"_s, u"M"_s}}});
    store.flush();

    ScriptedBook scripted(store);
    ContactBook &book = scripted.book;
    QSignalSpy changed(&book, &ContactBook::changed);

    const QJSValue outcome = book.addAddresses({u"marie@x.io"_s, u"other@x.io"_s, u"new@x.io"_s,
                                                u"New@X.io"_s, u"bad@x..io"_s, u"third@x.io"_s},
                                               u"L"_s);
    QCOMPARE(outcome.property(u"added"_s).toInt(), 3);
    QCOMPARE(outcome.property(u"existing"_s).toInt(), 2);
    QCOMPARE(outcome.property(u"invalid"_s).toInt(), 1);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(emails(book), (QStringList{u"MARIE@x.io"_s, u"other@x.io"_s, u"other@x.io"_s,
                                        u"new@x.io"_s, u"third@x.io"_s}));
    const ContactBook::Contact &added = *book.contacts().at(3);
    QCOMPARE(added.fields[ContactBook::List], u"L"_s);
    QCOMPARE(added.fields[ContactBook::FullName], QString());
    QCOMPARE(added.fields[ContactBook::LastName], QString());

    // The same addresses again add nothing and change nothing.
    const QJSValue again = book.addAddresses({u"NEW@x.io"_s, u"third@x.io"_s}, u"L"_s);
    QCOMPARE(again.property(u"added"_s).toInt(), 0);
    QCOMPARE(again.property(u"existing"_s).toInt(), 2);
    QCOMPARE(changed.count(), 1);

    // A book reading the same store after a restart holds the same contacts.
    store.flush();
    SettingsStore reopened;
    reopened.setPath(storePath(u"addresses"_s));
    ContactBook later;
    later.setStore(&reopened);
    QCOMPARE(emails(later), emails(book));
    QCOMPARE(later.contacts().at(4)->fields[ContactBook::List], u"L"_s);
    QCOMPARE(ContactBook::toJson(*later.contacts().at(3)), ContactBook::toJson(added));
}

QTEST_GUILESS_MAIN(TestContactBook)
// Removals of a few neighbours and of many scattered contacts, their undo,
// and a move: the store holds exactly the book after each, and the undo
// gives back every record where it stood. Views filter and sort the list.
void TestContactBook::removalsMovesAndViewsAsStored()
{
    SettingsStore store;
    store.setPath(storePath(u"removals"_s));
    QJsonArray records;
    for (int i = 0; i < 1000; ++i)
        records.append(QJsonObject{{u"fullname"_s, u"Name %1"_s.arg(999 - i)},
                                   {u"email"_s, u"n%1@x.io"_s.arg(i)},
                                   {u"company"_s, i % 100 == 0 ? u"Acme"_s : u""_s},
                                   {u"list"_s, i % 2 ? u"Odd"_s : u"Even"_s}});
    store.write(u"userData"_s, u"contacts"_s, records);
    store.flush();
    ScriptedBook scripted(store);
    ContactBook &book = scripted.book;
    QJSEngine &engine = scripted.engine;
    const QStringList original = emails(book);
    const auto reloaded = [&] {
        SettingsStore again;
        again.setPath(store.path());
        return emails(stored(again));
    };

    QList<int> scattered;
    for (int i = 999; i >= 0; i -= 3)
        scattered.append(i);
    for (const QList<int> &indexes : {QList<int>{5, 6, 7, 5, 4000, -1}, scattered}) {
        const int removed = book.removeIndexes(indexes);
        QCOMPARE(removed, indexes == scattered ? 334 : 3);
        QCOMPARE(book.restorable(), removed);
        QCOMPARE(book.count(), 1000 - removed);
        store.flush();
        QCOMPARE(reloaded(), emails(book));
        QCOMPARE(book.restoreRemoved(), removed);
        QCOMPARE(book.restorable(), 0);
        QCOMPARE(emails(book), original);
        store.flush();
        QCOMPARE(reloaded(), original);
    }
    // Any other change ends what can be undone.
    book.removeIndexes({1});
    book.removeAt(0);
    QCOMPARE(book.restorable(), 1);
    QCOMPARE(book.restoreRemoved(), 1);
    QCOMPARE(book.count(), 999);

    // n2@x.io moves to Odd; n4@x.io stays, Odd holds N4@x.io.
    QVERIFY(book.prepend(
            engine.toScriptValue(QJsonObject{{u"email"_s, u"N4@x.io"_s}, {u"list"_s, u"Odd"_s}})));
    const QJSValue moved = book.moveIndexes({2, 4, 4}, u"Odd"_s);
    QCOMPARE(moved.property(u"moved"_s).toInt(), 1);
    QCOMPARE(moved.property(u"existing"_s).toInt(), 1);
    store.flush();
    SettingsStore again;
    again.setPath(store.path());
    const QJsonArray after = stored(again);
    QCOMPARE(after.size(), book.count());
    QCOMPARE(after.at(2)[u"list"_s].toString(), u"Odd"_s);
    QCOMPARE(after.at(4)[u"list"_s].toString(), u"Even"_s);

    // Filter and sort: "acme" finds the companies, letter case aside; by name
    // the list runs from Name 1 up, numbers in their order.
    const QList<int> acme = book.view(u"Even"_s, u"acme"_s, ContactBook::StoredOrder);
    QCOMPARE(acme.size(), 10);
    QList<int> byName = book.view(u"Even"_s, QString(), ContactBook::ByName);
    QCOMPARE(byName.size(), book.indexesOf(u"Even"_s).size());
    QCOMPARE(book.contacts().at(byName.first())->fields[ContactBook::FullName], u"Name 1"_s);
    QCOMPARE(book.contacts().at(byName.at(1))->fields[ContactBook::FullName], u"Name 3"_s);
    QCOMPARE(book.sameMailbox(u"N3@X.IO"_s, u"Odd"_s), u"n3@x.io"_s);
    QCOMPARE(book.sameMailbox(u"n3@x.io"_s, u"Odd"_s), QString());
}

#include "tst_contactbook.moc"
