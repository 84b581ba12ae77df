#pragma once

#include <QByteArray>
#include <QList>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QtQml/qqmlregistration.h>

#include <functional>

class SecretStore;
class SuppressionList;

// The sender's mailbox on the web service, where the one-click unsubscribes
// of its messages wait: registered once (its identifier and secret kept in
// the keychain), it seals the unsubscribe address of every message, and
// sync() brings the unsubscribes home to the suppression list. While
// `watching` (a run under way), it syncs every `interval` milliseconds.
class UnsubscribeMailbox : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(SecretStore *secrets READ secrets WRITE setSecrets NOTIFY secretsChanged)
    Q_PROPERTY(SuppressionList *suppression READ suppression WRITE setSuppression NOTIFY
                       suppressionChanged)
    // The service, ending in "/"; the program's own unless a test says otherwise.
    Q_PROPERTY(QString baseUrl READ baseUrl WRITE setBaseUrl NOTIFY baseUrlChanged)
    // The tokens the program and its service prove themselves with.
    Q_PROPERTY(QString requestToken MEMBER m_requestToken)
    Q_PROPERTY(QString responseToken MEMBER m_responseToken)
    // A mailbox is known: messages can carry the one-click address.
    Q_PROPERTY(bool registered READ registered NOTIFY registeredChanged)
    Q_PROPERTY(bool busy READ busy NOTIFY busyChanged)
    // Why the last sync failed; "" once one succeeds.
    Q_PROPERTY(QString error READ error NOTIFY errorChanged)
    Q_PROPERTY(bool watching READ watching WRITE setWatching NOTIFY watchingChanged)
    Q_PROPERTY(int interval READ interval WRITE setInterval NOTIFY intervalChanged)

public:
    static constexpr const char *secretName = "unsubscribe-mailbox";

    explicit UnsubscribeMailbox(QObject *parent = nullptr);
    ~UnsubscribeMailbox() override;

    SecretStore *secrets() const;
    void setSecrets(SecretStore *secrets);
    SuppressionList *suppression() const;
    void setSuppression(SuppressionList *list);
    QString baseUrl() const { return m_baseUrl; }
    void setBaseUrl(const QString &url);
    bool registered() const { return !m_mailbox.isEmpty(); }
    bool busy() const { return m_busy; }
    QString error() const { return m_error; }
    bool watching() const { return m_watch.isActive(); }
    void setWatching(bool watching);
    int interval() const { return m_watch.interval(); }
    void setInterval(int ms);

    // Takes every unsubscribe waiting into the suppression list, registering
    // the mailbox first when there is none yet and `registering` (a run
    // that offers the one-click address). Reports by synced(), once for
    // every sync asked for while one ran.
    Q_INVOKABLE void sync(bool registering = false);
    // The one-click address of a message to `address`; "" before registration.
    QString link(const QString &address, const QString &run, const QString &language) const;

signals:
    void secretsChanged();
    void suppressionChanged();
    void baseUrlChanged();
    void registeredChanged();
    void busyChanged();
    void errorChanged();
    void watchingChanged();
    void intervalChanged();
    // A sync ended: how many addresses it listed, and why it failed ("" when it did not).
    void synced(int added, const QString &error);

private:
    void start();
    void readSecret();
    void registerMailbox();
    void use(const QByteArray &mailbox, const QByteArray &secret);
    void forget();
    // Takes the waiting events, acknowledging those of the last answer.
    void fetch(const QList<qint64> &acknowledged);
    // done(status, whether the answer is our service's, body)
    void post(const QString &name, const QByteArray &body,
              const std::function<void(int, bool, const QByteArray &)> &done);
    QString secretKey() const;
    // The services this program registered a mailbox with (no secret in it),
    // so that a secret the keychain cannot give now is not taken for none.
    static QString markerPath();
    bool registeredBefore() const;
    void rememberRegistration() const;
    void finish(const QString &error);
    void setBusy(bool busy);

    QPointer<SecretStore> m_secrets;
    QPointer<SuppressionList> m_suppression;
    QString m_baseUrl;
    QString m_requestToken;
    QString m_responseToken;
    QByteArray m_mailbox; // 16 bytes
    QByteArray m_sealKey;
    QByteArray m_proof;
    bool m_busy = false;
    bool m_again = false; // a sync asked for while one runs
    bool m_registering = false;
    int m_added = 0;
    int m_rounds = 0; // event pages taken in this sync
    QString m_error;
    QTimer m_watch;
    QNetworkAccessManager m_network;
};
