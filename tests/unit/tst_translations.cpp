// Every interface text must have a finished French translation and a finished
// English entry (the English file is what switches a French interface back).
// The committed translation files are merged with the texts that lupdate finds
// in today's QML and script sources, in a scratch folder, so a text added to
// the sources without a translation shows up here as unfinished.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QLibraryInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Entry
{
    QString context;
    QString source;
    QString translation;
    QString type; // "", "unfinished", "vanished" or "obsolete"
};

QString sourceDir()
{
    return qEnvironmentVariable("PARVANE_SOURCE_DIR");
}

QString lupdatePath()
{
    const QString path = QLibraryInfo::path(QLibraryInfo::BinariesPath) + u"/lupdate"_s;
    return QFile::exists(path) ? path : u"/usr/lib/qt6/bin/lupdate"_s;
}

QStringList sourceFiles(const QStringList &extra)
{
    QStringList files;
    QDirIterator it(sourceDir() + u"/qml"_s, {u"*.qml"_s, u"*.js"_s}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    files.sort();
    return files + extra;
}

QList<Entry> readTs(const QString &path)
{
    QList<Entry> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return entries;
    QXmlStreamReader xml(&file);
    QString context;
    Entry entry;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"name"_s) {
            context = xml.readElementText();
        } else if (xml.name() == u"message"_s) {
            entry = Entry{context, {}, {}, {}};
        } else if (xml.name() == u"source"_s) {
            entry.source = xml.readElementText();
        } else if (xml.name() == u"translation"_s) {
            entry.type = xml.attributes().value(u"type"_s).toString();
            entry.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            entries << entry;
        }
    }
    if (xml.hasError())
        qWarning("%s: %s", qPrintable(path), qPrintable(xml.errorString()));
    return entries;
}

// The committed file merged with the texts of the sources (and of any extra
// source file), as lupdate would leave it; empty on any failure.
QList<Entry> mergedEntries(const QString &language, const QStringList &extra = {})
{
    QTemporaryDir dir;
    const QString ts = dir.filePath(u"qml_"_s + language + u".ts"_s);
    if (!dir.isValid()
        || !QFile::copy(sourceDir() + u"/translations/qml_"_s + language + u".ts"_s, ts))
        return {};

    QFile list(dir.filePath(u"files.lst"_s));
    if (!list.open(QIODevice::WriteOnly | QIODevice::Text))
        return {};
    list.write(sourceFiles(extra).join(u'\n').toUtf8());
    list.close();

    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(lupdatePath(),
                  {u"-silent"_s, u"-locations"_s, u"none"_s, u'@' + list.fileName(), u"-ts"_s, ts});
    if (!lupdate.waitForFinished(60000) || lupdate.exitStatus() != QProcess::NormalExit
        || lupdate.exitCode() != 0) {
        qWarning("lupdate failed: %s", lupdate.readAll().constData());
        return {};
    }
    return readTs(ts);
}

bool isLive(const Entry &entry)
{
    return entry.type != u"vanished"_s && entry.type != u"obsolete"_s;
}

// Texts that are in the sources but have no usable translation.
QStringList missing(const QList<Entry> &entries)
{
    QStringList result;
    for (const Entry &entry : entries) {
        if (isLive(entry) && (entry.type == u"unfinished"_s || entry.translation.isEmpty()))
            result << entry.context + u": \""_s + entry.source + u'"';
    }
    return result;
}

QString report(const QString &what, const QStringList &texts)
{
    return what + u" (run scripts/update-translations.sh, then translate):\n  "_s
           + texts.join(u"\n  "_s);
}

QStringList placeholders(const QString &text)
{
    static const QRegularExpression pattern(u"%[1-9]"_s);
    QStringList found;
    for (auto it = pattern.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    // A text with a count holds each placeholder once in every form.
    found.removeDuplicates();
    return found;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(!sourceDir().isEmpty(), "PARVANE_SOURCE_DIR is not set");
        QVERIFY2(QFile::exists(lupdatePath()), qPrintable(lupdatePath()));
    }

    void everyTextHasAFinishedTranslation_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("French") << u"fr_FR"_s;
        QTest::newRow("English") << u"en_EN"_s;
    }

    void everyTextHasAFinishedTranslation()
    {
        QFETCH(QString, language);
        const QList<Entry> entries = mergedEntries(language);
        QVERIFY2(!entries.isEmpty(), "no entries: lupdate or the translation file failed");

        // The interface texts object is the bulk of them; make sure it was seen.
        qsizetype interfaceTexts = 0;
        for (const Entry &entry : entries)
            interfaceTexts += isLive(entry) && entry.context == u"MyTrStrings"_s;
        QCOMPARE(interfaceTexts, 189);

        const QStringList untranslated = missing(entries);
        QVERIFY2(untranslated.isEmpty(),
                 qPrintable(report(u"Texts without a finished translation"_s, untranslated)));
    }

    // A translation that drops or invents a "%1" shows a wrong number or name.
    void placeholdersAreKept_data() { everyTextHasAFinishedTranslation_data(); }

    void placeholdersAreKept()
    {
        QFETCH(QString, language);
        const QList<Entry> entries = readTs(sourceDir() + u"/translations/qml_"_s + language
                                            + u".ts"_s);
        QVERIFY(!entries.isEmpty());
        QStringList broken;
        for (const Entry &entry : entries) {
            if (!isLive(entry) || entry.translation.isEmpty())
                continue;
            // A plural text's forms stand one a line, each with the source's placeholders.
            QStringList forms{entry.translation};
            if (entry.source.contains(u"%n"_s)) {
                forms = entry.translation.split(u'\n', Qt::SkipEmptyParts);
                forms.removeIf([](const QString &form) { return form.trimmed().isEmpty(); });
            }
            for (const QString &form : std::as_const(forms)) {
                if (placeholders(entry.source) != placeholders(form))
                    broken << u'"' + entry.source + u"\" -> \""_s + form.trimmed() + u'"';
            }
        }
        QVERIFY2(broken.isEmpty(), qPrintable(report(u"Placeholders changed"_s, broken)));
    }

    // French puts a no-break space before "?", "!", ":" and ";", so that the
    // sign never starts a line of its own. Web addresses keep theirs, and so
    // does a colon between a host and its port ("%1:%2").
    void frenchPunctuationHasNoBreakSpace()
    {
        const QList<Entry> entries = readTs(sourceDir() + u"/translations/qml_fr_FR.ts"_s);
        QVERIFY(!entries.isEmpty());
        static const QRegularExpression addresses(u"(https?|mailto):\\S*"_s);
        static const QRegularExpression bare(u"(^|[^\\x{00A0}\\x{202F}])([?!;]|:(?!%[1-9]|\\d))"_s);
        QStringList wrong;
        for (const Entry &entry : entries) {
            QString text = entry.translation;
            text.remove(addresses);
            if (isLive(entry) && bare.match(text).hasMatch())
                wrong << u'"' + entry.translation + u'"';
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(report(u"Without a no-break space"_s, wrong)));
    }

    // French writes "100 %" with a no-break space, groups digits ("65 535"),
    // keeps a count on the line of its noun and has "…" for three dots.
    // Neither language shows "contact(s)": a count has its plural forms, and
    // is written through %Ln so that its digits are grouped as the language
    // groups them.
    void numbersSignsAndPlurals()
    {
        static const QRegularExpression addresses(u"(https?|mailto):\\S*|\\S+@\\S+"_s);
        static const QRegularExpression percent(u"(^|[^\\x{00A0}\\x{202F}])%(?![1-9L])"_s);
        static const QRegularExpression ungrouped(u"\\d{4,}"_s);
        static const QRegularExpression optionalPlural(u"\\((s|es|x)\\)"_s);
        static const QRegularExpression bareCount(u"%n"_s);
        QStringList wrong;
        for (const QString &language : {u"fr_FR"_s, u"en_EN"_s}) {
            const bool french = language == u"fr_FR"_s;
            for (const Entry &entry :
                 readTs(sourceDir() + u"/translations/qml_"_s + language + u".ts"_s)) {
                if (!isLive(entry) || entry.context == u"Constants"_s)
                    continue;
                QString text = entry.translation;
                text.remove(addresses);
                const QString what = language + u": \""_s + entry.translation.simplified() + u'"';
                if (optionalPlural.match(text).hasMatch())
                    wrong << what + u" shows an optional plural"_s;
                if (bareCount.match(entry.source).hasMatch())
                    wrong << what + u" counts with %n instead of %Ln"_s;
                if (!french)
                    continue;
                if (percent.match(text).hasMatch())
                    wrong << what + u" has no no-break space before %"_s;
                if (ungrouped.match(text).hasMatch())
                    wrong << what + u" does not group its digits"_s;
                if (text.contains(u"..."_s))
                    wrong << what + u" has three dots for …"_s;
                if (text.contains(u"%Ln "_s))
                    wrong << what + u" lets a line break part a count from its noun"_s;
            }
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(report(u"Numbers, signs and plurals"_s, wrong)));
    }

    // A French text that is its English source word for word was never
    // translated; the few that are the same in both languages are listed.
    void noEnglishLeftInFrench()
    {
        static const QSet<QString> same{u"Auto"_s, u"Contacts"_s, u"Total"_s, u"Doe"_s, u"John"_s};
        static const QRegularExpression word(u"[A-Za-z]{2,}"_s);
        static const QRegularExpression address(u"^\\S+@\\S+$|^www\\.\\S+$"_s);
        QStringList left;
        for (const Entry &entry : readTs(sourceDir() + u"/translations/qml_fr_FR.ts"_s)) {
            if (!isLive(entry) || entry.context == u"Constants"_s)
                continue;
            if (entry.translation == entry.source && word.match(entry.source).hasMatch()
                && !same.contains(entry.source) && !address.match(entry.source).hasMatch())
                left << entry.context + u": \""_s + entry.source + u'"';
        }
        QVERIFY2(left.isEmpty(), qPrintable(report(u"English left in French"_s, left)));
    }

    // The search form's countries and languages: their names are written in
    // French in the sources, so French is the source and English the
    // translation. Every name must be there, once, with both.
    void countryAndLanguageNames()
    {
        QFile constants(sourceDir() + u"/qml/Parvane/Constants.qml"_s);
        QVERIFY(constants.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(constants.readAll());
        static const QRegularExpression record(
                u"\\{\\s*key:\\s*\"([A-Za-z]{2})\",\\s*name:\\s*qsTr\\(\"((?:[^\"\\\\]|\\\\.)*)\"\\)(?:,\\s*languages:\\s*\\[([^\\]]*)\\])?\\s*\\}"_s);
        QStringList countries, languages, names, firstLanguages;
        for (auto it = record.globalMatch(text); it.hasNext();) {
            const auto match = it.next();
            (match.captured(1).at(0).isUpper() ? countries : languages) << match.captured(1);
            names << match.captured(2);
            if (match.captured(1).at(0).isUpper())
                firstLanguages << match.captured(3).section(u'"', 1, 1);
        }
        QCOMPARE(countries.size(), 249);
        QCOMPARE(languages.size(), 91);
        QCOMPARE(QSet<QString>(countries.begin(), countries.end()).size(), 249);
        QCOMPARE(QSet<QString>(languages.begin(), languages.end()).size(), 91);
        QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), names.size());
        for (const QString &first : firstLanguages)
            QVERIFY2(languages.contains(first), qPrintable(first));
        QVERIFY(names.contains(u"la Suisse"_s) && names.contains(u"Côte d'Ivoire"_s));

        for (const QString &language : {u"fr_FR"_s, u"en_EN"_s}) {
            QHash<QString, Entry> byName;
            for (const Entry &entry : mergedEntries(language)) {
                if (entry.context == u"Constants"_s && isLive(entry))
                    byName.insert(entry.source, entry);
            }
            QStringList wrong;
            for (const QString &name : names) {
                const Entry entry = byName.value(name);
                const bool french = language == u"fr_FR"_s;
                if (entry.source != name || !entry.type.isEmpty() || entry.translation.isEmpty()
                    || (french && entry.translation != name))
                    wrong << name + u" -> "_s + entry.translation;
            }
            QVERIFY2(wrong.isEmpty(), qPrintable(report(language + u": names"_s, wrong)));
        }
        // English names are names, not the French ones left in place.
        const auto english = mergedEntries(u"en_EN"_s);
        for (const Entry &entry : english) {
            if (entry.source == u"la Suisse"_s)
                QCOMPARE(entry.translation, u"Switzerland"_s);
            if (entry.source == u"Espagnol"_s)
                QCOMPARE(entry.translation, u"Spanish"_s);
        }
    }

    // The check itself: a text that a view adds without translating it fails.
    void newUntranslatedTextIsCaught()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString view = dir.filePath(u"NewView.qml"_s);
        QFile file(view);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Text));
        file.write("import QtQuick\n"
                   "Text {\n"
                   "    text: qsTr(\"A text nobody translated\")\n"
                   "    property string count: qsTr(\"%1 recipients waiting\").arg(3)\n"
                   "}\n");
        file.close();

        const QStringList untranslated = missing(mergedEntries(u"fr_FR"_s, {view}));
        QVERIFY2(untranslated.contains(u"NewView: \"A text nobody translated\""_s),
                 qPrintable(untranslated.join(u'\n')));
        QVERIFY2(untranslated.contains(u"NewView: \"%1 recipients waiting\""_s),
                 qPrintable(untranslated.join(u'\n')));
    }
};

QTEST_GUILESS_MAIN(TestTranslations)

#include "tst_translations.moc"
