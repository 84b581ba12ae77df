#include "FileCipher.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QtEndian>
#include <QtGlobal>

#include <cstdlib>

namespace {
constexpr char version = 3;
enum Flag : char { FlagCompressed = 1, FlagChecksum = 2, FlagHash = 4 };
constexpr qsizetype checksumSize = 2;
constexpr qsizetype hashSize = 20;

QByteArray checksumOf(const QByteArray &data)
{
    QByteArray field(checksumSize, Qt::Uninitialized);
    qToBigEndian<quint16>(qChecksum(data, Qt::ChecksumIso3309), field.data());
    return field;
}

QByteArray hashOf(const QByteArray &data)
{
    return QCryptographicHash::hash(data, QCryptographicHash::Sha1);
}
} // namespace

FileCipher::FileCipher(SaltSource saltSource) : m_saltSource(std::move(saltSource))
{
    setKey(programKey);
    // Two files saved at different moments get different salts.
    std::srand(uint(QDateTime::currentMSecsSinceEpoch() & 0xffff));
}

void FileCipher::setKey(quint64 key)
{
    m_keyBytes.resize(8);
    for (int i = 0; i < 8; ++i)
        m_keyBytes[i] = char((key >> (8 * i)) & 0xff);
}

void FileCipher::clearKey()
{
    m_keyBytes.clear();
}

QByteArray FileCipher::encrypt(const QByteArray &plain)
{
    if (m_keyBytes.isEmpty()) {
        qWarning("No key set.");
        m_lastError = ErrorNoKeySet;
        return {};
    }

    char flags = 0;
    QByteArray stored = plain;
    if (m_compression != CompressionNever) {
        // Auto keeps the compressed form only when it saves at least one byte.
        const QByteArray packed = qCompress(plain, 9);
        if (m_compression == CompressionAlways || packed.size() < plain.size()) {
            stored = packed;
            flags |= FlagCompressed;
        }
    }

    QByteArray field;
    if (m_protection == ProtectionChecksum) {
        field = checksumOf(stored);
        flags |= FlagChecksum;
    } else if (m_protection == ProtectionHash) {
        field = hashOf(stored);
        flags |= FlagHash;
    }

    const quint8 salt = m_saltSource ? m_saltSource() : quint8(std::rand() & 0xff);
    QByteArray body = char(salt) + field + stored;
    char chain = 0;
    for (qsizetype i = 0; i < body.size(); ++i) {
        body[i] = char(body[i] ^ m_keyBytes[i % 8] ^ chain);
        chain = body[i];
    }

    m_lastError = ErrorNone;
    return QByteArray(1, version) + flags + body;
}

QByteArray FileCipher::decrypt(const QByteArray &cipher)
{
    if (m_keyBytes.isEmpty()) {
        qWarning("No key set.");
        m_lastError = ErrorNoKeySet;
        return {};
    }
    if (cipher.size() < 3)
        return {};
    if (cipher.at(0) != version) {
        qWarning("Invalid version or not a cyphertext.");
        m_lastError = ErrorUnknownVersion;
        return {};
    }

    const char flags = cipher.at(1);
    QByteArray body = cipher.mid(2);
    char chain = 0;
    for (qsizetype i = 0; i < body.size(); ++i) {
        const char scrambled = body[i];
        body[i] = char(scrambled ^ m_keyBytes[i % 8] ^ chain);
        chain = scrambled;
    }
    body.remove(0, 1); // the salt

    // A checksum wins over a digest when a file claims both.
    if (flags & FlagChecksum) {
        if (body.size() < checksumSize
            || body.first(checksumSize) != checksumOf(body.mid(checksumSize))) {
            m_lastError = ErrorIntegrityFailed;
            return {};
        }
        body.remove(0, checksumSize);
    } else if (flags & FlagHash) {
        if (body.size() < hashSize || body.first(hashSize) != hashOf(body.mid(hashSize))) {
            m_lastError = ErrorIntegrityFailed;
            return {};
        }
        body.remove(0, hashSize);
    }

    if (flags & FlagCompressed)
        body = qUncompress(body);
    m_lastError = ErrorNone;
    return body;
}
