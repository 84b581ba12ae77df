// What a run will send, worked out from the form: the recipients of a typed
// text, the members of the chosen lists, and the summary the user confirms.

#include "run/RunHistory.h"
#include "run/RunPlan.h"

#include <QFile>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

using Recipients = QList<std::pair<QString, QString>>; // address, name

Recipients typed(const QString &text)
{
    Recipients result;
    for (const RunPlan::Typed &recipient : RunPlan::typedRecipients(text))
        result.append({recipient.email, recipient.name});
    return result;
}

Recipients bare(const QStringList &addresses)
{
    Recipients result;
    for (const QString &address : addresses)
        result.append({address, QString()});
    return result;
}

ContactBook::ContactPointer contact(const QJsonObject &record)
{
    return ContactBook::fromJson(record);
}

QStringList addresses(const QList<ContactBook::ContactPointer> &recipients)
{
    QStringList result;
    for (const auto &recipient : recipients)
        result.append(recipient->fields[ContactBook::Email]);
    return result;
}

} // namespace

class TestRunPlan : public QObject
{
    Q_OBJECT

private slots:
    // Recipients as typed: names with their addresses, and every word with
    // an "@" kept, valid or not, so that none is dropped without a word.
    void typedRecipients_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Recipients>("expected");
        QTest::newRow("prose")
                << u"Write to anna.kim@example.com, to bo+news@mail.example.co.uk or to x@host.c please."_s
                << bare({u"anna.kim@example.com"_s, u"bo+news@mail.example.co.uk"_s, u"x@host.c"_s});
        QTest::newRow("no address") << u"no address here"_s << Recipients();
        QTest::newRow("empty") << QString() << Recipients();
        // Repeats are kept; invalid words are returned for the run to list.
        QTest::newRow("repeats and invalid words")
                << u"a@b.io;a@b.io;c@d.e\nuser@localhost a..b@x.example @x a@"_s
                << bare({u"a@b.io"_s, u"a@b.io"_s, u"c@d.e"_s, u"user@localhost"_s,
                         u"a..b@x.example"_s, u"@x"_s, u"a@"_s});
        // Markup around an address, and the full stop that ends a sentence.
        QTest::newRow("markup") << u"<p>mail: info@shop.example.org.</p>"_s
                                << bare({u"info@shop.example.org"_s});
        QTest::newRow("mailto") << u"mailto:sales@firm.com?subject=x"_s
                                << bare({u"sales@firm.com?subject=x"_s});
        // Display names, quoted or not, with separators inside the quotes.
        QTest::newRow("names")
                << u"Ada Lovelace <ada@example.com>; \"Lovelace, Ada\" <ada@example.com>,"
                   "<bare@example.com>, \"Say \\\"hi\\\"\" <q@example.com>"
                   "\nBob <user@localhost> carl@example.com"_s
                << Recipients{{u"ada@example.com"_s, u"Ada Lovelace"_s},
                              {u"ada@example.com"_s, u"Lovelace, Ada"_s},
                              {u"bare@example.com"_s, QString()},
                              {u"q@example.com"_s, u"Say \"hi\""_s},
                              {u"user@localhost"_s, u"Bob"_s},
                              {u"carl@example.com"_s, QString()}};
        // An address before the brackets is a recipient, not a name.
        QTest::newRow("address before brackets") << u"x@example.com <y@example.com>"_s
                                                 << bare({u"x@example.com"_s, u"y@example.com"_s});
    }
    void typedRecipients()
    {
        QFETCH(QString, text);
        QFETCH(Recipients, expected);
        QCOMPARE(typed(text), expected);
    }

    // Lists in the order chosen, each list's contacts in stored order, then
    // the typed ones; the summary counts repeats (letter case aside), names
    // the invalid addresses, and counts the fields left empty; those an
    // earlier run of the message reached are left out unless asked for.
    void planOfListsTypedTextAndHistory()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const auto member = [](const QString &email, const QString &list,
                               const QString &firstName = {}) {
            return contact({{u"email"_s, email}, {u"list"_s, list}, {u"firstname"_s, firstName}});
        };
        RunPlan::Input input;
        // List names that are also the names of object properties are lists like any other.
        input.book = {member(u"a@x.io"_s, u"__proto__"_s, u"Ann"_s), member(u"b@x.io"_s, u"B"_s),
                      member(u"c@x.io"_s, u"constructor"_s), member(u"A@X.io"_s, u"__proto__"_s),
                      member(u"e@x.io"_s, u"toString"_s)};
        input.lists = {u"B"_s, u"__proto__"_s, u"constructor"_s, u"hasOwnProperty"_s};
        QStringList invalid;
        for (int i = 0; i < 12; ++i)
            invalid.append(u"bad"_s + QString::number(i) + u"@x..io"_s);
        input.typed = u"Ada <ada@x.io>; b@x.io; bad0@x..io; "_s + invalid.join(u"; "_s);
        input.params = {{u"subject"_s, u"Hello {{firstname}}"_s},
                        {u"content"_s, u"{{fullname}} {{company|friend}} {{email}}"_s}};
        input.historyFolder = dir.path();

        RunPlan::Plan plan = RunPlan::make(input);
        QCOMPARE(addresses(plan.recipients).first(6),
                 (QStringList{u"b@x.io"_s, u"a@x.io"_s, u"A@X.io"_s, u"c@x.io"_s, u"ada@x.io"_s,
                              u"b@x.io"_s}));
        QVariantMap summary = plan.summary;
        QCOMPARE(summary.value(u"total"_s).toInt(), 19);
        QCOMPARE(summary.value(u"duplicates"_s).toInt(), 3); // A@X.io, b@x.io, bad0 twice
        QCOMPARE(summary.value(u"invalid"_s).toInt(), 13);
        QCOMPARE(summary.value(u"valid"_s).toInt(), 6);
        // The summary names ten and says there are more: each named once.
        QCOMPARE(summary.value(u"invalidAddresses"_s).toStringList(), invalid.first(11));
        // Only Ann has a first name, only Ada a full name; a fallback is always replaced.
        QCOMPARE(summary.value(u"unreplaced"_s).toList(),
                 (QVariantList{QVariantMap{{u"field"_s, u"fullname"_s}, {u"count"_s, 18}},
                               QVariantMap{{u"field"_s, u"firstname"_s}, {u"count"_s, 18}}}));
        QCOMPARE(summary.value(u"received"_s).toInt(), 0);
        // The first recipient whole, missing fields as empty text, for the size check.
        QCOMPARE(summary.value(u"first"_s).toMap(), (QVariantMap{{u"lastname"_s, u""_s},
                                                                 {u"firstname"_s, u""_s},
                                                                 {u"fullname"_s, u""_s},
                                                                 {u"telephone"_s, u""_s},
                                                                 {u"email"_s, u"b@x.io"_s},
                                                                 {u"company"_s, u""_s},
                                                                 {u"occupation"_s, u""_s},
                                                                 {u"website"_s, u""_s},
                                                                 {u"list"_s, u"B"_s}}));
        QCOMPARE(addresses(RunPlan::chosen(plan, true, false)).first(5),
                 (QStringList{u"b@x.io"_s, u"a@x.io"_s, u"c@x.io"_s, u"ada@x.io"_s,
                              u"bad0@x..io"_s}));

        // An earlier run of the same message reached two of them, one in
        // other letter case; another message reached someone else.
        const auto row = [](const QString &address, const QString &outcome) {
            return RunHistory::Row{address, outcome, {}, 1, {}};
        };
        const QList<RunHistory::Row> rows{row(u"B@x.io"_s, u"sent"_s),
                                          row(u"c@x.io"_s, u"unknown"_s),
                                          row(u"a@x.io"_s, u"failed"_s)};
        const QJsonObject same{{u"id"_s, u"1"_s}, {u"fingerprint"_s, plan.fingerprint}};
        QVERIFY(RunHistory::write(dir.path(), RunHistory::header(same, u"finished"_s, rows), rows));
        const QJsonObject other{{u"id"_s, u"2"_s}, {u"fingerprint"_s, u"other"_s}};
        QVERIFY(RunHistory::write(dir.path(), RunHistory::header(other, u"finished"_s, rows),
                                  {row(u"a@x.io"_s, u"sent"_s)}));
        plan = RunPlan::make(input);
        QCOMPARE(plan.summary.value(u"received"_s).toInt(), 3); // b@x.io twice, c@x.io
        QCOMPARE(addresses(RunPlan::chosen(plan, false, false)).first(3),
                 (QStringList{u"a@x.io"_s, u"A@X.io"_s, u"ada@x.io"_s}));
        QCOMPARE(RunPlan::chosen(plan, false, true).size(), 19);
        QCOMPARE(RunPlan::chosen(plan, true, true).size(), 16);
    }

    // The run reads the HTML file itself: its references, and its text for the placeholders.
    void planReadsTheHtmlFile()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString html = dir.filePath(u"offer.html"_s);
        QFile file(html);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
                "<html><body>Hi {{company}}<img src=\"logo.png\"><a href=\"https://x.test/\">x</a>"
                "</body></html>");
        file.close();
        RunPlan::Input input;
        input.params = {{u"subject"_s, u"Offer"_s},
                        {u"content"_s, u"typed {{email}}"_s},
                        {u"html"_s, html}};
        input.typed = u"a@x.io"_s;
        const RunPlan::Plan plan = RunPlan::make(input);
        QCOMPARE(plan.params.value(u"localUrls"_s).toStringList(), QStringList{u"logo.png"_s});
        QCOMPARE(plan.summary.value(u"unreplaced"_s).toList(),
                 (QVariantList{QVariantMap{{u"field"_s, u"company"_s}, {u"count"_s, 1}}}));
        QCOMPARE(plan.fingerprint, RunHistory::fingerprint(input.params));
    }
};

QTEST_MAIN(TestRunPlan)
#include "tst_runplan.moc"
