#include "run/RunJournal.h"

#include "files/PrivateFiles.h"
#include "run/DeliveryThread.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QMutexLocker>
#include <QRandomGenerator>
#include <QThread>

#include <cstdio>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// A name beside the journal for a file on its way out.
QString spareName(const QString &path)
{
    return path + u".old-"_s + QString::number(QRandomGenerator::global()->generate64(), 16);
}

void removeOnThread(const QString &path)
{
    oneOffThread([path] { QFile::remove(path); })->start();
}

} // namespace

QByteArray RunJournal::line(const QJsonObject &record)
{
    return QJsonDocument(record).toJson(QJsonDocument::Compact) + '\n';
}

QJsonObject RunJournal::stoppedRecord(bool stopped)
{
    return {{u"stopped"_s, stopped}, {u"at"_s, QDateTime::currentMSecsSinceEpoch()}};
}

bool RunJournal::reopen(const QString &path)
{
    QMutexLocker lock(&m_mutex);
    m_file.close();
    m_path = path;
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    // A line cut short by the crash must not swallow the next record.
    if (m_file.size() > 0) {
        QFile check(path);
        if (check.open(QIODevice::ReadOnly) && check.seek(check.size() - 1) && check.read(1) != "\n")
            m_file.write("\n");
    }
    return m_file.flush();
}

bool RunJournal::writeNew(const QString &path, const std::function<void(QIODevice &)> &writeLines)
{
    // Owner-only: the journal lists the recipients and the message.
    PrivateFiles::makeFolder(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    PrivateFiles::restrict(file);
    writeLines(file);
    return file.flush() && file.error() == QFileDevice::NoError;
}

bool RunJournal::adopt(const QString &written, const QString &path)
{
    QMutexLocker lock(&m_mutex);
    m_file.close();
    m_path = path;
    // rename() replaces the old journal in one step: a crash leaves one or
    // the other. Freeing a long journal's blocks takes a while: a second
    // name keeps them until a thread lets go of it.
    const QString old = spareName(path);
    const bool linked = ::link(QFile::encodeName(path).constData(),
                               QFile::encodeName(old).constData())
                        == 0;
    const bool renamed = std::rename(QFile::encodeName(written).constData(),
                                     QFile::encodeName(path).constData())
                         == 0;
    if (linked)
        removeOnThread(old);
    if (!renamed)
        return false;
    m_file.setFileName(path);
    return m_file.open(QIODevice::WriteOnly | QIODevice::Append);
}

void RunJournal::append(const QJsonObject &record)
{
    QMutexLocker lock(&m_mutex);
    if (!m_file.isOpen())
        return;
    m_file.write(line(record));
    m_file.flush();
}

void RunJournal::close()
{
    QMutexLocker lock(&m_mutex);
    m_file.close();
}

void RunJournal::remove()
{
    QMutexLocker lock(&m_mutex);
    m_file.close();
    if (m_path.isEmpty())
        return;
    const QString old = spareName(m_path);
    if (QFile::rename(m_path, old))
        removeOnThread(old);
    else
        QFile::remove(m_path);
}

RunJournal::Contents RunJournal::read(const QString &path)
{
    Contents contents;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return contents;
    bool first = true;
    while (!file.atEnd()) {
        const QByteArray text = file.readLine();
        if (!text.endsWith('\n'))
            break; // cut short by a crash
        const QJsonDocument document = QJsonDocument::fromJson(text);
        if (!document.isObject())
            continue;
        const QJsonObject record = document.object();
        if (first) {
            if (record.value("kind"_L1).toString() != "run"_L1)
                return contents;
            contents.header = record;
            contents.valid = true;
            first = false;
            continue;
        }
        if (const QJsonValue stopped = record.value("stopped"_L1); stopped.isBool()) {
            contents.stopped = stopped.toBool();
            continue;
        }
        if (const QJsonValue until = record.value("limit"_L1); until.isDouble()) {
            contents.limitUntil = static_cast<qint64>(until.toDouble());
            continue;
        }
        const int index = record.value("i"_L1).toInt(-1);
        if (index < 0)
            continue;
        contents.limitUntil = 0;
        contents.records.append(record);
        if (record.value("data"_L1).toBool()) {
            contents.dataStarted.insert(index);
            if (const QString id = record.value("m"_L1).toString(); !id.isEmpty())
                contents.messageIds.insert(index, id);
        }
        const QString outcome = record.value("o"_L1).toString();
        if (outcome == "sent"_L1 || outcome == "failed"_L1 || outcome == "unknown"_L1
            || outcome == "invalid"_L1)
            contents.outcomes.insert(index, record);
    }
    return contents;
}
