#pragma once

#include <QByteArray>

#include <functional>

// The codec of work files: a symmetric scrambling with a fixed 64-bit key,
// optional compression and an integrity check. Layout: version byte 3, flags
// byte, then the scrambled body (salt byte, checksum or digest, payload). Each
// scrambled byte feeds the next, so the random salt changes the whole body.
class FileCipher
{
public:
    enum CompressionMode { CompressionAuto = 0, CompressionAlways = 1, CompressionNever = 2 };
    enum ProtectionMode { ProtectionNone = 0, ProtectionChecksum = 1, ProtectionHash = 2 };
    enum Error {
        ErrorNone = 0,
        ErrorNoKeySet = 1,
        ErrorUnknownVersion = 2,
        ErrorIntegrityFailed = 3,
        // The payload would be larger than maxPayload: refused unread.
        ErrorTooLarge = 4
    };

    // Largest payload decrypt() gives back. A few kilobytes of a work file
    // could otherwise unpack to gigabytes.
    static constexpr qsizetype maxPayload = 16 * 1024 * 1024;

    // Files are only readable by a program built with the same key.
    static constexpr quint64 programKey = 0x3a7c5e91d0b46f28ULL;

    // Gives the salt byte of each encrypted file. The program leaves it unset
    // (the low byte of rand()); tests pass a fixed value to check exact bytes.
    using SaltSource = std::function<quint8()>;

    // The program's key, auto compression, checksum; seeds rand() from the clock.
    explicit FileCipher(SaltSource saltSource = {});

    void setKey(quint64 key);
    void clearKey();
    void setCompressionMode(CompressionMode mode) { m_compression = mode; }
    CompressionMode compressionMode() const { return m_compression; }
    void setProtectionMode(ProtectionMode mode) { m_protection = mode; }
    ProtectionMode protectionMode() const { return m_protection; }
    Error lastError() const { return m_lastError; }

    // Plain bytes to file bytes; empty when no key is set.
    QByteArray encrypt(const QByteArray &plain);
    // File bytes to plain bytes; empty on any failure, with lastError() set
    // (a file shorter than three bytes leaves it unchanged). A compressed
    // payload is refused before it is unpacked when its stated length is
    // over maxPayload.
    QByteArray decrypt(const QByteArray &cipher);

private:
    QByteArray m_keyBytes; // byte i = key >> (8 * i), least significant first
    CompressionMode m_compression = CompressionAuto;
    ProtectionMode m_protection = ProtectionChecksum;
    Error m_lastError = ErrorNone;
    SaltSource m_saltSource;
};
