#include "suppression/SuppressionList.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace Qt::Literals::StringLiterals;

// The suppression list's own file and its CSV files: what survives a restart,
// a crash in the middle of a line and hostile text, and what an import takes.
class TestSuppression : public QObject
{
    Q_OBJECT

private slots:
    void fileKeepsEveryChangeThroughRestartsAndTornLines();
    void csvImportAndExport();
    void searchIsNewestFirstAndLetterCaseAside();

private:
    std::unique_ptr<SuppressionList> opened(const QString &path)
    {
        auto list = std::make_unique<SuppressionList>();
        list->setPath(path);
        [&] { QTRY_VERIFY(list->loaded()); }();
        return list;
    }
    QTemporaryDir m_dir;
};

void TestSuppression::fileKeepsEveryChangeThroughRestartsAndTornLines()
{
    const QString path = m_dir.filePath(u"restart/suppression.tsv"_s);
    {
        auto list = opened(path);
        QVERIFY(list->add(u"Ann@Example.com"_s, u"unsubscribed"_s, u"run\tof\nspring"_s));
        QVERIFY(list->add(u"bob@example.com"_s, u"bounced"_s, u"550 5.1.1 User unknown"_s));
        QVERIFY(list->add(u"cy@example.com"_s, u"manual"_s));
        QVERIFY(!list->add(u"not an address"_s, u"manual"_s));
        QVERIFY(!list->add(u"dee@example.com"_s, u"no such reason"_s));
        QVERIFY(list->remove(u"CY@example.com"_s));
        QVERIFY(!list->remove(u"cy@example.com"_s));
        QVERIFY(list->contains(u"ann@example.COM"_s));
        QCOMPARE(list->count(), 2);
    }
    QCOMPARE(QFile::permissions(path) & 0x0077, QFileDevice::Permissions());
    {
        auto list = opened(path);
        QCOMPARE(list->count(), 2);
        const QVariantMap ann = list->find(u"ann@example.com"_s);
        QCOMPARE(ann.value(u"address"_s).toString(), u"Ann@Example.com"_s);
        QCOMPARE(ann.value(u"reason"_s).toString(), u"unsubscribed"_s);
        // Tabs and line ends in a detail cannot make a line of their own.
        QCOMPARE(ann.value(u"detail"_s).toString(), u"run of spring"_s);
        QVERIFY(!list->contains(u"cy@example.com"_s));
    }
    // A crash in the middle of a line: the line counts for nothing, and
    // the next change does not join it.
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::Append));
        file.write("+\tcut@example.com\tmanual\t17");
    }
    {
        auto list = opened(path);
        QCOMPARE(list->count(), 2);
        QVERIFY(list->add(u"dee@example.com"_s, u"complained"_s));
    }
    auto list = opened(path);
    QCOMPARE(list->count(), 3);
    QVERIFY(list->contains(u"dee@example.com"_s));
    QVERIFY(!list->contains(u"cut@example.com"_s));
    // A change made while the file is still being read is kept on top of it.
    auto early = std::make_unique<SuppressionList>();
    early->setPath(path);
    QVERIFY(early->add(u"early@example.com"_s, u"manual"_s));
    QTRY_VERIFY(early->loaded());
    QVERIFY(early->contains(u"early@example.com"_s));
    QVERIFY(early->contains(u"dee@example.com"_s));
    QCOMPARE(early->count(), 4);
    early.reset();
    QVERIFY(opened(path)->contains(u"early@example.com"_s));
}

void TestSuppression::csvImportAndExport()
{
    const QString path = m_dir.filePath(u"csv/suppression.tsv"_s);
    auto list = opened(path);
    QVERIFY(list->add(u"kept@example.com"_s, u"bounced"_s, u"550 5.1.1"_s));
    QSignalSpy imported(list.get(), &SuppressionList::imported);
    QSignalSpy exported(list.get(), &SuppressionList::exported);

    // A spreadsheet's export: the address column found by its header, a
    // quoted field with a comma, an invalid row, and a listed address that
    // keeps its first reason.
    const QString sheet = m_dir.filePath(u"sheet.csv"_s);
    {
        QFile file(sheet);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Name;E-mail Address;Note\r\n\"Roe; Ann\";ann@example.com;x\r\n"
                   "Bad;not-an-address;\r\nKept;KEPT@example.com;\r\n");
    }
    QVERIFY(list->importFile(QUrl::fromLocalFile(sheet)));
    QVERIFY(!list->importFile(QUrl::fromLocalFile(sheet))); // one at a time
    QTRY_COMPARE(imported.size(), 1);
    QCOMPARE(imported.first(), (QVariantList{1, 1, QString()}));
    QCOMPARE(list->find(u"ann@example.com"_s).value(u"reason"_s).toString(), u"manual"_s);
    QCOMPARE(list->find(u"kept@example.com"_s).value(u"reason"_s).toString(), u"bounced"_s);

    // A plain list of addresses, one a line, no header.
    const QString plain = m_dir.filePath(u"plain.txt"_s);
    {
        QFile file(plain);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("first@example.com\nsecond@example.com\n");
    }
    QVERIFY(list->importFile(QUrl::fromLocalFile(plain), u"unsubscribed"_s));
    QTRY_COMPARE(imported.size(), 2);
    QCOMPARE(imported.last().first().toInt(), 2);
    QCOMPARE(list->find(u"first@example.com"_s).value(u"reason"_s).toString(), u"unsubscribed"_s);

    // Our own export read back into an empty list keeps reasons, dates and details.
    const QString out = m_dir.filePath(u"out.csv"_s);
    QVERIFY(list->exportFile(QUrl::fromLocalFile(out)));
    QTRY_COMPARE(exported.size(), 1);
    QCOMPARE(exported.first(), (QVariantList{4, QString()}));
    auto other = opened(m_dir.filePath(u"other/suppression.tsv"_s));
    QSignalSpy otherImported(other.get(), &SuppressionList::imported);
    QVERIFY(other->importFile(QUrl::fromLocalFile(out)));
    QTRY_COMPARE(otherImported.size(), 1);
    QCOMPARE(other->count(), 4);
    QCOMPARE(other->find(u"kept@example.com"_s), list->find(u"kept@example.com"_s));

    // A file that cannot be read says why and changes nothing.
    QVERIFY(list->importFile(QUrl::fromLocalFile(m_dir.filePath(u"missing.csv"_s))));
    QTRY_COMPARE(imported.size(), 3);
    QCOMPARE(imported.last().at(0).toInt(), 0);
    QVERIFY(!imported.last().at(2).toString().isEmpty());
    QCOMPARE(list->count(), 4);
}

void TestSuppression::searchIsNewestFirstAndLetterCaseAside()
{
    auto list = opened(m_dir.filePath(u"search/suppression.tsv"_s));
    for (int i = 0; i < 30; ++i) {
        QVERIFY(list->add(u"user"_s + QString::number(i) + u"@Example.com"_s, u"manual"_s));
        QTest::qWait(2); // distinct dates
    }
    QSignalSpy searched(list.get(), &SuppressionList::searched);
    list->search(u"user1"_s, 5);
    list->search(u"EXAMPLE"_s, 3); // only the latest search reports
    QTRY_COMPARE(searched.size(), 1);
    QCOMPARE(searched.first().at(0).toString(), u"EXAMPLE"_s);
    QCOMPARE(searched.first().at(2).toInt(), 30);
    const QVariantList results = searched.first().at(1).toList();
    QCOMPARE(results.size(), 3);
    QCOMPARE(results.at(0).toMap().value(u"address"_s).toString(), u"user29@Example.com"_s);
    QCOMPARE(results.at(2).toMap().value(u"address"_s).toString(), u"user27@Example.com"_s);
}

QTEST_GUILESS_MAIN(TestSuppression)
#include "tst_suppression.moc"
