#include "app/QmlCppBridge.h"
#include "files/FileCipher.h"
#include "files/FileTrust.h"
#include <QMap>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace Qt::Literals::StringLiterals;

// Shows the objects a failed comparison found, as compact JSON.
char *toString(const QJsonObject &object)
{
    return qstrdup(QJsonDocument(object).toJson(QJsonDocument::Compact).constData());
}

// Work files: the codec checked byte for byte against a second implementation
// written in Python, damaged and foreign files, and the bridge's save and load.
class TestFileCipher : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    static void writeRaw(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }

    static QByteArray readRaw(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // What load gives for a file it can open but not read as a task.
    static QJsonObject emptyTask()
    {
        return {{u"attachments"_s, QJsonArray()},
                {u"email"_s, QJsonObject()},
                {u"html"_s, u""_s},
                {u"lists"_s, QJsonArray()}};
    }

    // What load gives, without the file's digest (checked to be one).
    static QJsonObject loadTask(QmlCppBridge &bridge, const QString &file)
    {
        QJsonObject task = bridge.load(file);
        const QString digest = task.take(u"digest"_s).toString();
        // Compared objects then differ: a digest must always be there.
        if (!task.isEmpty()
            && (digest.size() != 64 || QByteArray::fromHex(digest.toLatin1()).size() != 32))
            task.insert(u"badDigest"_s, digest);
        return task;
    }

    static QByteArray indented(const QJsonObject &object)
    {
        return QJsonDocument(object).toJson(QJsonDocument::Indented);
    }

    // A task long enough (and repetitive enough) to be stored compressed.
    static QJsonObject longTask()
    {
        return {{u"attachments"_s, QJsonArray()},
                {u"email"_s, QJsonObject{{u"senderName"_s, u"Zoé Durand"_s},
                                         {u"subject"_s, u"Nouvelles de l'été"_s},
                                         {u"recipient"_s, u"a@example.org;b@example.org"_s},
                                         {u"emailContent"_s, u"Bonjour {name},\n"_s.repeated(20)}}},
                {u"html"_s, u""_s},
                {u"lists"_s, QJsonArray{u"Clients"_s}}};
    }

    struct Run
    {
        bool started = false;
        int exitCode = -1;
        QByteArray out;
        QByteArray err;
    };

    // The Python codec, bytes in on stdin and out on stdout.
    static Run vectors(const QStringList &args, const QByteArray &input)
    {
        QProcess python;
        python.start(QStringLiteral(PYTHON3),
                     QStringList{QStringLiteral(FILECIPHER_VECTORS)} + args);
        Run run;
        run.started = python.waitForStarted();
        if (!run.started)
            return run;
        python.write(input);
        python.closeWriteChannel();
        if (python.waitForFinished(60 * 1000) && python.exitStatus() == QProcess::NormalExit)
            run.exitCode = python.exitCode();
        run.out = python.readAllStandardOutput();
        run.err = python.readAllStandardError();
        return run;
    }

    static QString saltArg(quint8 salt) { return u"0x"_s + QString::number(salt, 16); }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    // Worked out by hand: key byte 0 is 0x28 and byte 1 is 0x6f (least
    // significant first); the second byte is also XORed with the first
    // scrambled byte. 'A' ^ 0x6f ^ 0x28 = 0x06.
    void scramblesWithKeyBytesAndChain()
    {
        FileCipher cipher([] { return quint8(0); });
        cipher.setCompressionMode(FileCipher::CompressionNever);
        cipher.setProtectionMode(FileCipher::ProtectionNone);
        QCOMPARE(cipher.encrypt("A"), QByteArray("\x03\x00\x28\x06", 4));
        QCOMPARE(cipher.decrypt(QByteArray("\x03\x00\x28\x06", 4)), "A");
    }

    void matchesIndependentCodec_data()
    {
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<int>("salt");
        QTest::addColumn<int>("compression");
        QTest::addColumn<int>("protection");
        QTest::addColumn<int>("flags");

        const QByteArray task = indented(longTask());
        using C = FileCipher;
        QTest::newRow("short, defaults: stored as is")
                << QByteArray("{\"a\":1}") << 0x00 << int(C::CompressionAuto)
                << int(C::ProtectionChecksum) << 2;
        QTest::newRow("long task, defaults: compressed")
                << task << 0xa5 << int(C::CompressionAuto) << int(C::ProtectionChecksum) << 3;
        QTest::newRow("hash, never compressed")
                << task << 0x7f << int(C::CompressionNever) << int(C::ProtectionHash) << 4;
        QTest::newRow("always compressed, even when longer")
                << QByteArray("x") << 0x80 << int(C::CompressionAlways) << int(C::ProtectionNone)
                << 1;
        QTest::newRow("always compressed, empty, hash")
                << QByteArray() << 0x13 << int(C::CompressionAlways) << int(C::ProtectionHash) << 5;
        QTest::newRow("no compression, no check, key wraps")
                << QByteArray("0123456789abcdefXYZ") << 0xff << int(C::CompressionNever)
                << int(C::ProtectionNone) << 0;
    }

    // Both ways: the same bytes as the Python writer for the same salt, and
    // each side reads what the other wrote.
    void matchesIndependentCodec()
    {
        QFETCH(QByteArray, payload);
        QFETCH(int, salt);
        QFETCH(int, compression);
        QFETCH(int, protection);
        QFETCH(int, flags);
        static const QStringList compressionNames{u"auto"_s, u"always"_s, u"never"_s};
        static const QStringList protectionNames{u"none"_s, u"checksum"_s, u"hash"_s};

        const Run written = vectors({u"encode"_s, saltArg(quint8(salt)),
                                     compressionNames[compression], protectionNames[protection]},
                                    payload);
        QVERIFY2(written.started, "cannot run " PYTHON3);
        QVERIFY2(written.exitCode == 0, written.err.constData());

        FileCipher cipher([salt] { return quint8(salt); });
        cipher.setCompressionMode(FileCipher::CompressionMode(compression));
        cipher.setProtectionMode(FileCipher::ProtectionMode(protection));
        const QByteArray encrypted = cipher.encrypt(payload);
        QCOMPARE(encrypted.toHex(), written.out.toHex());
        QCOMPARE(int(encrypted.at(1)), flags);

        QCOMPARE(FileCipher().decrypt(written.out), payload);
        const Run read = vectors({u"decode"_s}, encrypted);
        QVERIFY2(read.exitCode == 0, read.err.constData());
        QCOMPARE(read.out, payload);
    }

    // The bridge writes the indented JSON of the task, without empty list and
    // attachment entries, in a file that the Python reader accepts.
    void saveWritesTheTask()
    {
        QmlCppBridge bridge;
        const QString file = path(u"written.pvsav"_s);
        const QJsonObject email = longTask().value(u"email"_s).toObject();
        QVERIFY(bridge.save(file, email, {u""_s, u"Clients"_s, u""_s, u"Amis"_s},
                            {u""_s, u"/nowhere/a.pdf"_s, u""_s}, u"/nowhere/page.html"_s));

        const QByteArray bytes = readRaw(file);
        QCOMPARE(bytes.left(2), QByteArray("\x03\x03", 2));
        const Run read = vectors({u"decode"_s}, bytes);
        QVERIFY2(read.started, "cannot run " PYTHON3);
        QVERIFY2(read.exitCode == 0, read.err.constData());
        QCOMPARE(QString::fromUtf8(read.out),
                 QString::fromUtf8(indented({{u"attachments"_s, QJsonArray{u"/nowhere/a.pdf"_s}},
                                             {u"email"_s, email},
                                             {u"html"_s, u"/nowhere/page.html"_s},
                                             {u"lists"_s, QJsonArray{u"Clients"_s, u"Amis"_s}}})));

        // Even an empty task compresses (the indentation repeats), so every
        // saved task carries flags 3.
        QVERIFY(bridge.save(file, {}, {}, {}, u""_s));
        QCOMPARE(readRaw(file).at(1), '\x03');
    }

    // A file from the Python writer: only absolute paths of existing files
    // remain among the attachments and as the HTML file; lists stay as stored.
    void loadKeepsExistingFilesOnly()
    {
        const QString kept = path(u"kept.pdf"_s);
        const QString page = path(u"page.html"_s);
        writeRaw(kept, "%PDF");
        writeRaw(page, "<p>hi</p>");
        const QJsonObject email{{u"subject"_s, u"Été"_s}, {u"recipient"_s, u"a@example.org"_s}};
        const QJsonArray lists{u"Clients"_s, u""_s, 7};
        const QJsonObject stored{{u"attachments"_s, QJsonArray{path(u"gone.pdf"_s), kept, u""_s, 42,
                                                               u"kept.pdf"_s, m_dir.path()}},
                                 {u"email"_s, email},
                                 {u"html"_s, page},
                                 {u"lists"_s, lists}};
        const Run written = vectors({u"encode"_s, u"0x42"_s, u"auto"_s, u"checksum"_s},
                                    QJsonDocument(stored).toJson(QJsonDocument::Compact));
        QVERIFY2(written.started, "cannot run " PYTHON3);
        QVERIFY2(written.exitCode == 0, written.err.constData());
        const QString file = path(u"from-python.pvsav"_s);
        writeRaw(file, written.out);

        // A relative name is not taken from the working folder either.
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir.path()));
        QmlCppBridge bridge;
        const QJsonObject loaded = loadTask(bridge, file);
        QVERIFY(QDir::setCurrent(previous));
        // A folder is no file to send: named among the refused, not dropped unseen.
        const QJsonArray refused{QJsonObject{{u"path"_s, m_dir.path()}, {u"reason"_s, 2}}};
        QCOMPARE(loaded, (QJsonObject{{u"attachments"_s, QJsonArray{kept}},
                                      {u"email"_s, email},
                                      {u"html"_s, page},
                                      {u"lists"_s, lists},
                                      {u"refused"_s, refused}}));

        // Wrong types are read as empty values.
        const Run odd = vectors({u"encode"_s, u"0x01"_s, u"auto"_s, u"checksum"_s},
                                R"({"attachments":"x","email":[1],"html":3,"lists":{}})");
        QVERIFY2(odd.exitCode == 0, odd.err.constData());
        writeRaw(file, odd.out);
        QCOMPARE(loadTask(bridge, file), emptyTask());
    }

    // A saved task loads back; files moved away since are left out.
    void savedTaskLoadsBackWithoutMovedFiles()
    {
        const QString attachment = path(u"report.pdf"_s);
        const QString other = path(u"photo.jpg"_s);
        const QString html = path(u"letter.html"_s);
        writeRaw(attachment, "%PDF");
        writeRaw(other, "JPEG");
        writeRaw(html, "<p>hello</p>");
        const QJsonObject email = longTask().value(u"email"_s).toObject();

        QmlCppBridge bridge;
        const QString file = path(u"roundtrip.pvsav"_s);
        QVERIFY(bridge.save(file, email, {u"Clients"_s}, {attachment, other}, html));
        QJsonObject expected{{u"attachments"_s, QJsonArray{attachment, other}},
                             {u"email"_s, email},
                             {u"html"_s, html},
                             {u"lists"_s, QJsonArray{u"Clients"_s}}};
        QCOMPARE(loadTask(bridge, file), expected);

        QVERIFY(QFile::rename(attachment, path(u"moved.pdf"_s)));
        QVERIFY(QFile::rename(html, path(u"moved.html"_s)));
        expected[u"attachments"_s] = QJsonArray{other};
        expected[u"html"_s] = u""_s;
        QCOMPARE(loadTask(bridge, file), expected);
    }

    // Any change of one byte of the scrambled body garbles that byte and the
    // next once unscrambled; the checksum must catch every such change.
    void everySingleByteChangeIsRejected()
    {
        QmlCppBridge bridge;
        const QString file = path(u"damaged.pvsav"_s);
        QVERIFY(bridge.save(file, longTask().value(u"email"_s).toObject(), {u"Clients"_s}, {},
                            u""_s));
        const QByteArray good = readRaw(file);
        QVERIFY(good.size() > 20);

        FileCipher cipher;
        QVERIFY(!cipher.decrypt(good).isEmpty());
        for (qsizetype offset = 2; offset < good.size(); ++offset) {
            for (int delta = 1; delta < 256; ++delta) {
                QByteArray damaged = good;
                damaged[offset] = char(damaged[offset] ^ delta);
                if (!cipher.decrypt(damaged).isEmpty()
                    || cipher.lastError() != FileCipher::ErrorIntegrityFailed)
                    QFAIL(qPrintable(u"offset %1, delta %2 accepted"_s.arg(offset).arg(delta)));
            }
            QByteArray damaged = good;
            damaged[offset] = char(damaged[offset] ^ (1 << (offset % 8)));
            writeRaw(file, damaged);
            QCOMPARE(loadTask(bridge, file), emptyTask());
        }
    }

    void foreignFiles()
    {
        QmlCppBridge bridge;
        const QString file = path(u"foreign.pvsav"_s);
        QVERIFY(bridge.save(file, {{u"subject"_s, u"x"_s}}, {}, {}, u""_s));
        QByteArray bytes = readRaw(file);

        // Another version, or not a work file at all: refused with a warning.
        bytes[0] = 2;
        writeRaw(file, bytes);
        QTest::ignoreMessage(QtWarningMsg, "Invalid version or not a cyphertext.");
        QCOMPARE(loadTask(bridge, file), emptyTask());
        FileCipher cipher;
        QTest::ignoreMessage(QtWarningMsg, "Invalid version or not a cyphertext.");
        QVERIFY(cipher.decrypt(bytes).isEmpty());
        QCOMPARE(cipher.lastError(), FileCipher::ErrorUnknownVersion);

        // Decrypted fine, but not a JSON object.
        for (const QByteArray &text : {QByteArray("[1,2]"), QByteArray("not json")}) {
            writeRaw(file, FileCipher().encrypt(text));
            QCOMPARE(loadTask(bridge, file), emptyTask());
        }

        // Integrity field cut short: flags claim a checksum or digest that is not all there.
        FileCipher bare;
        bare.setProtectionMode(FileCipher::ProtectionNone);
        bare.setCompressionMode(FileCipher::CompressionNever);
        QByteArray shortChecksum = bare.encrypt("x");
        shortChecksum[1] = 2;
        QVERIFY(cipher.decrypt(shortChecksum).isEmpty());
        QCOMPARE(cipher.lastError(), FileCipher::ErrorIntegrityFailed);
        QByteArray shortHash = bare.encrypt(QByteArray(19, 'x'));
        shortHash[1] = 4;
        QVERIFY(cipher.decrypt(shortHash).isEmpty());
        QCOMPARE(cipher.lastError(), FileCipher::ErrorIntegrityFailed);
    }

    // Too short to be a work file: no warning at all, empty values.
    void tinyFilesAreSilent()
    {
        QTest::failOnWarning(QRegularExpression(u".*"_s));
        QmlCppBridge bridge;
        const QString file = path(u"tiny.pvsav"_s);
        for (const QByteArray &bytes : {QByteArray("\x03\x02", 2), QByteArray()}) {
            writeRaw(file, bytes);
            QCOMPARE(loadTask(bridge, file), emptyTask());
        }
    }

    void missingFileGivesNoKeys()
    {
        QTest::ignoreMessage(QtWarningMsg, "Couldn't open save file.");
        QCOMPARE(QmlCppBridge().load(path(u"absent.pvsav"_s)), QJsonObject());
    }

    void noKeySet()
    {
        FileCipher cipher;
        cipher.clearKey();
        QTest::ignoreMessage(QtWarningMsg, "No key set.");
        QVERIFY(cipher.encrypt("x").isEmpty());
        QCOMPARE(cipher.lastError(), FileCipher::ErrorNoKeySet);
        QTest::ignoreMessage(QtWarningMsg, "No key set.");
        QVERIFY(cipher.decrypt(FileCipher().encrypt("x")).isEmpty());
        QCOMPARE(cipher.lastError(), FileCipher::ErrorNoKeySet);
    }

    // A save that fails says so and leaves the file it would replace as it
    // was. Both failures hold for root too: a folder that is a regular file,
    // and a write refused by the file size limit.
    // A work file written by someone else: whatever it names, nothing the
    // user keeps private comes back as something to send, and each refused
    // file is named with its reason. A bomb is refused before it unpacks.
    void hostileWorkFileIsContained()
    {
        const QByteArray home = qgetenv("HOME");
        const QString fakeHome = path(u"home"_s);
        QVERIFY(QDir().mkpath(fakeHome + u"/.ssh"_s));
        QVERIFY(QDir().mkpath(fakeHome + u"/mail"_s));
        qputenv("HOME", fakeHome.toLocal8Bit());
        const QString key = fakeHome + u"/.ssh/id_rsa"_s;
        const QString rc = fakeHome + u"/.bashrc"_s;
        const QString offer = fakeHome + u"/mail/offer.pdf"_s;
        const QString linked = fakeHome + u"/mail/innocent.pdf"_s;
        const QString store = path(u"store"_s);
        const QString accounts = store + u"/userData/comptes.json"_s;
        QVERIFY(QDir().mkpath(store + u"/userData"_s));
        FileTrust::addProgramFolder(store);
        for (const QString &file : {key, rc, offer, accounts})
            writeRaw(file, "secret");
        QVERIFY(QFile::link(key, linked));
        const QString fifo = path(u"pipe"_s);
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);

        QmlCppBridge bridge;
        const QString file = path(u"hostile.pvsav"_s);
        const QStringList named{u"/etc/passwd"_s,
                                u"/proc/self/environ"_s,
                                key,
                                rc,
                                linked,
                                accounts,
                                fifo,
                                fakeHome + u"/mail"_s,
                                offer};
        QVERIFY(bridge.save(file, {{u"recipient"_s, u"attacker@example.org"_s}}, {}, named,
                            u"/etc/passwd"_s));
        const QJsonObject task = bridge.load(file);
        qputenv("HOME", home);

        QCOMPARE(task.value(u"attachments"_s).toArray(), QJsonArray{offer});
        QCOMPARE(task.value(u"html"_s).toString(), QString());
        QMap<QString, int> reasons;
        for (const QJsonValue &entry : task.value(u"refused"_s).toArray())
            reasons.insert(entry[u"path"_s].toString(), entry[u"reason"_s].toInt());
        const QMap<QString, int> expected{{u"/etc/passwd"_s, FileTrust::SystemFolder},
                                          {u"/proc/self/environ"_s, FileTrust::SystemFolder},
                                          {key, FileTrust::HiddenFolder},
                                          {rc, FileTrust::HiddenFolder},
                                          {linked, FileTrust::HiddenFolder},
                                          {accounts, FileTrust::ProgramFolder},
                                          {fifo, FileTrust::NotRegular},
                                          {fakeHome + u"/mail"_s, FileTrust::NotRegular}};
        QCOMPARE(reasons, expected);

        // 20 MiB of zeros pack into a few kilobytes: refused unread.
        FileCipher cipher;
        const QByteArray bomb = cipher.encrypt(QByteArray(20 * 1024 * 1024, ' '));
        QVERIFY(bomb.size() < 100 * 1024);
        writeRaw(file, bomb);
        QCOMPARE(bridge.load(file).value(u"error"_s).toString(), u"tooLarge"_s);
        QVERIFY(FileCipher().decrypt(bomb).isEmpty());
        FileCipher reader;
        reader.decrypt(bomb);
        QCOMPARE(reader.lastError(), FileCipher::ErrorTooLarge);
        // A body over its bound, even in a small file, is no task either.
        QVERIFY(bridge.save(file,
                            {{u"emailContent"_s, QString(QmlCppBridge::maxTaskText + 1, u'a')}}, {},
                            {}, QString()));
        QCOMPARE(bridge.load(file).value(u"error"_s).toString(), u"tooLarge"_s);
    }

    void failedSaveKeepsTheOldFile()
    {
        QmlCppBridge bridge;
        const QString notAFolder = path(u"plain.txt"_s);
        writeRaw(notAFolder, "text");
        QTest::ignoreMessage(QtWarningMsg, "Couldn't open save file.");
        QVERIFY(!bridge.save(notAFolder + u"/task.pvsav"_s, {}, {}, {}, u""_s));

        QDir folder(path(u"limited"_s));
        QVERIFY(folder.mkpath(u"."_s));
        const QString file = folder.filePath(u"task.pvsav"_s);
        QVERIFY(bridge.save(file, {{u"subject"_s, u"old"_s}}, {}, {}, u""_s));
        const QByteArray old = readRaw(file);

        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        rlimit limited = saved;
        limited.rlim_cur = 16;
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
        const bool saved16 = bridge.save(file, longTask().value(u"email"_s).toObject(), {}, {},
                                         u""_s);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &saved), 0);
        std::signal(SIGXFSZ, previousHandler);

        QVERIFY(!saved16);
        QCOMPARE(readRaw(file), old);
        QCOMPARE(folder.entryList(QDir::Files | QDir::Hidden), QStringList{u"task.pvsav"_s});

        // Without the limit the same save replaces the file.
        QVERIFY(bridge.save(file, {{u"subject"_s, u"new"_s}}, {}, {}, u""_s));
        QCOMPARE(bridge.load(file).value(u"email"_s).toObject().value(u"subject"_s), u"new"_s);

        // The text files of vCard exports are written the same way.
        const QString cards = folder.filePath(u"cards.vcf"_s);
        QVERIFY(bridge.writeTextFile(QUrl::fromLocalFile(cards), u"BEGIN:VCARD\nEND:VCARD"_s));
        const QByteArray oldCards = readRaw(cards);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
        std::signal(SIGXFSZ, SIG_IGN);
        const bool written = bridge.writeTextFile(QUrl::fromLocalFile(cards), QString(200, u'x'));
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &saved), 0);
        std::signal(SIGXFSZ, previousHandler);
        QVERIFY(!written);
        QCOMPARE(readRaw(cards), oldCards);
    }
};

QTEST_GUILESS_MAIN(TestFileCipher)
#include "tst_filecipher.moc"
