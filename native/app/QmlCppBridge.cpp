#include "app/QmlCppBridge.h"

#include "app/MyProcess.h"
#include "app/OnlineCheck.h"
#include "contacts/VCardReader.h"
#include "files/FileCipher.h"
#include "files/FileTrust.h"
#include "files/TextFile.h"
#include "mail/HtmlEmbedding.h"
#include "mail/HtmlText.h"
#include "mail/OutgoingMail.h"
#include "qr/MyQrImageProvider.h"
#include "qr/QrCodeGenerator.h"
#include <QCryptographicHash>
#include <QJsonArray>

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSaveFile>
#include <QTimer>

#include <qrcodegen.hpp>

using namespace Qt::Literals::StringLiterals;

QmlCppBridge::QmlCppBridge(QObject *parent) : QObject(parent) {}

namespace {
// The local file a dialog's answer names. Qt 6.4's own file dialog answers a
// typed file name with an absolute path that has no "file" scheme; that is
// the same file. A relative name is refused rather than resolved against
// the working directory.
QString localPath(const QUrl &url)
{
    if (url.isLocalFile())
        return url.toLocalFile();
    if (url.scheme().isEmpty() && url.host().isEmpty() && QDir::isAbsolutePath(url.path()))
        return url.path();
    return {};
}

QJsonArray nonEmpty(const QStringList &entries)
{
    QJsonArray array;
    for (const QString &entry : entries) {
        if (!entry.isEmpty())
            array.append(entry);
    }
    return array;
}

} // namespace

QJsonObject QmlCppBridge::cmdExcute(const QString &processName, const QStringList &args)
{
    MyProcess process;
    QEventLoop loop;
    // A program that cannot be started never emits finished(): end the wait
    // on that error too, with the error string as the result.
    bool failedToStart = false;
    connect(&process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            failedToStart = true;
            process.readErrorOutput();
            loop.quit();
        }
    });

    process.setOutputCap(m_commandMaxOutput);
    process.setProgram(processName);
    process.setArguments(args);
    process.start(QIODevice::ReadWrite);
    connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    // A program that never ends would hold the caller for ever.
    bool timedOut = false;
    QTimer deadline;
    deadline.setSingleShot(true);
    connect(&deadline, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        process.kill();
        loop.quit();
    });
    if (!failedToStart && process.state() != QProcess::NotRunning) {
        process.write("ls");
        process.closeWriteChannel();
        deadline.start(m_commandTimeoutMs);
        loop.exec();
    } else if (!failedToStart) {
        process.readErrorOutput();
    }
    if (timedOut) {
        process.waitForFinished(2000);
        process.markTimedOut(m_commandTimeoutMs);
    }
    return process.result();
}

bool QmlCppBridge::pause(int time)
{
    QEventLoop loop;
    // A negative time would never fire: it counts as no wait at all.
    QTimer::singleShot(qMax(0, time), &loop, &QEventLoop::quit);
    loop.exec();
    return true;
}

QJsonObject QmlCppBridge::sendEmail(const QString &host, int port, const QString &connection,
                                    const QString &username, const QString &password,
                                    const QString &senderName, const QJsonObject &mTo,
                                    const QString &subject, const QString &content,
                                    const QString &html, const QStringList &contentLocalUrls,
                                    const QStringList &attachments, const QString &mMessageId,
                                    const QVariantMap &failureTexts, const QString &accessToken)
{
    Q_UNUSED(mMessageId)
    OutgoingMail job;
    job.host = host;
    job.port = Outgoing::portFrom(port);
    job.connection = connection;
    job.username = username;
    job.password = password;
    job.accessToken = accessToken;
    job.senderName = senderName;
    job.to = mTo;
    job.subject = subject;
    job.content = content;
    job.html = html;
    job.contentLocalUrls = contentLocalUrls;
    job.attachments = attachments;
    return Outgoing::send(job, MailLimits(), failureTexts);
}

bool QmlCppBridge::isOnline()
{
    OnlineCheck check;
    QEventLoop loop;
    connect(&check, &OnlineCheck::finished, &loop, &QEventLoop::quit);
    check.start();
    if (!check.isFinished())
        loop.exec();
    return check.isOnline();
}

void QmlCppBridge::textToFile(const QUrl &url, const QString &text)
{
    TextFile::append(localPath(url), text);
}

QString QmlCppBridge::textFromFile(const QUrl &url)
{
    return HtmlText::readMessageFile(localPath(url));
}

bool QmlCppBridge::save(const QString &path, const QJsonObject &email, const QStringList &qlists,
                        const QStringList &qUrlAttachments, const QString &html)
{
    const QJsonObject task{{u"email"_s, email},
                           {u"lists"_s, nonEmpty(qlists)},
                           {u"attachments"_s, nonEmpty(qUrlAttachments)},
                           {u"html"_s, html}};
    const QByteArray bytes = FileCipher().encrypt(
            QJsonDocument(task).toJson(QJsonDocument::Indented));
    // Written beside the old file and moved over it at the end: a save that
    // fails half-way leaves the previous work file as it was.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        qWarning("Couldn't open save file.");
        return false;
    }
    // commit() misses a failure of the final flush of buffered data (Qt 6.4),
    // so the flush is checked on its own first.
    return file.write(bytes) == bytes.size() && file.flush() && file.commit();
}

QJsonObject QmlCppBridge::load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("Couldn't open save file.");
        return {};
    }
    const auto tooLarge = [] {
        return QJsonObject{{u"email"_s, QJsonObject()},      {u"lists"_s, QJsonArray()},
                           {u"attachments"_s, QJsonArray()}, {u"html"_s, QString()},
                           {u"digest"_s, QString()},         {u"error"_s, u"tooLarge"_s}};
    };
    // No work file holds more than its payload's bound and a few bytes.
    if (file.size() > FileCipher::maxPayload + 64)
        return tooLarge();
    const QByteArray bytes = file.readAll();
    FileCipher cipher;
    const QByteArray plain = cipher.decrypt(bytes);
    if (cipher.lastError() == FileCipher::ErrorTooLarge)
        return tooLarge();
    // A damaged or foreign file decrypts to nothing, which parses to no object.
    const QJsonObject stored = QJsonDocument::fromJson(plain).object();
    const QJsonObject email = stored.value(u"email"_s).toObject();
    for (auto it = email.begin(); it != email.end(); ++it) {
        if (it.value().toString().size() > maxTaskText)
            return tooLarge();
    }

    // Files that exist but that no message may carry are named, not dropped
    // unseen: the user must know what the file asked for.
    QJsonArray refused;
    const auto accepted = [&refused](const QJsonValue &value) {
        const QString path = value.toString();
        // Moved or deleted since: left out, as ever.
        if (path.isEmpty() || !QDir::isAbsolutePath(path) || !QFileInfo::exists(path))
            return false;
        const FileTrust::Refusal refusal = FileTrust::refusal(path);
        if (refusal == FileTrust::Accepted)
            return true;
        refused.append(QJsonObject{{u"path"_s, path}, {u"reason"_s, int(refusal)}});
        return false;
    };
    QJsonArray attachments;
    for (const QJsonValue &attachment : stored.value(u"attachments"_s).toArray()) {
        if (accepted(attachment))
            attachments.append(attachment);
    }
    const QJsonValue html = stored.value(u"html"_s);
    const bool htmlAccepted = accepted(html);
    QJsonObject task{{u"email"_s, email},
                     {u"lists"_s, stored.value(u"lists"_s).toArray()},
                     {u"attachments"_s, attachments},
                     {u"html"_s, htmlAccepted ? html.toString() : QString()},
                     {u"digest"_s,
                      QString::fromLatin1(
                              QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex())}};
    if (!refused.isEmpty())
        task.insert(u"refused"_s, refused);
    return task;
}

int QmlCppBridge::fileRefusal(const QString &path)
{
    return FileTrust::refusal(path);
}

bool QmlCppBridge::writeTextFile(const QUrl &url, const QString &text)
{
    // Written beside the file and moved over it at the end, so a failed write
    // never leaves half of the new cards in place of the old ones.
    const QString path = localPath(url);
    if (path.isEmpty())
        return false;
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    // A failed final flush is checked on its own: commit() misses it (Qt 6.4)
    // and would put a cut-short file in place of the old one.
    return file.write(text.toUtf8() + '\n') != -1 && file.flush() && file.commit();
}

bool QmlCppBridge::fileExists(const QUrl &url)
{
    const QString path = localPath(url);
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

int QmlCppBridge::qrCodeModules(const QString &text)
{
    const std::optional<qrcodegen::QrCode> qr = QrCodeGenerator().encode(text);
    return qr ? MyQrImageProvider::sideModules(qr->getSize()) : 0;
}

QJsonArray QmlCppBridge::unembeddedReferences(const QString &path)
{
    return HtmlEmbedding::unembedded(path);
}

void QmlCppBridge::setCommandLimits(int timeoutMs, qint64 maxOutputBytes)
{
    m_commandTimeoutMs = timeoutMs;
    m_commandMaxOutput = maxOutputBytes;
}

QVariantList QmlCppBridge::parseVCard(const QString &text)
{
    return VCardReader::parse(text);
}
