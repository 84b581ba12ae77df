#include "mail/HtmlEmbedding.h"
#include "mail/HtmlReferences.h"
#include "mail/HtmlText.h"
#include "mail/MailComposer.h"
#include "mail/MimeMessage.h"
#include "mail/OutgoingMail.h"

#include <QDir>
#include <QFile>
#include <QJsonObject>
#include <QSet>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

// Each template of the catalogue made into a message by the composer that
// sending uses, with the references the interface finds in the file: every
// placeholder filled in, every picture of the folder embedded once and
// addressed by a content id, nothing left pointing at the disk.
class TestTemplateMessages : public QObject
{
    Q_OBJECT

    static QJsonObject recipient()
    {
        // "&" and "<" show that the values stay text inside the templates
        return QJsonObject{{u"fullname"_s, u"Ada Quill"_s},
                           {u"firstname"_s, u"Ada"_s},
                           {u"lastname"_s, u"Quill"_s},
                           {u"telephone"_s, u"+44 20 7946 0000"_s},
                           {u"email"_s, u"ada@example.org"_s},
                           {u"company"_s, u"Quill & Sons <Press>"_s},
                           {u"occupation"_s, u"Editor"_s},
                           {u"website"_s, u"https://quill.example.org/"_s}};
    }

private slots:
    void composed_data()
    {
        QTest::addColumn<QString>("folder");
        const QDir root(QStringLiteral(PARVANE_TEMPLATES_DIR));
        const QStringList names = root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        QVERIFY2(names.size() >= 8, qPrintable(root.path()));
        for (const QString &name : names)
            QTest::newRow(qPrintable(name)) << root.filePath(name);
    }

    void composed()
    {
        QFETCH(QString, folder);
        const QString path = folder + u"/template.html"_s;
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString source = QString::fromUtf8(file.readAll());

        OutgoingMail job;
        job.username = u"news@example.com"_s;
        job.senderName = u"Newsroom"_s;
        job.subject = u"Hello"_s;
        job.to = recipient();
        job.html = path;
        job.contentLocalUrls = HtmlReferences::localInFile(path);
        const MimeContent content = MailComposer::compose(job, MailLimits{});

        QVERIFY(content.html);
        QVERIFY2(!content.body.contains(u"{{"_s), "a placeholder was left in the body");
        const QJsonObject to = recipient();
        for (auto it = to.constBegin(); it != to.constEnd(); ++it) {
            if (source.contains(u"{{"_s + it.key() + u"}}"_s))
                QVERIFY2(content.body.contains(HtmlText::escaped(it.value().toString())),
                         qPrintable(it.key()));
        }
        QVERIFY2(!content.body.contains(u"<Press>"_s), "a value became markup");

        // every file of images/ is one inline part, and every cid: names one
        const QStringList pictures = QDir(folder + u"/images"_s).entryList(QDir::Files);
        QCOMPARE(content.inlineParts.size(), pictures.size());
        QSet<QString> ids;
        for (const MimeFilePart &part : content.inlineParts) {
            QVERIFY2(part.contentType.startsWith(u"image/"_s), qPrintable(part.contentType));
            QVERIFY(!part.contentId.isEmpty());
            ids.insert(part.contentId);
        }
        QCOMPARE(ids.size(), pictures.size());
        int cids = 0;
        for (const QString &reference : HtmlReferences::all(content.body.toUtf8())) {
            QVERIFY2(!reference.startsWith(u"images/"_s), qPrintable(reference));
            if (reference.startsWith(u"cid:"_s)) {
                QVERIFY2(ids.contains(reference.mid(4)), qPrintable(reference));
                ++cids;
            }
        }
        QVERIFY(cids >= pictures.size());
        QVERIFY(HtmlEmbedding::unembedded(path).isEmpty());

        // the text alternative carries the words, with the recipient's name
        QVERIFY(content.textVersion.contains(u"Ada"_s) || content.textVersion.contains(u"ada@"_s));

        const QByteArray message = MimeMessage::build(content);
        QVERIFY(message.contains("Content-Type: multipart/related"));
        qInfo("%s: %lld bytes as a message, %lld inline parts", qPrintable(QDir(folder).dirName()),
              static_cast<long long>(message.size()),
              static_cast<long long>(content.inlineParts.size()));
    }
};

QTEST_MAIN(TestTemplateMessages)
#include "tst_template_messages.moc"
