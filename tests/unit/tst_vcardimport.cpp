// The vCard file import job: what it hands over, in which order, and how it
// ends when cancelled, destroyed mid-read or given a file it cannot read.

#include "contacts/VCardImport.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::Literals::StringLiterals;

// The batches a job hands over, as the contact records the book stores.
static std::shared_ptr<QList<QVariantList>> recordBatches(VCardImport &job)
{
    auto batches = std::make_shared<QList<QVariantList>>();
    QObject::connect(&job, &VCardImport::cardsReady, &job,
                     [batches](const QList<VCardReader::Card> &cards) {
                         QVariantList records;
                         for (const VCardReader::Card &card : cards)
                             records.append(VCardReader::toRecord(card));
                         batches->append(records);
                     });
    return batches;
}

class TestVCardImport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }
    void cardsArriveInFileOrderAndBatches();
    void cancelStopsEveryBatch();
    void destroyedWhileReading();
    void unreadableFileEndsWithNoCards();
    void eightBitValuesReadInTheirCharacterSet();

private:
    QUrl writeCards(const QString &name, int count);

    QTemporaryDir m_dir;
};

// `count` cards with CR LF line ends, each with a folded address.
QUrl TestVCardImport::writeCards(const QString &name, int count)
{
    QByteArray text;
    for (int i = 0; i < count; ++i) {
        const QByteArray n = QByteArray::number(i);
        text += "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Contact " + n + "\r\nEMAIL:contact" + n
                + "@exam\r\n ple.org\r\n\r\nEND:VCARD\r\n";
    }
    QFile file(m_dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        return {};
    return QUrl::fromLocalFile(file.fileName());
}

void TestVCardImport::cardsArriveInFileOrderAndBatches()
{
    const QUrl url = writeCards(u"order.vcf"_s, 1000);
    VCardImport job;
    job.setProperty("batchSize", 100);
    const auto batches = recordBatches(job);
    QSignalSpy finished(&job, &VCardImport::finished);
    QVERIFY(job.start(url));
    QVERIFY(job.running());
    QVERIFY2(!job.start(url), "one file at a time");
    QVERIFY(finished.wait(20000));
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(0).toBool(), true);
    QVERIFY(!job.running());
    QCOMPARE(job.progress(), 1.0);
    QCOMPARE(job.cardCount(), 1000);

    int next = 0;
    for (const QVariantList &cards : *batches) {
        QVERIFY(!cards.isEmpty() && cards.size() <= 200);
        for (const QVariant &card : cards) {
            const QVariantMap record = card.toMap();
            QCOMPARE(record.value(u"fullname"_s).toString(), u"Contact %1"_s.arg(next));
            QCOMPARE(record.value(u"email"_s).toString(), u"contact%1@example.org"_s.arg(next));
            QCOMPARE(record.size(), 9);
            ++next;
        }
    }
    QCOMPARE(next, 1000);
    QVERIFY(batches->count() >= 5);
}

void TestVCardImport::cancelStopsEveryBatch()
{
    const QUrl url = writeCards(u"cancel.vcf"_s, 20000);
    VCardImport job;
    job.setProperty("batchSize", 10);
    QSignalSpy finished(&job, &VCardImport::finished);
    int batches = 0;
    connect(&job, &VCardImport::cardsReady, &job, [&] {
        if (++batches == 1)
            job.cancel();
    });
    QVERIFY(job.start(url));
    QVERIFY(QTest::qWaitFor([&] { return finished.count() > 0; }, 20000));
    QCOMPARE(finished.at(0).at(0).toBool(), false);
    QVERIFY(!job.running());
    // Nothing more arrives, however long one waits.
    QTest::qWait(300);
    QCOMPARE(batches, 1);
    QCOMPARE(finished.count(), 1);

    // The same job imports again after a cancel.
    QVERIFY(job.start(writeCards(u"again.vcf"_s, 3)));
    QVERIFY(QTest::qWaitFor([&] { return finished.count() == 2; }, 20000));
    QCOMPARE(finished.at(1).at(0).toBool(), true);
    QCOMPARE(job.cardCount(), 3);
}

// Quitting mid-import: the reading stops, and nothing reaches a job that is gone.
void TestVCardImport::destroyedWhileReading()
{
    const QUrl url = writeCards(u"quit.vcf"_s, 50000);
    auto *job = new VCardImport;
    job->setProperty("batchSize", 10);
    int received = 0;
    connect(job, &VCardImport::cardsReady, this, [&] { ++received; });
    QVERIFY(job->start(url));
    QVERIFY(QTest::qWaitFor([&] { return received > 0; }, 20000));
    QVERIFY2(job->running(), "still reading when destroyed");
    delete job;
    const int atDeletion = received;
    QTest::qWait(200);
    QCOMPARE(received, atDeletion);
}

// Cards as older phones and address books write them: raw 8-bit values in
// the character set their parameters name (or none), beside UTF-8 cards.
void TestVCardImport::eightBitValuesReadInTheirCharacterSet()
{
    const QByteArray text
            = "BEGIN:VCARD\r\nVERSION:2.1\r\n"
              "N;CHARSET=ISO-8859-1:M\xfcller;J\xfcrgen\r\n"
              "ORG;CHARSET=windows-1251:\xc7\xe0\xe2\xee\xe4\r\n"
              "TITLE;CHARSET=ISO-8859-1:Directrice g\xe9n\xe9\r\n rale\r\n"
              "EMAIL;INTERNET:jm@example.de\r\nEND:VCARD\r\n"
              "BEGIN:VCARD\r\nVERSION:2.1\r\n"
              "FN;ENCODING=QUOTED-PRINTABLE;CHARSET=ISO-8859-1:Fran=E7ois \xc9mile\r\n"
              "ORG:Soci\xe9t\xe9\r\nEMAIL:fe@example.fr\r\nEND:VCARD\r\n"
              "BEGIN:VCARD\r\nVERSION:3.0\r\nN;CHARSET=ISO-8859-1:\xc3\x89lise;\r\n"
              "FN:\xc3\x89lise Zo\xc3\xa9\r\nEMAIL:ez@example.fr\r\nEND:VCARD\r\n"
              // UTF-8 folded in the middle of a character, and a stray byte.
              "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:\xd0\x98\xd0\xb2\xd0\xb0\xd0\xbd \xd0\r\n"
              " \x9f\xd0\xb5\xd1\x82\xd1\x80\xd0\xbe\xd0\xb2\r\n"
              "ORG:M\xc3\xbcller\xff\r\nEMAIL:ip@example.ru\r\nEND:VCARD\r\n";
    QFile file(m_dir.filePath(u"eight-bit.vcf"_s));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(text), text.size());
    file.close();

    VCardImport job;
    const auto batches = recordBatches(job);
    QSignalSpy finished(&job, &VCardImport::finished);
    QVERIFY(job.start(QUrl::fromLocalFile(file.fileName())));
    QVERIFY(finished.wait(20000));
    QVariantList cards;
    for (const QVariantList &batch : *batches)
        cards += batch;
    QCOMPARE(cards.size(), 4);
    const QVariantMap phone = cards.at(0).toMap();
    QCOMPARE(phone.value(u"lastname"_s).toString(), u"Müller"_s);
    QCOMPARE(phone.value(u"firstname"_s).toString(), u"Jürgen"_s);
    QCOMPARE(phone.value(u"fullname"_s).toString(), u"Müller Jürgen"_s);
    QCOMPARE(phone.value(u"company"_s).toString(), u"Завод"_s);
    QCOMPARE(phone.value(u"occupation"_s).toString(), u"Directrice générale"_s);
    const QVariantMap latin = cards.at(1).toMap();
    QCOMPARE(latin.value(u"fullname"_s).toString(), u"François Émile"_s);
    QCOMPARE(latin.value(u"company"_s).toString(), u"Société"_s);
    // Valid UTF-8 stays UTF-8 whatever the card declares.
    const QVariantMap utf8 = cards.at(2).toMap();
    QCOMPARE(utf8.value(u"lastname"_s).toString(), u"Élise"_s);
    QCOMPARE(utf8.value(u"fullname"_s).toString(), u"Élise Zoé"_s);
    const QVariantMap folded = cards.at(3).toMap();
    QCOMPARE(folded.value(u"fullname"_s).toString(), u"Иван Петров"_s);
    QCOMPARE(folded.value(u"company"_s).toString(), u"Müller\ufffd"_s);
}

void TestVCardImport::unreadableFileEndsWithNoCards()
{
    VCardImport job;
    const auto batches = recordBatches(job);
    QSignalSpy finished(&job, &VCardImport::finished);
    QVERIFY(job.start(QUrl::fromLocalFile(m_dir.filePath(u"missing.vcf"_s))));
    QVERIFY(finished.wait(10000));
    QCOMPARE(finished.at(0).at(0).toBool(), true);
    QCOMPARE(batches->count(), 0);
    QCOMPARE(job.cardCount(), 0);
}

QTEST_GUILESS_MAIN(TestVCardImport)

#include "tst_vcardimport.moc"
