#include "files/FileCipher.h"

#include <zlib.h>

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

namespace {

// qUncompress() of at most `length` bytes: the zlib stream after the 4-byte
// length header, unpacked into a buffer that never grows past it. Corrupt
// data gives nothing, as qUncompress() does.
QByteArray boundedUncompress(const QByteArray &data, quint32 length, bool *tooLarge)
{
    QByteArray out(qsizetype(length), Qt::Uninitialized);
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK)
        return {};
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.constData() + 4));
    stream.avail_in = uInt(data.size() - 4);
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = uInt(out.size());
    int status = inflate(&stream, Z_FINISH);
    if (status == Z_BUF_ERROR && stream.avail_out == 0) {
        // Room is used up: more data means a longer payload than stated.
        char probe;
        stream.next_out = reinterpret_cast<Bytef *>(&probe);
        stream.avail_out = 1;
        status = inflate(&stream, Z_FINISH);
        if (stream.avail_out == 0)
            *tooLarge = true;
    }
    const uLong written = stream.total_out;
    inflateEnd(&stream);
    if (*tooLarge || status != Z_STREAM_END)
        return {};
    out.truncate(qsizetype(written));
    return out;
}

} // namespace

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

    if (flags & FlagCompressed) {
        // qCompress puts the unpacked length first, big-endian.
        if (body.size() < 4)
            return {};
        const quint32 length = qFromBigEndian<quint32>(body.constData());
        if (length > quint32(maxPayload)) {
            m_lastError = ErrorTooLarge;
            return {};
        }
        // The stated length is only what the file claims: unpack no further.
        bool tooLarge = false;
        body = boundedUncompress(body, length, &tooLarge);
        if (tooLarge) {
            m_lastError = ErrorTooLarge;
            return {};
        }
    } else if (body.size() > maxPayload) {
        m_lastError = ErrorTooLarge;
        return {};
    }
    m_lastError = ErrorNone;
    return body;
}
