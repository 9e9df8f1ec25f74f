// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RecordedAnswer.h"

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

// One line of a journal file, UTF-8, fields separated by tabs, ended by a line feed:
//   Z2  time  run  seq  name  mode  language  pattern  asked  given  r|f  ms  check
// time is ISO 8601 with its offset ("2026-03-02T09:15:07+01:00"), mode "F" or "Z". A tab,
// line break or backslash inside a text is written as \t, \n, \r or \\. check is the
// checksum of everything before its tab, eight hexadecimal digits, so that a piece of a
// line cut anywhere does not read as a line. Lines "Z1" of earlier journals have no check.

QByteArray JournalLine(const RecordedAnswer &answer);

// The fields of a line as they stand in it (texts still escaped), checked: a line that is
// torn, foreign, damaged or inconsistent (right but asked and given differ) gives false.
struct JournalFields
{
    QByteArrayView run;
    QByteArrayView name;
    QByteArrayView language;
    QByteArrayView pattern;
    qint64 utcSeconds = 0;
    int offsetSeconds = 0;
    quint64 seq = 0;
    RecordedAnswer::Mode mode = RecordedAnswer::Mode::Felder;
    int asked = 0;
    int given = 0;
    qint64 ms = 0;
};
// line without its line feed.
bool ParseJournalFields(QByteArrayView line, JournalFields &fields);
std::optional<RecordedAnswer> ParseJournalLine(QByteArrayView line);

QString UnescapedText(QByteArrayView field);
// The ISO 8601 form with the offset, as the journal writes it, and back.
QByteArray IsoTime(qint64 utcSeconds, int offsetSeconds);
bool ParseIsoTime(QByteArrayView text, qint64 &utcSeconds, int &offsetSeconds);
// The text of a name as it stands escaped in a line; for finding it in lines that do
// not parse.
QByteArray EscapedText(const QString &text);

// The complete lines of journal bytes, each without its line feed; a last line without
// one is torn and left out, its start in tornStart (else bytes.size()).
QList<QByteArrayView> CompleteLines(QByteArrayView bytes, qsizetype *tornStart = nullptr);
