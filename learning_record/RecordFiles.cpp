// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordFiles.h"

#include "Files.h"

#include <QRegularExpression>

namespace RecordFiles {

namespace {

constexpr int MaxSafeLength = 40;
constexpr qsizetype MaxSettingBytes = 64;
const QString JournalSuffix = QStringLiteral(".journal");
const QString HandledSuffix = QStringLiteral(".handled");

QString Safe(const QString &text, int maxLength)
{
    QString safe;
    for (const QChar c : text) {
        if (safe.size() == maxLength)
            break;
        const bool kept = c.isLetterOrNumber() || c == u' ' || c == u'-' || c == u'_';
        safe += kept ? c : QChar(u'_');
    }
    return safe.trimmed();
}

quint32 NameHash(const QString &name) // FNV-1a over the UTF-8 bytes
{
    quint32 hash = 2166136261u;
    for (const char c : name.toUtf8()) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 16777619u;
    }
    return hash;
}

} // namespace

QString SafeName(const QString &name)
{
    const QString safe = Safe(name, MaxSafeLength);
    return safe.isEmpty() ? QStringLiteral("Kind") : safe;
}

QString WriterName(const QString &runName)
{
    const QString safe = Safe(runName, int(runName.size())).replace(u' ', u'_');
    return safe.isEmpty() ? QStringLiteral("Lauf") : safe;
}

QString JournalPath(const QString &childName, const QString &writer)
{
    return QStringLiteral("%1/%2.%3.%4%5")
        .arg(Folder, SafeName(childName))
        .arg(NameHash(childName), 8, 16, QChar(u'0'))
        .arg(writer, JournalSuffix);
}

QString HandledPath(const QString &writer) { return Folder + u'/' + writer + HandledSuffix; }

QString PathOf(const QString &entry) { return Folder + u'/' + entry; }

bool IsJournal(const QString &entry)
{
    return !entry.startsWith(u'.') && entry.endsWith(JournalSuffix) && !WriterOf(entry).isEmpty();
}

bool IsHandled(const QString &entry)
{
    return !entry.startsWith(u'.') && entry.endsWith(HandledSuffix);
}

QString WriterOf(const QString &entry)
{
    if (!entry.endsWith(JournalSuffix))
        return {};
    const QStringList parts = entry.chopped(JournalSuffix.size()).split(u'.');
    return parts.size() == 3 ? parts[2] : QString();
}

bool IsCopyWriter(const QString &writer)
{
    static const QRegularExpression copy(QStringLiteral("-k\\d+$"));
    return copy.match(writer).hasMatch();
}

QString StartTime(const QString &writer)
{
    static const QRegularExpression start(QStringLiteral("-(\\d{8}T\\d{6})-\\d+(?:-k\\d+)?$"));
    return start.match(writer).captured(1);
}

std::optional<QDate> StartDay(const QString &writer)
{
    const QDate day = QDate::fromString(StartTime(writer).left(8), QStringLiteral("yyyyMMdd"));
    return day.isValid() ? std::optional(day) : std::nullopt;
}

int RetentionDays(Files &files)
{
    bool ok = false;
    const int days = files.read(RetentionFile, MaxSettingBytes).bytes.trimmed().toInt(&ok);
    return ok && days >= MinRetentionDays && days <= MaxRetentionDays ? days : DefaultRetentionDays;
}

qint64 KeepSince(Files &files, const QDateTime &now)
{
    constexpr qint64 SecondsPerDay = 86400;
    return now.toSecsSinceEpoch() - RetentionDays(files) * SecondsPerDay;
}

QString SetRetentionDays(Files &files, int days)
{
    if (const QString failed = files.makeFolder(Folder); !failed.isEmpty())
        return failed;
    return files.write(RetentionFile, QByteArray::number(days) + "\r\n");
}

} // namespace RecordFiles
