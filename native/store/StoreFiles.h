#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonValue>
#include <QList>
#include <QString>

class QFileDevice;
struct StoreSplice;

// The files of one stored key: <key>.json holds the value, and <key>.log the
// changes made to it since, one line per batch, so that a change to a long
// list costs a line rather than the whole list.
//
// A log line is "<seq> <crc32> <payload>\n": seq numbers the changes of the
// key, and the key file names the last one it already holds ("seq"), so a log
// line is applied exactly once whichever of the two files was replaced last.
// A line that is torn or fails its checksum ends the log.
namespace StoreFiles {

QString keyFile(const QString &storePath, const QString &group, const QString &key);
QString logFile(const QString &storePath, const QString &group, const QString &key);

// One key as read from its files.
struct Loaded
{
    QJsonValue value = QJsonValue::Undefined;
    qint64 seq = 0;      // the last change the value holds
    qint64 lastSeq = 0;  // the highest change number found in either file
    qint64 logEnd = 0;   // bytes of the log up to its last sound line
    qint64 logSize = 0;  // bytes of the log file
    qint64 logLines = 0; // sound lines of the log
    qint64 keySize = 0;  // bytes of the key file
    // The log does not fit the value (a file edited or left by another
    // program): the value is as far as it fits, and the files want rewriting.
    bool inconsistent = false;
};

// The value: the key file, then its log replayed.
Loaded load(const QString &storePath, const QString &group, const QString &key);

// The numbers a writer needs before appending, without reading the value.
Loaded scan(const QString &storePath, const QString &group, const QString &key);

// One log line holding the splices, numbered seq.
QByteArray logLine(qint64 seq, const QList<StoreSplice> &splices);

// Applies the splices to the array; false, leaving it unspecified, when one
// does not fit.
bool applySplices(QJsonArray &array, const QList<StoreSplice> &splices);

// The key file's text for a value holding the changes up to seq.
QByteArray keyText(const QJsonValue &value, qint64 seq);

// Pushes what was written to the disk itself, so that a power cut keeps it.
bool syncToDisk(QFileDevice &file);

// Why a file could not be written: the device's own text, or the system's
// when the device has none (a full disk reads "Unknown error" otherwise).
QString writeError(const QFileDevice &file, int code);

} // namespace StoreFiles
