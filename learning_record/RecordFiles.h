// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <optional>

class Files;

// Where the learning record lives: the folder "Lernstand" of the working folder. Every
// program run writes journals of its own, one per child and day
// ("<yyyyMMdd>.<writer>.<n>.antworten": the local day of its answers, the run as a writer,
// the child's number within the run), which no other run writes and whose names tell
// nothing about the child. Journals of the earlier release ("<name>.<hash>.<writer>.journal",
// with the copies of its rewrites, writer "<run>-k<n>", and its lists of lines taken out,
// "<run>-k<n>.handled") are still read.
namespace RecordFiles {

inline const QString Folder = QStringLiteral("Lernstand");
inline const QString RetentionFile = QStringLiteral("Lernstand/Aufbewahrung.txt");
inline const QString RenamingsFile = QStringLiteral("Lernstand/Umbenennungen.txt");
// A journal grows by a line per answer; anything larger is not a journal of this program.
constexpr qsizetype MaxJournalBytes = 64 * 1024 * 1024;
constexpr qsizetype MaxListBytes = 4 * 1024 * 1024;

enum class Kind { Other, Journal, EarlierJournal, EarlierCopy, EarlierHandled };
Kind KindOf(const QString &entry);
inline bool IsJournal(Kind kind) { return kind == Kind::Journal || kind == Kind::EarlierJournal || kind == Kind::EarlierCopy; }

// A name as part of a file name: letters, digits, blanks, "-" and "_"; anything else,
// and "." above all, becomes "_". At most 40 characters, never empty.
QString SafeName(const QString &name);
// A run's name as a writer: the same rule, without length limit.
QString WriterName(const QString &runName);

// child: the child's number within the run, from 1.
QString JournalPath(const QString &writer, const QDate &day, int child);
QString PathOf(const QString &entry); // an entry of the folder as a path
// The day of a journal's answers, from its name.
std::optional<QDate> JournalDay(const QString &entry);
// The writer of a journal of the earlier release, from its name.
QString EarlierWriter(const QString &entry);
// When the run began (UTC seconds), as its name tells it ("…-20260302T080000Z-…"; the
// earlier release's names give the local time); none when it does not.
std::optional<qint64> RunStart(const QString &run);

// How long the record keeps answers: the teacher's setting, as the program wrote it, or
// the default when there is none. A setting that cannot be read, is not the program's or is
// out of range removes nothing; problem says so.
struct Retention
{
    static constexpr int DefaultDays = 365;
    static constexpr int MinDays = 1;
    static constexpr int MaxDays = 3650;

    int days = DefaultDays;
    bool valid = true;
    QString problem; // German, when not valid

    static Retention Read(Files &files);
    static QString Write(Files &files, int days);
    // Answers of days before this one are past keeping (a day's margin for other time zones).
    QDate firstKeptDay(const QDateTime &now) const;
};

} // namespace RecordFiles
