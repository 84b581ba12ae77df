#include "store/StoreFiles.h"

#include "store/SettingsStore.h"

#include <QFile>
#include <QFileDevice>
#include <QJsonDocument>
#include <QJsonObject>

#include <array>
#include <cstring>

#if defined(Q_OS_WIN)
#include <io.h>
#elif defined(Q_OS_UNIX)
#include <unistd.h>
#endif

using namespace Qt::Literals::StringLiterals;

namespace {

quint32 crc32(QByteArrayView bytes, quint32 crc = 0)
{
    static const auto table = [] {
        std::array<quint32, 256> t{};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    crc = ~crc;
    for (const char b : bytes)
        crc = table[(crc ^ quint8(b)) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

quint32 lineChecksum(QByteArrayView seq, QByteArrayView payload)
{
    return crc32(payload, crc32(seq));
}

struct Line
{
    qint64 seq = 0;
    QByteArrayView payload;
    qint64 end = 0; // offset just after the line's newline
};

// The sound lines of a log, in order, up to the first that is not.
QList<Line> parseLog(const QByteArray &bytes)
{
    QList<Line> lines;
    qint64 at = 0;
    qint64 previous = 0;
    while (at < bytes.size()) {
        const qint64 newline = bytes.indexOf('\n', at);
        if (newline < 0)
            break;
        const QByteArrayView line(bytes.constData() + at, newline - at);
        const qsizetype first = line.indexOf(' ');
        const qsizetype second = first < 0 ? -1 : line.sliced(first + 1).indexOf(' ');
        if (first <= 0 || second != 8)
            break;
        const QByteArrayView seqText = line.first(first);
        bool seqOk = false;
        bool crcOk = false;
        const qint64 seq = seqText.toLongLong(&seqOk);
        const quint32 crc = line.sliced(first + 1, 8).toUInt(&crcOk, 16);
        const QByteArrayView payload = line.sliced(first + 10);
        if (!seqOk || !crcOk || seq <= previous || crc != lineChecksum(seqText, payload))
            break;
        lines.append(Line{seq, payload, newline + 1});
        previous = seq;
        at = newline + 1;
    }
    return lines;
}

// Replaces deleteCount elements from start with the elements.
bool splice(QJsonArray &array, qsizetype start, qsizetype deleteCount, const QJsonArray &elements)
{
    if (start < 0 || deleteCount < 0 || start > array.size() || deleteCount > array.size() - start)
        return false;
    // A few elements are moved in place; more are copied once into a new
    // list, so an import of thousands costs one pass, not one per element.
    if (deleteCount + elements.size() <= 32) {
        for (qsizetype i = 0; i < deleteCount; ++i)
            array.removeAt(start);
        for (qsizetype i = 0; i < elements.size(); ++i)
            array.insert(start + i, elements.at(i));
        return true;
    }
    QJsonArray result;
    for (qsizetype i = 0; i < start; ++i)
        result.append(array.at(i));
    for (const QJsonValue &element : elements)
        result.append(element);
    for (qsizetype i = start + deleteCount; i < array.size(); ++i)
        result.append(array.at(i));
    array = std::move(result);
    return true;
}

// Applies one log line's payload.
bool applyPayload(QJsonArray &array, QByteArrayView payload)
{
    const QJsonDocument document = QJsonDocument::fromJson(payload.toByteArray());
    if (!document.isObject())
        return false;
    const QJsonValue splices = document.object().value(u"splice"_s);
    if (!splices.isArray())
        return false;
    for (const QJsonValue &entry : splices.toArray()) {
        const QJsonArray parts = entry.toArray();
        if (parts.size() != 3 || !parts.at(0).isDouble() || !parts.at(1).isDouble()
            || !parts.at(2).isArray())
            return false;
        if (!splice(array, parts.at(0).toInteger(-1), parts.at(1).toInteger(-1),
                    parts.at(2).toArray()))
            return false;
    }
    return true;
}

QByteArray readAll(const QString &path, qint64 *size = nullptr)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (size)
            *size = 0;
        return {};
    }
    QByteArray bytes = file.readAll();
    if (size)
        *size = bytes.size();
    return bytes;
}

// The change number a key file holds, read from its first bytes: it is
// written first so that a long list need not be parsed for it.
qint64 peekSeq(const QString &path, qint64 *size)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *size = 0;
        return 0;
    }
    *size = file.size();
    const QByteArray head = file.read(32);
    constexpr QByteArrayView prefix = "{\"seq\":";
    if (!head.startsWith(prefix))
        return 0;
    const qsizetype comma = head.indexOf(',', prefix.size());
    if (comma < 0)
        return 0;
    return QByteArrayView(head).sliced(prefix.size(), comma - prefix.size()).toLongLong();
}

} // namespace

namespace StoreFiles {

QString keyFile(const QString &storePath, const QString &group, const QString &key)
{
    return storePath + u'/' + group + u'/' + key + u".json"_s;
}

QString logFile(const QString &storePath, const QString &group, const QString &key)
{
    return storePath + u'/' + group + u'/' + key + u".log"_s;
}

Loaded scan(const QString &storePath, const QString &group, const QString &key)
{
    Loaded loaded;
    loaded.seq = peekSeq(keyFile(storePath, group, key), &loaded.keySize);
    const QByteArray log = readAll(logFile(storePath, group, key), &loaded.logSize);
    const QList<Line> lines = parseLog(log);
    loaded.lastSeq = lines.isEmpty() ? loaded.seq : qMax(loaded.seq, lines.last().seq);
    loaded.logEnd = lines.isEmpty() ? 0 : lines.last().end;
    loaded.logLines = lines.size();
    return loaded;
}

Loaded load(const QString &storePath, const QString &group, const QString &key)
{
    Loaded loaded;
    QList<Line> lines;
    QByteArray log;
    // The log's lines follow the key file's change number without a gap. A
    // gap means the two were read on either side of a compaction put in
    // place by the store that writes them: read both again.
    for (int attempt = 0; attempt < 5; ++attempt) {
        loaded = Loaded();
        const QByteArray bytes = readAll(keyFile(storePath, group, key), &loaded.keySize);
        const QJsonDocument document = QJsonDocument::fromJson(bytes);
        // A file edited by hand into something else reads as no value.
        if (document.isObject()) {
            const QJsonObject object = document.object();
            loaded.value = object.value(u"value"_s);
            loaded.seq = object.value(u"seq"_s).toInteger(0);
        }
        log = readAll(logFile(storePath, group, key), &loaded.logSize);
        lines = parseLog(log);
        if (lines.isEmpty() || lines.first().seq <= loaded.seq + 1)
            break;
    }
    loaded.lastSeq = lines.isEmpty() ? loaded.seq : qMax(loaded.seq, lines.last().seq);
    loaded.logEnd = lines.isEmpty() ? 0 : lines.last().end;
    loaded.logLines = lines.size();
    QJsonArray array;
    bool changed = false;
    for (const Line &line : lines) {
        // Changes the key file already holds (it was replaced, the log not yet).
        if (line.seq <= loaded.seq)
            continue;
        if (!changed) {
            if (!loaded.value.isArray()) {
                loaded.inconsistent = true;
                break;
            }
            array = loaded.value.toArray();
            changed = true;
        }
        if (!applyPayload(array, line.payload)) {
            loaded.inconsistent = true;
            break;
        }
        loaded.seq = line.seq;
    }
    if (changed)
        loaded.value = array;
    return loaded;
}

QByteArray logLine(qint64 seq, const QList<StoreSplice> &splices)
{
    QByteArray payload = "{\"splice\":[";
    for (qsizetype i = 0; i < splices.size(); ++i) {
        const StoreSplice &s = splices.at(i);
        if (i > 0)
            payload += ',';
        payload += '[' + QByteArray::number(s.start) + ',' + QByteArray::number(s.deleteCount)
                   + ",[";
        for (qsizetype k = 0; k < s.elements.size(); ++k) {
            if (k > 0)
                payload += ',';
            payload += s.elements.at(k);
        }
        payload += "]]";
    }
    payload += "]}";
    const QByteArray seqText = QByteArray::number(seq);
    return seqText + ' '
           + QByteArray::number(lineChecksum(seqText, payload), 16).rightJustified(8, '0') + ' '
           + payload + '\n';
}

bool applySplices(QJsonArray &array, const QList<StoreSplice> &splices)
{
    for (const StoreSplice &s : splices) {
        QByteArray text = "[";
        for (qsizetype k = 0; k < s.elements.size(); ++k) {
            if (k > 0)
                text += ',';
            text += s.elements.at(k);
        }
        text += ']';
        if (!splice(array, s.start, s.deleteCount, QJsonDocument::fromJson(text).array()))
            return false;
    }
    return true;
}

QByteArray keyText(const QJsonValue &value, qint64 seq)
{
    // Keys sort, so "seq" comes first, where a writer finds it without
    // parsing the rest.
    QJsonObject object{{u"value"_s, value}};
    if (seq > 0)
        object.insert(u"seq"_s, seq);
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

bool syncToDisk(QFileDevice &file)
{
    if (!file.flush())
        return false;
#if defined(Q_OS_WIN)
    return ::_commit(file.handle()) == 0;
#elif defined(Q_OS_DARWIN)
    return ::fsync(file.handle()) == 0;
#elif defined(Q_OS_UNIX)
    return ::fdatasync(file.handle()) == 0;
#else
    return true;
#endif
}

QString writeError(const QFileDevice &file, int code)
{
    const QString text = file.errorString();
    if (code != 0 && (text.isEmpty() || text == "Unknown error"_L1))
        return QString::fromLocal8Bit(std::strerror(code));
    return text;
}

} // namespace StoreFiles
