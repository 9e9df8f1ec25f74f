// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordFiles.h"

#include "Files.h"

#include <QRegularExpression>
#include <QTimeZone>

namespace RecordFiles {

namespace {

constexpr int MaxSafeLength = 40;
constexpr qsizetype MaxSettingBytes = 64;
const QString JournalSuffix = QStringLiteral(".antworten");
const QString DayFormat = QStringLiteral("yyyyMMdd");

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

QString JournalPath(const QString &writer, const QDate &day, int child)
{
    return QStringLiteral("%1/%2.%3.%4%5").arg(Folder, day.toString(DayFormat), writer).arg(child).arg(JournalSuffix);
}

QString PathOf(const QString &entry) { return Folder + u'/' + entry; }

Kind KindOf(const QString &entry)
{
    static const QRegularExpression journal(QStringLiteral("^\\d{8}\\.[^.]+\\.\\d+\\.antworten$"));
    static const QRegularExpression earlier(QStringLiteral("^[^.]+\\.[0-9a-f]{8}\\.[^.]+\\.journal$"));
    static const QRegularExpression copy(QStringLiteral("-k\\d+\\.journal$"));
    static const QRegularExpression handled(QStringLiteral("^[^.]+-k\\d+\\.handled$"));
    if (journal.match(entry).hasMatch())
        return Kind::Journal;
    if (earlier.match(entry).hasMatch())
        return copy.match(entry).hasMatch() ? Kind::EarlierCopy : Kind::EarlierJournal;
    return handled.match(entry).hasMatch() ? Kind::EarlierHandled : Kind::Other;
}

std::optional<QDate> JournalDay(const QString &entry)
{
    const QDate day = QDate::fromString(entry.left(8), DayFormat);
    return day.isValid() ? std::optional(day) : std::nullopt;
}

QString EarlierWriter(const QString &entry) { return entry.section(u'.', 2, 2); }

std::optional<qint64> RunStart(const QString &run)
{
    static const QRegularExpression start(QStringLiteral("-(\\d{8}T\\d{6})(Z?)-\\d+(?:-[0-9a-f]+)?(?:-k\\d+)?$"));
    const QRegularExpressionMatch found = start.match(run);
    if (!found.hasMatch())
        return std::nullopt;
    QDateTime time = QDateTime::fromString(found.captured(1), QStringLiteral("yyyyMMdd'T'HHmmss"));
    if (!found.captured(2).isEmpty())
        time.setTimeZone(QTimeZone::utc());
    return time.isValid() ? std::optional(time.toSecsSinceEpoch()) : std::nullopt;
}

// Only what the program writes counts as a setting: the number of days and CR LF.
Retention Retention::Read(Files &files)
{
    Retention retention;
    const FileContents file = files.read(RetentionFile, MaxSettingBytes);
    if (file.missing)
        return retention;
    static const QRegularExpression written(QStringLiteral("^[1-9]\\d{0,5}\r\n$"));
    const QString text = QString::fromLatin1(file.bytes);
    const int days = text.trimmed().toInt();
    if (file.opened && file.complete && written.match(text).hasMatch() && days >= MinDays && days <= MaxDays) {
        retention.days = days;
        return retention;
    }
    retention.valid = false;
    retention.problem = QStringLiteral("Die Aufbewahrungszeit in %1 ist %2; bis sie hier neu eingestellt wird, "
                                       "werden keine alten Antworten gelöscht.")
                            .arg(RetentionFile, file.opened ? QStringLiteral("ungültig") : QStringLiteral("nicht lesbar"));
    return retention;
}

QString Retention::Write(Files &files, int days)
{
    if (const QString failed = files.makeFolder(Folder); !failed.isEmpty())
        return failed;
    return files.write(RetentionFile, QByteArray::number(days) + "\r\n");
}

QDate Retention::firstKeptDay(const QDateTime &now) const { return now.date().addDays(-days - 1); }

} // namespace RecordFiles
