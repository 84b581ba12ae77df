#include "suppression/UnsubscribeToken.h"

#include <QCryptographicHash>
#include <QMessageAuthenticationCode>

#include <openssl/evp.h>
#include <openssl/rand.h>

#include <memory>

namespace UnsubscribeToken {

namespace {

constexpr char version = 1;
constexpr int mailboxBytes = 16;
constexpr int nonceBytes = 12;
constexpr int tagBytes = 16;
constexpr int headerBytes = 1 + mailboxBytes;
constexpr int maxTextBytes = 255;

using Context = std::unique_ptr<EVP_CIPHER_CTX, decltype(&EVP_CIPHER_CTX_free)>;

const auto base64 = QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals;

// AES-256-GCM over `data` with `aad` authenticated too; on opening, `tag`
// is checked and an empty result with ok false means it did not match.
bool crypt(bool sealing, const QByteArray &key, const QByteArray &nonce, const QByteArray &aad,
           const QByteArray &data, QByteArray *out, QByteArray *tag)
{
    if (key.size() != 32 || nonce.size() != nonceBytes)
        return false;
    Context ctx(EVP_CIPHER_CTX_new(), &EVP_CIPHER_CTX_free);
    const auto *k = reinterpret_cast<const unsigned char *>(key.constData());
    const auto *iv = reinterpret_cast<const unsigned char *>(nonce.constData());
    if (!ctx
        || EVP_CipherInit_ex(ctx.get(), EVP_aes_256_gcm(), nullptr, k, iv, sealing ? 1 : 0) != 1)
        return false;
    int length = 0;
    if (EVP_CipherUpdate(ctx.get(), nullptr, &length,
                         reinterpret_cast<const unsigned char *>(aad.constData()), int(aad.size()))
        != 1)
        return false;
    out->resize(data.size());
    if (EVP_CipherUpdate(ctx.get(), reinterpret_cast<unsigned char *>(out->data()), &length,
                         reinterpret_cast<const unsigned char *>(data.constData()), int(data.size()))
        != 1)
        return false;
    if (!sealing && EVP_CIPHER_CTX_ctrl(ctx.get(), EVP_CTRL_GCM_SET_TAG, tagBytes, tag->data()) != 1)
        return false;
    int last = 0;
    if (EVP_CipherFinal_ex(ctx.get(), reinterpret_cast<unsigned char *>(out->data()) + length, &last)
        != 1)
        return false;
    if (sealing) {
        tag->resize(tagBytes);
        if (EVP_CIPHER_CTX_ctrl(ctx.get(), EVP_CTRL_GCM_GET_TAG, tagBytes, tag->data()) != 1)
            return false;
    }
    return true;
}

QByteArray decoded(const QString &token)
{
    const auto result
            = QByteArray::fromBase64Encoding(token.toLatin1(),
                                             base64 | QByteArray::AbortOnBase64DecodingErrors);
    return result ? *result : QByteArray();
}

} // namespace

Keys keysFrom(const QByteArray &secret)
{
    return {QMessageAuthenticationCode::hash("unsubscribe token seal", secret,
                                             QCryptographicHash::Sha256),
            QMessageAuthenticationCode::hash("unsubscribe event proof", secret,
                                             QCryptographicHash::Sha256)};
}

QByteArray proofHash(const QByteArray &proof)
{
    return QCryptographicHash::hash(proof, QCryptographicHash::Sha256);
}

QByteArray randomBytes(int count)
{
    QByteArray bytes(count, '\0');
    if (RAND_bytes(reinterpret_cast<unsigned char *>(bytes.data()), count) != 1)
        qFatal("the system's random generator failed");
    return bytes;
}

QString make(const Content &content, const QByteArray &sealKey)
{
    const QByteArray run = content.run.toUtf8();
    const QByteArray address = content.address.toUtf8();
    if (content.mailbox.size() != mailboxBytes || run.size() > maxTextBytes || address.isEmpty()
        || address.size() > maxTextBytes)
        return {};
    const QByteArray header = char(version) + content.mailbox;
    const QByteArray plain = (content.language == QLatin1String("fr") ? "fr" : "en")
                             + QByteArray(1, char(run.size())) + run + address;
    const QByteArray nonce = randomBytes(nonceBytes);
    QByteArray sealed;
    QByteArray tag;
    if (!crypt(true, sealKey, nonce, header, plain, &sealed, &tag))
        return {};
    const QByteArray token = header + nonce + sealed + tag;
    return QString::fromLatin1(token.toBase64(base64));
}

QByteArray mailboxOf(const QString &token)
{
    if (token.size() > 1024)
        return {};
    const QByteArray bytes = decoded(token);
    if (bytes.size() < headerBytes + nonceBytes + 3 + 1 + tagBytes || bytes.at(0) != version)
        return {};
    return bytes.mid(1, mailboxBytes);
}

std::optional<Content> open(const QString &token, const QByteArray &sealKey)
{
    const QByteArray mailbox = mailboxOf(token);
    if (mailbox.isEmpty())
        return std::nullopt;
    const QByteArray bytes = decoded(token);
    const QByteArray header = bytes.left(headerBytes);
    const QByteArray nonce = bytes.mid(headerBytes, nonceBytes);
    const QByteArray sealed = bytes.mid(headerBytes + nonceBytes,
                                        bytes.size() - headerBytes - nonceBytes - tagBytes);
    QByteArray tag = bytes.right(tagBytes);
    QByteArray plain;
    if (!crypt(false, sealKey, nonce, header, sealed, &plain, &tag))
        return std::nullopt;
    const int runBytes = static_cast<unsigned char>(plain.at(2));
    if (plain.size() < 3 + runBytes + 1)
        return std::nullopt;
    return Content{mailbox, QString::fromUtf8(plain.mid(3 + runBytes)),
                   QString::fromUtf8(plain.mid(3, runBytes)), QString::fromLatin1(plain.left(2))};
}

} // namespace UnsubscribeToken
