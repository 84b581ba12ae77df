// The vCard file import job: what it hands over, in which order, and how it
// ends when cancelled, destroyed mid-read or given a file it cannot read.

#include "VCardImport.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestVCardImport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }
    void cardsArriveInFileOrderAndBatches();
    void cancelStopsEveryBatch();
    void destroyedWhileReading();
    void unreadableFileEndsWithNoCards();

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
    QSignalSpy batches(&job, &VCardImport::cardsRead);
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
    for (const QList<QVariant> &batch : batches) {
        const QVariantList cards = batch.at(0).toList();
        QVERIFY(!cards.isEmpty() && cards.size() <= 200);
        for (const QVariant &card : cards) {
            const QVariantMap record = card.toMap();
            QCOMPARE(record.value(u"fullname"_s).toString(), u"Contact %1"_s.arg(next));
            QCOMPARE(record.value(u"email"_s).toString(), u"contact%1@example.org"_s.arg(next));
            QCOMPARE(record.size(), 8);
            ++next;
        }
    }
    QCOMPARE(next, 1000);
    QVERIFY(batches.count() >= 5);
}

void TestVCardImport::cancelStopsEveryBatch()
{
    const QUrl url = writeCards(u"cancel.vcf"_s, 20000);
    VCardImport job;
    job.setProperty("batchSize", 10);
    QSignalSpy finished(&job, &VCardImport::finished);
    int batches = 0;
    connect(&job, &VCardImport::cardsRead, &job, [&] {
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
    connect(job, &VCardImport::cardsRead, this, [&] { ++received; });
    QVERIFY(job->start(url));
    QVERIFY(QTest::qWaitFor([&] { return received > 0; }, 20000));
    QVERIFY2(job->running(), "still reading when destroyed");
    delete job;
    const int atDeletion = received;
    QTest::qWait(200);
    QCOMPARE(received, atDeletion);
}

void TestVCardImport::unreadableFileEndsWithNoCards()
{
    VCardImport job;
    QSignalSpy batches(&job, &VCardImport::cardsRead);
    QSignalSpy finished(&job, &VCardImport::finished);
    QVERIFY(job.start(QUrl::fromLocalFile(m_dir.filePath(u"missing.vcf"_s))));
    QVERIFY(finished.wait(10000));
    QCOMPARE(finished.at(0).at(0).toBool(), true);
    QCOMPARE(batches.count(), 0);
    QCOMPARE(job.cardCount(), 0);
}

QTEST_GUILESS_MAIN(TestVCardImport)

#include "tst_vcardimport.moc"
