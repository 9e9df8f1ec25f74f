// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordReader.h"

#include "Files.h"
#include "JournalLine.h"
#include "PersonName.h"
#include "RecordFiles.h"
#include "Renamings.h"

#include <QCollator>
#include <QHash>
#include <QSet>
#include <algorithm>
#include <numeric>

namespace {

constexpr qsizetype FirstLineBytes = 4096;
// A run's line numbers below this are told apart by a bit each; beyond, by a set.
constexpr quint64 MaxBitmapSeq = quint64(1) << 20;

// Texts that repeat from line to line (names, runs, patterns, languages) are looked up only
// when they differ from the line before.
class Interned
{
public:
    using Convert = QString (*)(QByteArrayView);
    Interned(QStringList &table, Convert convert) : m_table(table), m_convert(convert) {}

    int indexOf(QByteArrayView bytes)
    {
        if (m_last >= 0 && bytes == m_lastBytes)
            return m_last;
        const QString text = m_convert(bytes);
        auto found = m_index.constFind(text);
        if (found == m_index.constEnd()) {
            found = m_index.insert(text, int(m_table.size()));
            m_table.append(text);
        }
        m_lastBytes = bytes.toByteArray();
        m_last = *found;
        return m_last;
    }

private:
    QStringList &m_table;
    Convert m_convert;
    QHash<QString, int> m_index;
    QByteArray m_lastBytes;
    int m_last = -1;
};

QString Latin1(QByteArrayView bytes) { return QString::fromLatin1(bytes); }
QString PersonOf(QByteArrayView escaped) { return ComparableName(UnescapedText(escaped)); }

// Which lines of each run were counted already.
class CountedLines
{
public:
    bool firstTime(int run, quint64 seq)
    {
        if (seq >= MaxBitmapSeq)
            return !std::exchange(m_large[{run, seq}], true);
        if (size_t(run) >= m_bits.size())
            m_bits.resize(size_t(run) + 1);
        std::vector<bool> &bits = m_bits[size_t(run)];
        if (seq >= bits.size())
            bits.resize(std::min<size_t>(std::max<size_t>(seq + 1, bits.size() * 2), MaxBitmapSeq));
        if (bits[seq])
            return false;
        bits[seq] = true;
        return true;
    }

private:
    std::vector<std::vector<bool>> m_bits;
    QHash<std::pair<int, quint64>, bool> m_large;
};

// The lines that a deletion or renaming of the earlier release took out of their runs'
// journals, by run: "H1 <tab> time <tab> run <tab> 1-57,60".
class TakenOut
{
public:
    TakenOut(Files &files, const QStringList &entries)
    {
        for (const QString &entry : entries)
            if (RecordFiles::KindOf(entry) == RecordFiles::Kind::EarlierHandled)
                add(files.read(RecordFiles::PathOf(entry), RecordFiles::MaxListBytes).bytes);
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
    }

    bool contains(QByteArrayView run, quint64 seq) const
    {
        const auto found = m_ranges.constFind(run.toByteArray());
        if (found == m_ranges.constEnd())
            return false;
        const auto after = std::upper_bound(found->begin(), found->end(), seq,
                                            [](quint64 value, const auto &range) { return value < range.first; });
        return after != found->begin() && seq <= std::prev(after)->second;
    }

private:
    using Ranges = QList<std::pair<quint64, quint64>>;

    void add(const QByteArray &bytes)
    {
        for (const QByteArrayView line : CompleteLines(bytes)) {
            const QList<QByteArray> fields = line.toByteArray().split('\t');
            if (fields.size() != 4 || fields[0] != "H1")
                continue;
            for (const QByteArray &range : fields[3].split(',')) {
                const QList<QByteArray> ends = range.split('-');
                bool okFirst = false, okLast = false;
                const quint64 first = ends.first().toULongLong(&okFirst);
                const quint64 last = ends.last().toULongLong(&okLast);
                if (okFirst && okLast && ends.size() <= 2 && first <= last)
                    m_ranges[fields[2]].append({first, last});
            }
        }
    }

    QHash<QByteArray, Ranges> m_ranges; // by run as it stands escaped in lines
};

QCollator GermanCollator()
{
    QCollator collator{QLocale(QLocale::German, QLocale::Germany)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    return collator;
}

// Names equal but for case keep a fixed order.
bool NameBefore(const QCollator &collator, const QString &a, const QString &b)
{
    const int order = collator.compare(a, b);
    return order != 0 ? order < 0 : a < b;
}

// The journals of the folder in the order of their names: the days of the runs in turn.
QStringList Journals(const QStringList &entries)
{
    QStringList journals;
    for (const QString &entry : entries)
        if (RecordFiles::IsJournal(RecordFiles::KindOf(entry)))
            journals.append(entry);
    journals.sort();
    return journals;
}

// Each child's name in the record: the name of the lines, after the renamings since its run began.
class ChildNames
{
public:
    explicit ChildNames(Files &files) : m_renamings(Renamings::Read(files)) {}

    QString of(const QString &name, const QString &run)
    {
        if (m_renamings.list.isEmpty())
            return name;
        auto start = m_starts.constFind(run);
        if (start == m_starts.constEnd())
            start = m_starts.insert(run, RecordFiles::RunStart(run));
        return m_renamings.resolve(name, *start);
    }

private:
    Renamings m_renamings;
    QHash<QString, std::optional<qint64>> m_starts;
};

} // namespace

int Record::indexOf(const QString &name) const
{
    const QString person = ComparableName(name);
    for (qsizetype i = 0; i < children.size(); ++i)
        if (children[i].name == person)
            return int(i);
    return -1;
}

QStringList Record::names() const
{
    QStringList list;
    for (const ChildAnswers &child : children)
        list.append(child.name);
    return list;
}

void SortNames(QStringList &names)
{
    const QCollator collator = GermanCollator();
    std::stable_sort(names.begin(), names.end(), [&](const QString &a, const QString &b) {
        return NameBefore(collator, a, b);
    });
}

Record ReadRecord(Files &files)
{
    Record record;
    QStringList names, runs;
    Interned nameIndex(names, PersonOf), runIndex(runs, UnescapedText);
    Interned patterns(record.patterns, UnescapedText), languages(record.languages, Latin1);
    // The answers of each run and name, in the order of the run's lines.
    struct Group
    {
        int run, name;
        std::vector<StoredAnswer> answers;
    };
    std::vector<Group> groups;
    QHash<std::pair<int, int>, size_t> groupOf;
    CountedLines counted;

    const QStringList entries = files.entries(RecordFiles::Folder);
    const TakenOut takenOut(files, entries);
    for (const QString &entry : Journals(entries)) {
        const FileContents contents = files.read(RecordFiles::PathOf(entry), RecordFiles::MaxJournalBytes);
        if (!contents.opened || !contents.complete) {
            ++record.skippedFiles;
            continue;
        }
        // Lines of an earlier journal of the run itself may have been taken out.
        const QByteArray ownRun = RecordFiles::KindOf(entry) == RecordFiles::Kind::EarlierJournal
            ? RecordFiles::EarlierWriter(entry).toUtf8() : QByteArray();
        qsizetype tornStart = 0;
        const QList<QByteArrayView> lines = CompleteLines(contents.bytes, &tornStart);
        if (tornStart < contents.bytes.size())
            ++record.skippedLines;
        size_t group = 0;
        for (const QByteArrayView line : lines) {
            JournalFields fields;
            if (!ParseJournalFields(line, fields)) {
                record.skippedLines += line.isEmpty() ? 0 : 1; // a writer's fresh start
                continue;
            }
            if (fields.run == ownRun && takenOut.contains(fields.run, fields.seq))
                continue;
            const int run = runIndex.indexOf(fields.run);
            if (!counted.firstTime(run, fields.seq))
                continue;
            const std::pair key(run, nameIndex.indexOf(fields.name));
            if (groups.empty() || std::pair(groups[group].run, groups[group].name) != key) {
                const auto found = groupOf.constFind(key);
                group = found != groupOf.constEnd() ? *found : groupOf.insert(key, groups.size()).value();
                if (group == groups.size())
                    groups.push_back({key.first, key.second, {}});
            }
            StoredAnswer stored;
            stored.utcSeconds = fields.utcSeconds;
            stored.offsetSeconds = fields.offsetSeconds;
            stored.ms = quint32(fields.ms);
            stored.pattern = quint16(std::min(patterns.indexOf(fields.pattern), 0xffff));
            stored.language = quint16(std::min(languages.indexOf(fields.language), 0xffff));
            stored.asked = quint8(fields.asked);
            stored.given = quint8(fields.given);
            stored.mode = fields.mode;
            groups[group].answers.push_back(stored);
        }
    }

    // Each group goes to its child; a child's answers by time, each run's in its own order.
    ChildNames childNames(files);
    QStringList childList;
    QHash<QString, int> childOf;
    std::vector<std::vector<StoredAnswer>> answers;
    for (Group &group : groups) {
        const QString child = childNames.of(names[group.name], runs[group.run]);
        auto found = childOf.constFind(child);
        if (found == childOf.constEnd()) {
            found = childOf.insert(child, int(childList.size()));
            childList.append(child);
            answers.emplace_back();
        }
        std::vector<StoredAnswer> &list = answers[size_t(*found)];
        list.insert(list.end(), group.answers.begin(), group.answers.end());
        std::vector<StoredAnswer>().swap(group.answers);
    }
    QList<int> order(childList.size());
    std::iota(order.begin(), order.end(), 0);
    const QCollator collator = GermanCollator();
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return NameBefore(collator, childList[a], childList[b]);
    });
    const auto earlier = [](const StoredAnswer &a, const StoredAnswer &b) { return a.utcSeconds < b.utcSeconds; };
    for (const int child : std::as_const(order)) {
        std::vector<StoredAnswer> &list = answers[size_t(child)];
        if (!std::is_sorted(list.begin(), list.end(), earlier))
            std::stable_sort(list.begin(), list.end(), earlier);
        record.children.append({childList[child], std::move(list)});
    }
    return record;
}

QStringList ReadRecordNames(Files &files)
{
    ChildNames childNames(files);
    QSet<QString> found;
    for (const QString &entry : Journals(files.entries(RecordFiles::Folder))) {
        const FileContents contents = files.read(RecordFiles::PathOf(entry), FirstLineBytes);
        for (const QByteArrayView line : CompleteLines(contents.bytes)) {
            JournalFields fields;
            if (ParseJournalFields(line, fields)) {
                found.insert(childNames.of(PersonOf(fields.name), UnescapedText(fields.run)));
                break;
            }
        }
    }
    QStringList names(found.cbegin(), found.cend());
    SortNames(names);
    return names;
}
