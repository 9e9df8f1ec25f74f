// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <optional>

class Files;

// Where the learning record lives: the folder "Lernstand" of the working folder. Every
// program run writes journals of its own, one per child ("<name>.<hash>.<writer>.journal",
// the name made safe for a file name, the hash of the exact name, the writer being the
// run), that no other run writes. A rewrite that moves lines (renaming) or saves lines
// appended meanwhile writes them into files of a writer of its own ("<run>-k<n>"). Which
// lines a deletion or renaming took out is kept in "<run>-k<n>.handled".
namespace RecordFiles {

inline const QString Folder = QStringLiteral("Lernstand");
inline const QString RetentionFile = QStringLiteral("Lernstand/Aufbewahrung.txt");
inline const QString RewriteLock = QStringLiteral("Lernstand/Umschreiben");
// A journal grows by a line per answer; anything larger is not a journal of this program.
constexpr qsizetype MaxJournalBytes = 64 * 1024 * 1024;
constexpr qsizetype MaxHandledBytes = 4 * 1024 * 1024;

constexpr int DefaultRetentionDays = 365;
constexpr int MinRetentionDays = 1;
constexpr int MaxRetentionDays = 3650;
// How many days the record keeps answers: the teacher's setting, or the default.
int RetentionDays(Files &files);
QString SetRetentionDays(Files &files, int days);
// The first second (UTC) of the answers the record keeps now.
qint64 KeepSince(Files &files, const QDateTime &now);

// A name as part of a file name: letters, digits, blanks, "-" and "_"; anything else,
// and "." above all, becomes "_". At most 40 characters, never empty.
QString SafeName(const QString &name);
// A run's name as a writer: the same rule, without length limit.
QString WriterName(const QString &runName);

QString JournalPath(const QString &childName, const QString &writer);
QString HandledPath(const QString &writer);
QString PathOf(const QString &entry); // an entry of the folder as a path

bool IsJournal(const QString &entry);
bool IsHandled(const QString &entry);
// The writer of a journal entry; empty for other entries.
QString WriterOf(const QString &entry);
// Whether a writer is a rewrite's own writer, whose lines come from other runs.
bool IsCopyWriter(const QString &writer);
// The day a run started, from its writer name; none when it does not tell.
std::optional<QDate> StartDay(const QString &writer);
// The start of a run as its writer name tells it ("20260302T090000"), empty when it does not.
QString StartTime(const QString &writer);

} // namespace RecordFiles
