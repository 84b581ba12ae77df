// Contacts in comma-separated files: the reader on the forms real files take,
// the headers of common exports recognised, the preview, the worker reading a
// file, and the writer read back field for field.

#include "contacts/CsvPreview.h"
#include "contacts/CsvReader.h"
#include "contacts/CsvWriter.h"
#include "contacts/VCardImport.h"

#include <QFile>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

using Card = CsvReader::Card;

namespace {

// Feeds the text to the reader line by line, as the worker does.
void feed(CsvReader &reader, const QByteArray &text)
{
    QList<QByteArray> lines = text.split('\n');
    // A final line end gives no last, empty line.
    if (text.endsWith('\n'))
        lines.removeLast();
    for (const QByteArray &line : lines)
        reader.addBytes(line);
    reader.finish();
}

Card card(std::initializer_list<std::pair<int, QString>> fields)
{
    Card c;
    for (const auto &[field, value] : fields)
        c[field] = value;
    return c;
}

} // namespace

class TestCsv : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }
    void readsRecords_data();
    void readsRecords();
    void rowsBecomeCards();
    void recognisesHeaders_data();
    void recognisesHeaders();
    void writerOutputReadsBackExactly();
    void previewReadsTheStartOnly();
    void workerReadsWithTheMapping();

private:
    QUrl write(const QString &name, const QByteArray &bytes);
    QTemporaryDir m_dir;
};

QUrl TestCsv::write(const QString &name, const QByteArray &bytes)
{
    QFile file(m_dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return QUrl::fromLocalFile(file.fileName());
}

void TestCsv::readsRecords_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<char>("delimiter");
    QTest::addColumn<QString>("encoding");
    QTest::addColumn<QStringList>("headers");
    QTest::addColumn<QList<QStringList>>("rows");

    QTest::newRow("quoted delimiters and doubled quotes")
            << "a,b,c\r\n\"x,1\",\"say \"\"hi\"\"\",\"\"\r\n\"\"\"\",plain\"quote,z\r\n"_ba << ','
            << u"UTF-8"_s << QStringList{u"a"_s, u"b"_s, u"c"_s}
            << QList<QStringList>{{u"x,1"_s, u"say \"hi\""_s, u""_s},
                                  {u"\""_s, u"plain\"quote"_s, u"z"_s}};
    QTest::newRow("line breaks inside fields, blank lines between rows")
            << "a,b\r\n\"one\r\n\r\nthree\",2\r\n\r\n\"x\ny\",\"\n\"\r\n"_ba << ',' << u"UTF-8"_s
            << QStringList{u"a"_s, u"b"_s}
            << QList<QStringList>{{u"one\n\nthree"_s, u"2"_s}, {u"x\ny"_s, u"\n"_s}};
    QTest::newRow("byte-order mark and semicolons")
            << "\xEF\xBB\xBF\"Nom, complet\";Pr\xC3\xA9nom;Mail\r\nDupont;\"Ren\xC3\xA9;e\";r@x.fr\r\n"_ba
            << ';' << u"UTF-8"_s << QStringList{u"Nom, complet"_s, u"Prénom"_s, u"Mail"_s}
            << QList<QStringList>{{u"Dupont"_s, u"René;e"_s, u"r@x.fr"_s}};
    QTest::newRow("tabs") << "a\tb\n1,5\t\"2\t3\"\n"_ba << '\t' << u"UTF-8"_s
                          << QStringList{u"a"_s, u"b"_s}
                          << QList<QStringList>{{u"1,5"_s, u"2\t3"_s}};
    // Each record is read in its own encoding: a UTF-8 row after a
    // Windows-1252 one stays UTF-8.
    QTest::newRow("Windows-1252 rows beside UTF-8 ones")
            << "Nom;Pr\xE9nom\r\nDupr\xE9;\x80uro \x93q\x94 \x9C\r\nM\xC3\xBCller;J\xC3\xBCrgen\r\n"_ba
            << ';' << u"Windows-1252"_s << QStringList{u"Nom"_s, u"Prénom"_s}
            << QList<QStringList>{{u"Dupré"_s, u"€uro “q” œ"_s}, {u"Müller"_s, u"Jürgen"_s}};
    QTest::newRow("short and long rows, no final line end, unclosed quote")
            << "a,b,c\n1\n1,2,3,4\n\"open,end"_ba << ',' << u"UTF-8"_s
            << QStringList{u"a"_s, u"b"_s, u"c"_s}
            << QList<QStringList>{{u"1"_s}, {u"1"_s, u"2"_s, u"3"_s, u"4"_s}, {u"open,end"_s}};
}

void TestCsv::readsRecords()
{
    QFETCH(QByteArray, text);
    QFETCH(char, delimiter);
    QFETCH(QString, encoding);
    QFETCH(QStringList, headers);
    QFETCH(QList<QStringList>, rows);

    CsvReader reader;
    reader.setKeepRows(100);
    feed(reader, text);
    QCOMPARE(reader.delimiter(), delimiter);
    QCOMPARE(reader.encoding(), encoding);
    QCOMPARE(reader.headers(), headers);
    QCOMPARE(reader.keptRows(), rows);
    QCOMPARE(reader.hadByteOrderMark(), text.startsWith("\xEF\xBB\xBF"));
}

void TestCsv::rowsBecomeCards()
{
    // Three address columns, two phones, first and middle names; a column
    // not imported, a short row, a row with only unmapped text.
    const QByteArray text = "Given,Middle,Mail,Work mail,Phone,Mobile,Notes,Other\r\n"
                            "Ana,Maria,,ana@x.io,1,2,note,old@x.io\r\n"
                            ",,,,,,only a note,\r\n"
                            "Bo,,bo@x.io,bo@work.io\r\n"
                            "Cy\r\n"_ba;
    CsvReader reader;
    reader.setMapping({VCardReader::FirstName, VCardReader::FirstName, VCardReader::Email,
                       VCardReader::Email, VCardReader::Telephone, VCardReader::Telephone,
                       CsvReader::NotImported, VCardReader::OtherEmails});
    feed(reader, text);
    QCOMPARE(reader.finishedCount(), 3);
    const QList<Card> cards = reader.takeFinishedCards();
    QCOMPARE(cards.size(), 3);
    QCOMPARE(cards[0], card({{VCardReader::FirstName, u"Ana Maria"_s},
                             {VCardReader::Email, u"ana@x.io"_s},
                             {VCardReader::Telephone, u"1, 2"_s},
                             {VCardReader::OtherEmails, u"old@x.io"_s}}));
    QCOMPARE(cards[1], card({{VCardReader::FirstName, u"Bo"_s},
                             {VCardReader::Email, u"bo@x.io"_s},
                             {VCardReader::OtherEmails, u"bo@work.io"_s}}));
    // No column feeds the full name: it stays empty.
    QCOMPARE(cards[2], card({{VCardReader::FirstName, u"Cy"_s}}));
    QVERIFY(reader.takeFinishedCards().isEmpty());

    // Without a mapping, the one proposed from the headers.
    CsvReader proposed;
    feed(proposed, "E-mail Address,E-mail 2 Address,First Name\nx@y.z,w@y.z,Xa\n"_ba);
    QCOMPARE(proposed.takeFinishedCards(), QList<Card>{card({{VCardReader::Email, u"x@y.z"_s},
                                                             {VCardReader::OtherEmails, u"w@y.z"_s},
                                                             {VCardReader::FirstName, u"Xa"_s}})});
}

// Each row: the headers of an export, each with the field it should feed
// ("-" for none), written "header=field" and joined by "|".
void TestCsv::recognisesHeaders_data()
{
    QTest::addColumn<QString>("table");
    // The contacts export of a web mail service, present form.
    QTest::newRow("Google")
            << u"First Name=firstname|Middle Name=-|Last Name=lastname|Nickname=-|"
               "E-mail 1 - Label=-|E-mail 1 - Value=email|E-mail 2 - Label=-|"
               "E-mail 2 - Value=email|Phone 1 - Label=-|Phone 1 - Value=telephone|"
               "Organization Name=company|Organization Title=occupation|Website 1 - Label=-|"
               "Website 1 - Value=website|Labels=-"_s;
    QTest::newRow("Google, earlier form")
            << u"Name=fullname|Given Name=firstname|Additional Name=-|Family Name=lastname|"
               "E-mail 1 - Type=-|E-mail 1 - Value=email|Organization 1 - Name=company|"
               "Organization 1 - Title=occupation"_s;
    QTest::newRow("Outlook")
            << u"Title=-|First Name=firstname|Middle Name=-|Last Name=lastname|Suffix=-|"
               "Company=company|Department=-|Job Title=occupation|Business Phone=telephone|"
               "Mobile Phone=telephone|E-mail Address=email|E-mail Type=-|"
               "E-mail Display Name=-|E-mail 2 Address=email|Web Page=website"_s;
    QTest::newRow("Outlook in French")
            << u"Titre=-|Prénom=firstname|Deuxième prénom=-|Nom=lastname|Société=company|"
               "Fonction=occupation|Téléphone mobile=telephone|Adresse de messagerie=email|"
               "Adresse de messagerie 2=email|Page Web=website"_s;
    // Case, accents and signs do not matter in a hand-made sheet.
    QTest::newRow("spreadsheet")
            << u" EMAIL =email|Nom=lastname|PRENOM=firstname|Téléphone=telephone|mail=email|"
               "Entreprise=company|site=website|e_mail=email|name=fullname|phone=telephone|"
               "company=company|website=website|=-"_s;
    // Our own export's header.
    QStringList own;
    for (const QString &column : CsvWriter::columns())
        own << column + u'=' + column;
    QTest::newRow("own export") << own.join(u'|');
}

void TestCsv::recognisesHeaders()
{
    QFETCH(QString, table);
    QStringList headers;
    QList<int> mapping;
    for (const QString &entry : table.split(u'|')) {
        const qsizetype equals = entry.lastIndexOf(u'=');
        headers << entry.left(equals);
        const QString field = entry.mid(equals + 1);
        int expected = CsvReader::NotImported;
        for (int i = 0; i < VCardReader::FieldCount; ++i) {
            if (field == QLatin1StringView(VCardReader::fieldName(i)))
                expected = i;
        }
        mapping << expected;
    }
    QCOMPARE(CsvReader::proposeMapping(headers), mapping);
}

// Thousands of records of random text, with every sign the format must
// protect, written and read back: every field comes back as it was.
void TestCsv::writerOutputReadsBackExactly()
{
    QRandomGenerator random(20261209);
    const QString specials = u",;\t\"\n \\'="_s;
    const auto randomText = [&](int maxLength) {
        QString text;
        const int length = random.bounded(maxLength + 1);
        for (int i = 0; i < length; ++i) {
            switch (random.bounded(5)) {
            case 0:
                text += specials[random.bounded(specials.size())];
                break;
            case 1: // letters of other scripts
                text += QChar(char16_t(0x00c0 + random.bounded(0x0500)));
                break;
            case 2: // CJK
                text += QChar(char16_t(0x4e00 + random.bounded(0x5000)));
                break;
            case 3: { // outside the basic plane
                const char32_t emoji = 0x1f300 + random.bounded(0x300);
                text += QString::fromUcs4(&emoji, 1);
                break;
            }
            default:
                text += QChar(char16_t('a' + random.bounded(26)));
            }
        }
        return text;
    };

    QVariantList records;
    QList<Card> expected;
    for (int i = 0; i < 3000; ++i) {
        Card c;
        QVariantMap record;
        for (int field = 0; field < VCardReader::FieldCount; ++field) {
            c[field] = randomText(field == VCardReader::Email ? 20 : 12);
            if (field == VCardReader::Email)
                c[field] += u"@x"_s; // never an empty row
            record.insert(QString::fromLatin1(VCardReader::fieldName(field)), c[field]);
        }
        record.insert(u"list"_s, u"not written"_s);
        records.append(record);
        expected.append(c);
    }
    const QByteArray text = CsvWriter::encode(records);
    QVERIFY(text.startsWith("\xEF\xBB\xBF"
                            "lastname,firstname,fullname,telephone,email,company,occupation,"
                            "website,otheremails\r\n"));
    QVERIFY(text.endsWith("\r\n"));
    QVERIFY(!text.contains("not written"));

    CsvReader reader;
    feed(reader, text);
    QCOMPARE(reader.encoding(), u"UTF-8"_s);
    const QList<Card> cards = reader.takeFinishedCards();
    QCOMPARE(cards.size(), expected.size());
    for (qsizetype i = 0; i < cards.size(); ++i) {
        if (cards[i] != expected[i]) {
            for (int field = 0; field < VCardReader::FieldCount; ++field)
                QCOMPARE(cards[i][field], expected[i][field]);
        }
    }

    // What lands in the file is that text, replacing what was there.
    const QUrl url = write(u"export.csv"_s, "an older, longer file\r\n"_ba.repeated(100));
    CsvWriter writer;
    QVERIFY(writer.writeFile(url, records.mid(0, 2)));
    QFile file(url.toLocalFile());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), CsvWriter::encode(records.mid(0, 2)));
    QVERIFY(!writer.writeFile(QUrl::fromLocalFile(m_dir.filePath(u"no/such/dir.csv"_s)), records));
}

void TestCsv::previewReadsTheStartOnly()
{
    // A large file: the preview stops early, and a quoted line break in the
    // first rows does not cut a row.
    QByteArray text = "\xEF\xBB\xBF"
                      "Pr\xC3\xA9nom;Nom;Adresse de messagerie;Notes\r\n"_ba;
    text += "Ana;Lima;ana@x.io;\"two\r\nlines\"\r\n"_ba;
    for (int i = 0; i < 100000; ++i)
        text += "N;" + QByteArray::number(i) + ";n" + QByteArray::number(i) + "@x.io;\r\n";
    CsvPreview preview;
    const QVariantMap result = preview.read(write(u"big.csv"_s, text));
    QCOMPARE(result.value(u"error"_s).toString(), QString());
    QCOMPARE(result.value(u"delimiter"_s).toString(), u";"_s);
    QCOMPARE(result.value(u"encoding"_s).toString(), u"UTF-8"_s);
    QCOMPARE(result.value(u"byteOrderMark"_s).toBool(), true);
    QCOMPARE(result.value(u"headers"_s).toStringList(),
             (QStringList{u"Prénom"_s, u"Nom"_s, u"Adresse de messagerie"_s, u"Notes"_s}));
    const QVariantList rows = result.value(u"rows"_s).toList();
    QCOMPARE(rows.size(), CsvPreview::ShownRows);
    QCOMPARE(rows[0].toStringList(),
             (QStringList{u"Ana"_s, u"Lima"_s, u"ana@x.io"_s, u"two\nlines"_s}));
    QCOMPARE(rows[4].toStringList(), (QStringList{u"N"_s, u"3"_s, u"n3@x.io"_s, u""_s}));
    QCOMPARE(result.value(u"mapping"_s).toList(),
             (QVariantList{VCardReader::FirstName, VCardReader::LastName, VCardReader::Email,
                           CsvReader::NotImported}));

    QCOMPARE(preview.read(QUrl::fromLocalFile(m_dir.filePath(u"missing.csv"_s)))
                     .value(u"error"_s)
                     .toString(),
             u"unreadable"_s);
    QCOMPARE(preview.read(write(u"empty.csv"_s, "\r\n\r\n"_ba)).value(u"error"_s).toString(),
             u"empty"_s);
    // A header longer than what the preview reads is no header.
    QCOMPARE(preview.read(write(u"long.csv"_s, QByteArray(CsvPreview::MaxBytes + 10, 'a')))
                     .value(u"error"_s)
                     .toString(),
             u"empty"_s);
}

void TestCsv::workerReadsWithTheMapping()
{
    QByteArray text = "Mail,Name,Note\r\n"_ba;
    for (int i = 0; i < 2000; ++i) {
        const QByteArray n = QByteArray::number(i);
        text += "c" + n + "@x.io,\"Name " + n + "\r\n\r\nend\",skip\r\n";
    }
    VCardImport job;
    job.setProperty("batchSize", 100);
    QSignalSpy batches(&job, &VCardImport::cardsReady);
    QSignalSpy finished(&job, &VCardImport::finished);
    QVERIFY(job.startCsv(write(u"worker.csv"_s, text),
                         {VCardReader::Email, VCardReader::FullName, CsvReader::NotImported}));
    QVERIFY(!job.start(QUrl()));
    QVERIFY(finished.wait(20000));
    QCOMPARE(finished.at(0).at(0).toBool(), true);
    QCOMPARE(job.cardCount(), 2000);
    QCOMPARE(job.progress(), 1.0);
    QVERIFY(batches.count() >= 10);
    int next = 0;
    for (const QList<QVariant> &batch : std::as_const(batches)) {
        for (const Card &c : batch.at(0).value<QList<Card>>()) {
            QCOMPARE(c, card({{VCardReader::Email, u"c%1@x.io"_s.arg(next)},
                              {VCardReader::FullName, u"Name %1\n\nend"_s.arg(next)}}));
            ++next;
        }
    }
    QCOMPARE(next, 2000);

    // The job starts again once done; an unreadable file ends with no
    // cards.
    finished.clear();
    QVERIFY(job.startCsv(QUrl::fromLocalFile(m_dir.filePath(u"missing.csv"_s)), {}));
    QVERIFY(finished.wait(20000));
    QCOMPARE(finished.at(0).at(0).toBool(), true);
    QCOMPARE(job.cardCount(), 0);
}

QTEST_GUILESS_MAIN(TestCsv)
#include "tst_csv.moc"
