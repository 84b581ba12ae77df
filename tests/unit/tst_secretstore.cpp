#include "secrets/SecretStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

// Run twice: with a real GNOME Keyring in a D-Bus session of its own
// (PARVANE_TEST_KEYCHAIN=1) and with no session bus at all, where the
// secrets must go to an owner-only file and say so.
class TestSecretStore : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    const bool m_keychain = qEnvironmentVariableIntValue("PARVANE_TEST_KEYCHAIN") == 1;

    QString fallback() const { return m_dir.filePath(u"private/secrets.json"_s); }

    void configure(SecretStore &store) const
    {
        store.setService(u"Parvane test"_s);
        store.setFallbackFile(fallback());
        store.setTimeLimit(5000);
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    // A password kept by one store is read back by the next, as after a
    // restart; removing it forgets it in both places.
    void keptReadBackAndRemoved()
    {
        {
            SecretStore store;
            configure(store);
            QSignalSpy stored(&store, &SecretStore::stored);
            store.load({u"account/a@example.org"_s});
            store.setSecret(u"account/a@example.org"_s, u"pässwörd ;\"x"_s);
            // Held in memory at once, before the keychain has answered.
            QCOMPARE(store.secret(u"account/a@example.org"_s), u"pässwörd ;\"x"_s);
            QTRY_COMPARE_WITH_TIMEOUT(stored.size(), 1, 10000);
            QCOMPARE(stored.first().at(1).toBool(), true);
            QVERIFY(store.ready());
            QCOMPARE(store.backend(), m_keychain ? SecretStore::Keychain : SecretStore::File);
        }
        if (m_keychain) {
            QVERIFY2(!QFile::exists(fallback()), "a keychain answered: nothing in the file");
        } else {
            QFileInfo file(fallback());
            QVERIFY(file.exists());
            QCOMPARE(file.permissions() & 0x0077, QFileDevice::Permissions());
            QCOMPARE(QFileInfo(file.absolutePath()).permissions() & 0x0077,
                     QFileDevice::Permissions());
        }

        SecretStore again;
        configure(again);
        QSignalSpy ready(&again, &SecretStore::readyChanged);
        again.load({u"account/a@example.org"_s, u"account/none@example.org"_s});
        QTRY_VERIFY_WITH_TIMEOUT(again.ready(), 10000);
        QCOMPARE(again.secret(u"account/a@example.org"_s), u"pässwörd ;\"x"_s);
        QCOMPARE(again.secret(u"account/none@example.org"_s), QString());

        QSignalSpy removed(&again, &SecretStore::stored);
        again.removeSecret(u"account/a@example.org"_s);
        QTRY_COMPARE_WITH_TIMEOUT(removed.size(), 1, 10000);
        QVERIFY(removed.first().at(1).toBool());
        SecretStore third;
        configure(third);
        third.load({u"account/a@example.org"_s});
        QTRY_VERIFY_WITH_TIMEOUT(third.ready(), 10000);
        QCOMPARE(third.secret(u"account/a@example.org"_s), QString());
    }

    // A secret left in the file while no keychain answered is found again,
    // and moves to the keychain at its next change.
    void fileSecretsAreFoundAndMoved()
    {
        QVERIFY(QDir().mkpath(QFileInfo(fallback()).absolutePath()));
        QFile file(fallback());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(R"({"account/old@example.org":"from the file"})");
        file.close();

        SecretStore store;
        configure(store);
        store.load({u"account/old@example.org"_s});
        QTRY_VERIFY_WITH_TIMEOUT(store.ready(), 10000);
        QCOMPARE(store.secret(u"account/old@example.org"_s), u"from the file"_s);

        QSignalSpy stored(&store, &SecretStore::stored);
        store.setSecret(u"account/old@example.org"_s, u"renewed"_s);
        QTRY_COMPARE_WITH_TIMEOUT(stored.size(), 1, 10000);
        QVERIFY(stored.first().at(1).toBool());
        QFile after(fallback());
        const QByteArray left = after.open(QIODevice::ReadOnly) ? after.readAll() : QByteArray();
        if (m_keychain)
            QVERIFY2(!left.contains("account/old@example.org"), left.constData());
        else
            QVERIFY2(left.contains("renewed"), left.constData());
    }
};

QTEST_GUILESS_MAIN(TestSecretStore)
#include "tst_secretstore.moc"
