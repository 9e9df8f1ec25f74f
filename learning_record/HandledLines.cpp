// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "HandledLines.h"

#include "Files.h"
#include "JournalLine.h"
#include "RecordFiles.h"

#include <algorithm>

namespace {
constexpr char Tag[] = "H1";
}

void HandledLines::add(const QString &run, quint64 first, quint64 last)
{
    m_ranges[run].append({first, last});
    m_tidy = false;
}

// Sorts each run's ranges and joins those that touch.
void HandledLines::tidy() const
{
    if (m_tidy)
        return;
    for (Ranges &ranges : m_ranges) {
        std::sort(ranges.begin(), ranges.end());
        Ranges joined;
        for (const auto &range : std::as_const(ranges)) {
            if (!joined.isEmpty() && range.first <= joined.last().second + 1)
                joined.last().second = std::max(joined.last().second, range.second);
            else
                joined.append(range);
        }
        ranges = joined;
    }
    m_tidy = true;
}

const HandledLines::Ranges *HandledLines::rangesOf(const QString &run) const
{
    tidy();
    const auto found = m_ranges.constFind(run);
    return found == m_ranges.constEnd() ? nullptr : &*found;
}

bool HandledLines::Contains(const Ranges *ranges, quint64 seq)
{
    if (!ranges)
        return false;
    const auto after = std::upper_bound(ranges->begin(), ranges->end(), seq,
                                        [](quint64 value, const auto &range) { return value < range.first; });
    return after != ranges->begin() && seq <= std::prev(after)->second;
}

HandledLines HandledLines::Read(Files &files, const QStringList &entries)
{
    HandledLines handled;
    for (const QString &entry : entries)
        if (RecordFiles::IsHandled(entry))
            handled.addFrom(files.read(RecordFiles::PathOf(entry), RecordFiles::MaxHandledBytes).bytes);
    return handled;
}

QByteArray HandledLines::toBytes(const QByteArray &isoTime) const
{
    tidy();
    QByteArray bytes;
    for (auto it = m_ranges.cbegin(); it != m_ranges.cend(); ++it) {
        QByteArrayList ranges;
        for (const auto &[first, last] : *it)
            ranges.append(QByteArray::number(first) + (last > first ? '-' + QByteArray::number(last) : QByteArray()));
        bytes += Tag + ('\t' + isoTime) + '\t' + EscapedText(it.key()) + '\t' + ranges.join(',') + '\n';
    }
    return bytes;
}

qint64 HandledLines::addFrom(const QByteArray &bytes)
{
    qint64 newest = -1;
    for (const QByteArrayView line : CompleteLines(bytes)) {
        const QList<QByteArray> fields = line.toByteArray().split('\t');
        qint64 time = 0;
        int offset = 0;
        if (fields.size() != 4 || fields[0] != Tag || !ParseIsoTime(fields[1], time, offset))
            continue;
        newest = std::max(newest, time);
        const QString run = UnescapedText(fields[2]);
        for (const QByteArray &range : fields[3].split(',')) {
            const qsizetype dash = range.indexOf('-');
            bool okFirst = false, okLast = false;
            const quint64 first = range.left(dash < 0 ? range.size() : dash).toULongLong(&okFirst);
            const quint64 last = dash < 0 ? first : range.mid(dash + 1).toULongLong(&okLast);
            if (okFirst && (dash < 0 || okLast) && first <= last)
                add(run, first, last);
        }
    }
    return newest;
}
