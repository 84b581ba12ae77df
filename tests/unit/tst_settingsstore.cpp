#include "store/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QJSEngine>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/resource.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// Makes the store reachable from the engine's scripts, as the interface's
// store is, while the test keeps owning it.
// Elements as the splices take them.
QList<QByteArray> encoded(const QJsonArray &elements)
{
    QList<QByteArray> list;
    for (const QJsonValue &element : elements)
        list.append(SettingsStore::encodedElement(element));
    return list;
}

// The changes a child process reported: the last one reported 200 ms
// before it was killed, and the last one at all.
struct Killed
{
    int reported = 0;
    int last = 0;
};

// Runs settings_store_child on the folder until it has reported `changes`,
// then kills it (SIGKILL) 200 ms later, whatever it is doing.
Killed killChild(const QString &path, int interval, int contacts, int changes)
{
    Killed result;
    QProcess child;
    child.setProgram(QCoreApplication::applicationDirPath() + u"/settings_store_child"_s);
    child.setArguments({path, QString::number(interval), QString::number(contacts)});
    child.start();
    if (!child.waitForStarted(5000))
        return result;
    // Storing a quarter of a million contacts first takes a while.
    while (result.last < changes && child.waitForReadyRead(60000)) {
        while (child.canReadLine())
            result.last = child.readLine().trimmed().toInt();
    }
    result.reported = result.last;
    QThread::msleep(200);
    child.kill();
    child.waitForFinished(5000);
    if (child.exitStatus() != QProcess::CrashExit)
        result.reported = -1;
    while (child.canReadLine())
        result.last = qMax(result.last, child.readLine().trimmed().toInt());
    return result;
}

// The value as the program finds it at its next start.
QJsonValue storedValue(const QString &path, const QString &group, const QString &key)
{
    SettingsStore reader;
    reader.setPath(path);
    return reader.read(group, key);
}

void giveToEngine(QJSEngine &engine, SettingsStore &store, const QString &path)
{
    engine.newQObject(&store);
    QJSEngine::setObjectOwnership(&store, QJSEngine::CppOwnership);
    store.setPath(path);
}

} // namespace

class TestSettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void writesOnlyChangedKeysAndReadsBack();
    void legacyStoreReadsUnchanged();
    void killedAfterChangesLosesNothing_data();
    void killedAfterChangesLosesNothing();
    void tornLogLineIsIgnoredAndWrittenOver();
    void unusableFilesReadAsNoValue();
    void splicesChangeOnlyTheirRange();
    void compactionKeepsEveryChange();
    void fullDiskIsWrittenOnceFreed();
    void readWhileWritingSeesTheNewValue();
    void storedListsReachScriptsUnchanged();

private:
    QTemporaryDir m_work;
};

void TestSettingsStore::writesOnlyChangedKeysAndReadsBack()
{
    const QString path = m_work.path() + u"/plain"_s;
    {
        SettingsStore store;
        store.setPath(path);
        store.write(u"sendingForm"_s, u"currentSubject"_s, u"Bonjour Zoé"_s);
        store.write(u"window"_s, u"x"_s, 15);
        store.write(u"userData"_s, u"contacts"_s, QJsonArray{QJsonObject{{u"email"_s, u"a@b.c"_s}}});
        // Pending values read back before they are written.
        QCOMPARE(store.read(u"window"_s, u"x"_s).toInt(), 15);
        store.flush();
    }
    const QFileInfo contacts(path + u"/userData/contacts.json"_s);
    QVERIFY(contacts.exists());
    const QDateTime written = contacts.lastModified();
    QThread::msleep(20);
    {
        SettingsStore store;
        store.setPath(path);
        QCOMPARE(store.read(u"sendingForm"_s, u"currentSubject"_s).toString(), u"Bonjour Zoé"_s);
        QCOMPARE(store.read(u"userData"_s, u"contacts"_s)
                         .toArray()
                         .first()
                         .toObject()
                         .value(u"email"_s),
                 u"a@b.c"_s);
        store.write(u"window"_s, u"x"_s, 16);
        store.write(u"window"_s, u"y"_s, QJsonValue::Undefined); // never stored: stays absent
        store.write(u"sendingForm"_s, u"currentSubject"_s, QJsonValue::Undefined);
        // Invalid names never reach the disk.
        store.write(u"../outside"_s, u"x"_s, 1);
        store.write(u"window"_s, u"a/b"_s, 1);
    }
    QCOMPARE(QFileInfo(path + u"/userData/contacts.json"_s).lastModified(), written);
    QVERIFY(!QFile::exists(path + u"/sendingForm/currentSubject.json"_s));
    QVERIFY(!QFile::exists(m_work.path() + u"/outside"_s));
    SettingsStore store;
    store.setPath(path);
    QCOMPARE(store.read(u"window"_s, u"x"_s).toInt(), 16);
    QVERIFY(store.read(u"window"_s, u"y"_s).isUndefined());
    QVERIFY(store.read(u"sendingForm"_s, u"currentSubject"_s).isUndefined());
}

// A store of the earlier single-file kind, as the settings objects of the
// interface wrote it: lists of records as lists of maps, numbers as text
// where the user's values were text, an empty list as an invalid value.
void TestSettingsStore::legacyStoreReadsUnchanged()
{
    const QString legacyFile = m_work.path() + u"/legacy/Parvane.conf"_s;
    {
        QSettings legacy(legacyFile, QSettings::IniFormat);
        legacy.setValue(u"lang"_s, u"fr_FR"_s);
        legacy.beginGroup(u"userData"_s);
        legacy.setValue(u"comptes"_s, QVariantList{QVariantMap{{u"address"_s, u"me@example.com"_s},
                                                               {u"serverPort"_s, u"465"_s},
                                                               {u"password"_s, u"sécret;=,"_s}}});
        legacy.setValue(u"activeCompte"_s, u"me@example.com"_s);
        legacy.setValue(u"contactsLists"_s, QVariantList{u"Clients"_s, u"Amis, proches"_s});
        legacy.setValue(u"contacts"_s,
                        QVariantList{QVariantMap{{u"email"_s, u"zoe@example.com"_s},
                                                 {u"fullname"_s, u"Zoé \"Z\" Lefèvre"_s},
                                                 {u"list"_s, u"Clients"_s}}});
        legacy.endGroup();
        legacy.beginGroup(u"preferences"_s);
        legacy.setValue(u"mailsPs"_s, 0.5);
        legacy.setValue(u"appInfo"_s, QVariant());
        legacy.endGroup();
        legacy.beginGroup(u"window"_s);
        legacy.setValue(u"x"_s, -3);
        legacy.endGroup();
        legacy.beginGroup(u"sendingForm"_s);
        legacy.setValue(u"currentEmailContent"_s, u"Ligne 1\nLigne 2 {{firstname}}"_s);
        legacy.setValue(u"attachments"_s, QVariantList());
        legacy.endGroup();
    }
    const QString path = m_work.path() + u"/imported"_s;
    QSettings legacy(legacyFile, QSettings::IniFormat);
    QVERIFY(SettingsStore::importLegacy(legacy, path));
    // Once the folder exists the earlier store is never read again.
    QVERIFY(!SettingsStore::importLegacy(legacy, path));

    SettingsStore store;
    store.setPath(path);
    const QJsonObject account = store.read(u"userData"_s, u"comptes"_s).toArray().first().toObject();
    QCOMPARE(account.value(u"password"_s).toString(), u"sécret;=,"_s);
    QCOMPARE(account.value(u"serverPort"_s).toString(), u"465"_s);
    QCOMPARE(store.read(u"userData"_s, u"activeCompte"_s).toString(), u"me@example.com"_s);
    QCOMPARE(store.read(u"userData"_s, u"contactsLists"_s).toArray(),
             (QJsonArray{u"Clients"_s, u"Amis, proches"_s}));
    const QJsonObject contact = store.read(u"userData"_s, u"contacts"_s).toArray().first().toObject();
    QCOMPARE(contact.value(u"fullname"_s).toString(), u"Zoé \"Z\" Lefèvre"_s);
    QCOMPARE(store.read(u"preferences"_s, u"mailsPs"_s).toVariant().toDouble(), 0.5);
    QVERIFY(store.read(u"preferences"_s, u"appInfo"_s).isUndefined());
    QCOMPARE(store.read(u"window"_s, u"x"_s).toVariant().toInt(), -3);
    QCOMPARE(store.read(u"sendingForm"_s, u"currentEmailContent"_s).toString(),
             u"Ligne 1\nLigne 2 {{firstname}}"_s);
    // The top-level language stays with the platform settings, read at start-up.
    QVERIFY(store.read(u"General"_s, u"lang"_s).isUndefined());
    QCOMPARE(legacy.value(u"lang"_s).toString(), u"fr_FR"_s);
}

void TestSettingsStore::killedAfterChangesLosesNothing_data()
{
    QTest::addColumn<int>("interval");
    QTest::addColumn<int>("contacts");
    QTest::addColumn<int>("changes");
    // 20 changes 300 ms apart once left the store empty.
    QTest::newRow("changes 300 ms apart") << 300 << 0 << 20;
    // Typing: a change every 20 ms must not postpone the writing.
    QTest::newRow("a steady burst") << 20 << 0 << 60;
    QTest::newRow("with 5,000 contacts") << 300 << 5000 << 6;
    // One contact changed in a long list once took longer than 200 ms to
    // reach the disk (the whole list was written again).
    QTest::newRow("one change with 100,000 contacts") << 100 << 100000 << 1;
    QTest::newRow("one change with 250,000 contacts") << 100 << 250000 << 1;
}

void TestSettingsStore::killedAfterChangesLosesNothing()
{
    QFETCH(int, interval);
    QFETCH(int, contacts);
    QFETCH(int, changes);
    const QString path = m_work.path() + u"/killed-"_s + QString::number(interval) + u'-'
                         + QString::number(contacts);
    const Killed killed = killChild(path, interval, contacts, changes);
    QVERIFY2(killed.reported >= changes, "the child reports its changes and is killed");

    SettingsStore store;
    store.setPath(path);
    const int stored = store.read(u"window"_s, u"x"_s).toInt();
    // A change reported 200 ms before the kill is on disk; one made during
    // those 200 ms may or may not be.
    QVERIFY2(stored >= killed.reported && stored <= killed.last,
             qPrintable(u"stored %1, reported 200 ms before the kill %2, last %3"_s.arg(stored)
                                .arg(killed.reported)
                                .arg(killed.last)));
    if (contacts > 0) {
        const QJsonArray list = store.read(u"userData"_s, u"contacts"_s).toArray();
        QCOMPARE(list.size(), contacts);
        QCOMPARE(list.first().toObject().value(u"email"_s).toString(),
                 u"changed%1@example.com"_s.arg(stored));
        QCOMPARE(list.last().toObject().value(u"email"_s).toString(),
                 u"contact%1@example.com"_s.arg(contacts - 1));
    }
}

// A process killed while it appended a change leaves a torn line: the log
// reads up to it, and the next change is written where it began.
void TestSettingsStore::tornLogLineIsIgnoredAndWrittenOver()
{
    const QString path = m_work.path() + u"/torn"_s;
    const Killed killed = killChild(path, 100, 300, 3);
    QVERIFY(killed.reported >= 3);
    const QString log = path + u"/userData/contacts.log"_s;
    QVERIFY2(QFileInfo(log).size() > 0, "the changes are in the log");
    {
        QFile file(log);
        QVERIFY(file.open(QIODevice::Append));
        // A whole line whose checksum fails, then one cut short.
        file.write("99 00000000 {\"splice\":[[0,300,[]]]}\n");
        file.write("100 ");
        file.close();
    }
    SettingsStore store;
    store.setPath(path);
    const int stored = store.read(u"window"_s, u"x"_s).toInt();
    QVERIFY(stored >= killed.reported);
    const QJsonArray before = store.read(u"userData"_s, u"contacts"_s).toArray();
    QCOMPARE(before.size(), 300);
    QCOMPARE(before.first().toObject().value(u"email"_s).toString(),
             u"changed%1@example.com"_s.arg(stored));
    QVERIFY(store.splice(u"userData"_s, u"contacts"_s, 1, 1, encoded({u"after the tear"_s})));
    store.flush();
    // Read by another store while this one is still open.
    const QJsonArray after = storedValue(path, u"userData"_s, u"contacts"_s).toArray();
    QCOMPARE(after.size(), 300);
    QCOMPARE(after.at(0), before.at(0));
    QCOMPARE(after.at(1).toString(), u"after the tear"_s);
    QCOMPARE(after.at(2), before.at(2));
}

void TestSettingsStore::unusableFilesReadAsNoValue()
{
    const QString path = m_work.path() + u"/damaged"_s;
    QDir().mkpath(path + u"/window"_s);
    QFile damaged(path + u"/window/x.json"_s);
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write("{\"value\": 1");
    damaged.close();
    SettingsStore store;
    store.setPath(path);
    QVERIFY(store.read(u"window"_s, u"x"_s).isUndefined());
}

// A long list changed a few elements at a time, as the contact book stores
// its contacts: every splice lands where it was made, splices after a whole
// value in one batch apply to it, and a range outside the list changes nothing.
void TestSettingsStore::splicesChangeOnlyTheirRange()
{
    const QString path = m_work.path() + u"/splices"_s;
    SettingsStore store;
    store.setPath(path);
    const QString group = u"userData"_s;
    const QString key = u"contacts"_s;

    QVERIFY(!store.splice(group, key, 0, 0, encoded({u"a"_s}))); // no list yet
    store.write(group, key, QJsonArray{u"a"_s, u"b"_s, u"c"_s, u"d"_s, u"e"_s});
    QVERIFY(store.splice(group, key, 1, 2, encoded({u"x"_s}))); // a x d e
    QVERIFY(store.splice(group, key, 0, 0,
                         encoded({QJsonObject{{u"email"_s, u"z@y.io"_s}}}))); // z a x d e
    QVERIFY(!store.splice(group, key, 6, 0, encoded({u"late"_s})));
    QVERIFY(!store.splice(group, key, 2, 4, {}));
    QVERIFY(!store.splice(group, key, -1, 0, encoded({u"y"_s})));
    // Read back by the same store while the splices wait: written first.
    const QJsonArray expected{QJsonObject{{u"email"_s, u"z@y.io"_s}}, u"a"_s, u"x"_s, u"d"_s,
                              u"e"_s};
    QCOMPARE(store.read(group, key).toArray(), expected);

    // Splices on the list as written, by another store that only read it.
    {
        SettingsStore other;
        other.setPath(path);
        QVERIFY(other.splice(group, key, 5, 0, encoded({u"end"_s})));
        QVERIFY(other.splice(group, key, 1, 1, {}));
    }
    SettingsStore reader;
    reader.setPath(path);
    QCOMPARE(reader.read(group, key).toArray(), (QJsonArray{QJsonObject{{u"email"_s, u"z@y.io"_s}},
                                                            u"x"_s, u"d"_s, u"e"_s, u"end"_s}));

    // A large import in one splice; changes made after it land after it, and
    // the whole reaches the disk in order. (One store writes a key at a
    // time, as in the program: a fresh one here.)
    SettingsStore later;
    later.setPath(path);
    QJsonArray imported;
    for (int i = 0; i < 5000; ++i)
        imported.append(QJsonObject{{u"email"_s, u"i%1@y.io"_s.arg(i)}});
    QVERIFY(later.splice(group, key, 5, 0, encoded(imported))); // z x d e end i0 ... i4999
    QVERIFY(later.splice(group, key, 0, 1, encoded({u"first"_s})));
    QVERIFY(!later.splice(group, key, 5006, 0, encoded({u"beyond"_s})));
    QVERIFY(later.splice(group, key, 5005, 0, encoded({u"last"_s})));
    later.flush();
    SettingsStore check;
    check.setPath(path);
    const QJsonArray all = check.read(group, key).toArray();
    QCOMPARE(all.size(), 5006);
    QCOMPARE(all.first().toString(), u"first"_s);
    QCOMPARE(all.at(4).toString(), u"end"_s);
    QCOMPARE(all.at(5).toObject().value(u"email"_s).toString(), u"i0@y.io"_s);
    QCOMPARE(all.at(5004).toObject().value(u"email"_s).toString(), u"i4999@y.io"_s);
    QCOMPARE(all.last().toString(), u"last"_s);
}

// A long list changed one record at a time, as the contact book does, past
// the point where its log is folded back into its file: every change is kept,
// those made while the fold runs included, and the files read back alike by
// a later store and, once the store is closed, by a plain JSON reader.
void TestSettingsStore::compactionKeepsEveryChange()
{
    const QString path = m_work.path() + u"/compaction"_s;
    const QString group = u"userData"_s;
    const QString key = u"contacts"_s;
    QJsonArray expected;
    for (int i = 0; i < 40000; ++i)
        expected.append(QJsonObject{{u"email"_s, u"c%1@x.io"_s.arg(i)}, {u"list"_s, u"L"_s}});
    const QString log = path + u"/userData/contacts.log"_s;
    {
        SettingsStore store;
        store.setPath(path);
        store.setDelayMs(0);
        store.write(group, key, expected);
        store.flush();
        // Changes go on until the log has been folded in and for a while
        // after, so that some are made while the fold runs.
        int i = 0;
        int foldedAt = -1;
        qint64 longest = 0;
        QElapsedTimer elapsed;
        elapsed.start();
        while ((foldedAt < 0 || i < foldedAt + 100) && elapsed.elapsed() < 60000) {
            const qsizetype at = (i * 7919) % expected.size();
            const QJsonObject record{{u"email"_s, u"changed%1@x.io"_s.arg(i)}};
            if (i % 3 == 0) {
                QVERIFY(store.splice(group, key, at, 0, encoded({record})));
                expected.insert(at, record);
            } else if (i % 3 == 1) {
                QVERIFY(store.splice(group, key, at, 1, {}));
                expected.removeAt(at);
            } else {
                QVERIFY(store.splice(group, key, at, 1, encoded({record})));
                expected.replace(at, record);
            }
            ++i;
            // One batch per change, as changes made by hand arrive.
            QTest::qWait(1);
            const qint64 size = QFileInfo(log).size();
            if (size < longest && foldedAt < 0)
                foldedAt = i;
            longest = qMax(longest, size);
        }
        QVERIFY2(foldedAt > 0, "the log was folded into the file");
        store.flush();
        QCOMPARE(storedValue(path, group, key).toArray(), expected);
    }
    QVERIFY(!QFile::exists(log));
    QFile file(path + u"/userData/contacts.json"_s);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QJsonDocument::fromJson(file.readAll()).object().value(u"value"_s).toArray(), expected);
    QCOMPARE(storedValue(path, group, key).toArray(), expected);
}

// A full disk: the changes made meanwhile are kept, read back as made, said
// to be waiting, and written once there is room again without any further
// change; asking to save meanwhile reports the failure.
void TestSettingsStore::fullDiskIsWrittenOnceFreed()
{
    const QString path = m_work.path() + u"/full"_s;
    SettingsStore store;
    store.setPath(path);
    QSignalSpy failures(&store, &SettingsStore::writeFailed);
    QSignalSpy saves(&store, &SettingsStore::saveFinished);
    const QString group = u"userData"_s;
    const QString key = u"contacts"_s;
    QJsonArray records;
    for (int i = 0; i < 10; ++i)
        records.append(u"n%1"_s.arg(i));
    store.write(group, key, records);
    store.flush();
    QTRY_VERIFY(!store.pending());

    // Files may not grow beyond a few bytes: every writing now fails.
    signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit before = limit;
    limit.rlim_cur = 16;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
    QVERIFY(store.splice(group, key, 3, 1, {}));
    store.write(u"window"_s, u"x"_s, u"a value longer than sixteen bytes"_s);
    QTRY_COMPARE(failures.count(), 2);
    const QString reason = QString::fromLocal8Bit(std::strerror(EFBIG));
    // The system's reason, which the user is shown.
    QCOMPARE(failures.at(0).at(2).toString(), reason);
    QTRY_COMPARE(store.writeError(), reason);
    QVERIFY(store.pending());
    // Changed again while failing: kept in order behind the first change.
    QVERIFY(store.splice(group, key, 5, 1, encoded({u"n7 edited"_s})));
    records.removeAt(3);
    records.replace(5, u"n7 edited"_s);
    QCOMPARE(store.read(group, key).toArray(), records);
    // Quitting now: the store says the changes could not be written.
    store.saveNow();
    QTRY_COMPARE(saves.count(), 1);
    QCOMPARE(saves.at(0).at(0).toBool(), false);
    QCOMPARE(saves.at(0).at(1).toString(), reason);
    // Still tried again later and later, never dropped, nothing written.
    QTest::qWait(1200);
    QVERIFY(store.pending());
    QCOMPARE(failures.count(), 2);
    QCOMPARE(storedValue(path, group, key).toArray().size(), 10);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &before), 0);

    // Room again: written with no further change.
    QTRY_VERIFY_WITH_TIMEOUT(!store.pending(), 12000);
    QCOMPARE(store.writeError(), QString());
    QCOMPARE(storedValue(path, group, key).toArray(), records);
    QCOMPARE(storedValue(path, u"window"_s, u"x"_s).toString(),
             u"a value longer than sixteen bytes"_s);
    store.saveNow();
    QTRY_COMPARE(saves.count(), 2);
    QCOMPARE(saves.at(1).at(0).toBool(), true);
}

// A value already handed to the writer but not yet on disk is what a read
// returns, not the file it is about to replace.
void TestSettingsStore::readWhileWritingSeesTheNewValue()
{
    const QString path = m_work.path() + u"/writing"_s;
    SettingsStore store;
    store.setPath(path);
    store.write(u"userData"_s, u"contacts"_s, QJsonArray{u"old"_s});
    store.flush();
    store.setDelayMs(0);
    QJsonArray many;
    for (int i = 0; i < 200000; ++i)
        many.append(u"contact%1@example.org"_s.arg(i));
    store.write(u"userData"_s, u"contacts"_s, many);
    // The writer takes the batch and starts encoding it.
    QCoreApplication::processEvents();
    QCOMPARE(store.read(u"userData"_s, u"contacts"_s).toArray().size(), many.size());
}

// A long list of records is handed to scripts with its repeated texts shared
// (by batches of a thousand elements, keeping what repeats): every element
// still reads exactly as it was stored, whatever its kind and position.
void TestSettingsStore::storedListsReachScriptsUnchanged()
{
    QJSEngine engine;
    SettingsStore store;
    giveToEngine(engine, store, m_work.path() + u"/shared-texts"_s);
    QJsonArray records;
    for (int i = 0; i < 3500; ++i) {
        const QString n = QString::number(i);
        records.append(QJsonObject{{u"lastname"_s, i % 7 == 0 ? QString() : u"Nom"_s + n},
                                   {u"firstname"_s, i % 3 == 0 ? u"Zoé"_s : u"Иван"_s},
                                   {u"email"_s, u"c"_s + n + u"@x.io"_s},
                                   {u"company"_s,
                                    i < 2000 ? u"Société"_s : u"Autre "_s + QString::number(i % 5)},
                                   {u"list"_s, i % 2 == 0 ? u"A"_s : u"B"_s},
                                   {u"note"_s, i % 100 == 0 ? QJsonValue(
                                                       QJsonArray{1.5, true, QJsonValue::Null})
                                                            : QJsonValue(i)}});
    }
    records.append(u"a lone text"_s);
    records.append(QJsonValue::Null);
    records.append(QJsonObject{});
    // Field names a script literal would read otherwise, and more shapes
    // than get a literal of their own.
    records.append(QJsonObject{{u"he said \"hi\" \\ \u2028"_s, 1},
                               {u"0"_s, 2},
                               {u""_s, 3},
                               {u"}; throw 1; ({"_s, 4}});
    for (int i = 0; i < 40; ++i)
        records.append(QJsonObject{{u"field"_s + QString::number(i), i}});
    store.write(u"userData"_s, u"contacts"_s, records);
    const QJSValue value = store.value(u"userData"_s, u"contacts"_s);
    QVERIFY(value.isArray());
    QCOMPARE(value.property(u"length"_s).toInt(), records.size());
    QCOMPARE(engine.fromScriptValue<QJsonValue>(value).toArray(), records);
    // A field that a literal would take for the prototype stays a field.
    store.write(u"userData"_s, u"odd"_s,
                QJsonArray{QJsonObject{{u"__proto__"_s, u"x"_s}, {u"a"_s, 1}}});
    const QJSValue odd = store.value(u"userData"_s, u"odd"_s).property(0);
    QCOMPARE(odd.property(u"a"_s).toInt(), 1);
    QVERIFY(odd.prototype().strictlyEquals(engine.newObject().prototype()));
    // The elements are distinct objects: changing one changes no other.
    QJSValue first = value.property(0);
    first.setProperty(u"company"_s, u"Changed"_s);
    QCOMPARE(value.property(1).property(u"company"_s).toString(), u"Société"_s);
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
