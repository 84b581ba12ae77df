#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QObject>
#include <QStringList>
#include <QUrl>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

// The one object (a singleton of the engine) through which the interface
// reaches files, the network, child processes and mail delivery. It keeps no
// state between calls; the methods that wait run a local event loop so the
// interface stays live.
class QmlCppBridge : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
public:
    explicit QmlCppBridge(QObject *parent = nullptr);

    Q_INVOKABLE QJsonObject cmdExcute(const QString &processName, const QStringList &args);
    Q_INVOKABLE bool pause(int time);
    Q_INVOKABLE QJsonObject sendEmail(const QString &host, int port, const QString &connection,
                                      const QString &username, const QString &password,
                                      const QString &senderName, const QJsonObject &mTo,
                                      const QString &subject, const QString &content,
                                      const QString &html, const QStringList &contentLocalUrls,
                                      const QStringList &attachments, const QString &mMessageId,
                                      const QVariantMap &failureTexts = {},
                                      const QString &accessToken = {});
    Q_INVOKABLE bool isOnline();
    Q_INVOKABLE void textToFile(const QUrl &url, const QString &text);
    Q_INVOKABLE QString textFromFile(const QUrl &url);
    // Writes the task (the e-mail fields, the non-empty list names and
    // attachment paths, the HTML path) as an encrypted work file. The old
    // file is replaced only once the new one is wholly written; false when
    // the file could not be opened, written or put in place.
    Q_INVOKABLE bool save(const QString &path, const QJsonObject &email, const QStringList &qlists,
                          const QStringList &qUrlAttachments, const QString &html);
    // The task of a work file, always with the keys "email", "lists",
    // "attachments" and "html" (empty values for a damaged or foreign file),
    // attachments and HTML reduced to files that exist and that a message
    // may carry; "refused" lists the others when there are ({path, reason}:
    // a FileTrust::Refusal), "digest" is the SHA-256 of the file's bytes, and
    // "error" is "tooLarge" for a file over the bounds. An object without
    // keys when the file cannot be opened.
    Q_INVOKABLE QJsonObject load(const QString &path);
    // Why the file may not be attached or sent as the HTML body (a
    // FileTrust::Refusal), 0 when it may.
    Q_INVOKABLE int fileRefusal(const QString &path);
    // Longest text of a work file's message fields (the body among them).
    static constexpr qsizetype maxTaskText = 1024 * 1024;
    // Makes the text (UTF-8, one line end after it, as textToFile writes) the
    // file's whole content, replacing what an existing file held. False when
    // the file could not be written; the old content is then left as it was.
    Q_INVOKABLE bool writeTextFile(const QUrl &url, const QString &text);
    // Whether a save to the file a dialog chose would replace something: a
    // file, a folder or a link (even one that points nowhere) of that name.
    Q_INVOKABLE bool fileExists(const QUrl &url);
    // Modules across the QR code image of the text (border included), so a
    // view can ask for whole pixels a module; 0 when the text does not fit.
    Q_INVOKABLE int qrCodeModules(const QString &text);
    // The contact records (the eight text fields) of every card in the text,
    // in the order in which the cards end. The one vCard reader of the
    // program: the file import reads with it too.
    Q_INVOKABLE QVariantList parseVCard(const QString &text);

    // The local references of the HTML file that a message will not embed,
    // and why: [{"reference": text, "reason": "outside" | "missing" |
    // "notImage" | "styleSheetNotText" | "badData"}], each reference once.
    Q_INVOKABLE QJsonArray unembeddedReferences(const QString &path);

    // Bounds of cmdExcute: a program still running after timeoutMs is
    // stopped, and at most maxOutputBytes of each output stream are kept.
    void setCommandLimits(int timeoutMs, qint64 maxOutputBytes);

private:
    int m_commandTimeoutMs = 60 * 1000;
    qint64 m_commandMaxOutput = 1024 * 1024;
};
