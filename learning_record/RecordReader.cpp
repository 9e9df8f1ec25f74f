// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordReader.h"

#include "Files.h"
#include "HandledLines.h"
#include "JournalLine.h"
#include "RecordFiles.h"

#include <QCollator>
#include <QHash>
#include <QSet>
#include <algorithm>
#include <numeric>

namespace {

constexpr qsizetype FirstLineBytes = 4096;

// Texts that repeat from line to line (names, patterns, languages) are looked up only when
// they differ from the line before.
class Interned
{
public:
    explicit Interned(QStringList &table) : m_table(table) {}

    int indexOf(QByteArrayView escaped, bool latin1 = false)
    {
        if (m_last >= 0 && escaped == m_lastBytes)
            return m_last;
        const QString text = latin1 ? QString::fromLatin1(escaped) : UnescapedText(escaped);
        auto found = m_index.constFind(text);
        if (found == m_index.constEnd()) {
            found = m_index.insert(text, int(m_table.size()));
            m_table.append(text);
        }
        m_lastBytes = escaped.toByteArray();
        m_last = *found;
        return m_last;
    }

private:
    QStringList &m_table;
    QHash<QString, int> m_index;
    QByteArray m_lastBytes;
    int m_last = -1;
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

std::pair<bool, QString> JournalOrder(const QString &entry)
{
    const QString writer = RecordFiles::WriterOf(entry);
    return {!RecordFiles::IsCopyWriter(writer), RecordFiles::StartTime(writer)};
}

} // namespace

int Record::indexOf(const QString &name) const
{
    for (qsizetype i = 0; i < children.size(); ++i)
        if (children[i].name == name)
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
    QStringList childNames;
    Interned names(childNames), patterns(record.patterns), languages(record.languages);
    std::vector<std::vector<StoredAnswer>> answers;

    const QStringList entries = files.entries(RecordFiles::Folder);
    const HandledLines handled = HandledLines::Read(files, entries);
    QStringList journals;
    for (const QString &entry : entries)
        if (RecordFiles::IsJournal(entry))
            journals.append(entry);
    // Copies first: a line found there is not counted again in the journal it came from.
    // Then the runs in the order they started, so that each child's answers come mostly in
    // time order already.
    QList<std::pair<std::pair<bool, QString>, QString>> ordered;
    for (const QString &entry : std::as_const(journals))
        ordered.append({JournalOrder(entry), entry});
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    for (qsizetype i = 0; i < ordered.size(); ++i)
        journals[i] = ordered[i].second;
    QSet<std::pair<QByteArray, quint64>> copied;
    QSet<QByteArray> copiedRuns;

    for (const QString &entry : std::as_const(journals)) {
        const FileContents contents = files.read(RecordFiles::PathOf(entry), RecordFiles::MaxJournalBytes);
        if (!contents.opened || !contents.complete) {
            ++record.skippedFiles;
            continue;
        }
        const QString writer = RecordFiles::WriterOf(entry);
        const QByteArray writerBytes = writer.toUtf8();
        const bool copy = RecordFiles::IsCopyWriter(writer);
        const bool ownLinesCopied = copiedRuns.contains(writerBytes);
        const HandledLines::Ranges *takenOut = handled.rangesOf(writer);
        qsizetype tornStart = 0;
        const QList<QByteArrayView> lines = CompleteLines(contents.bytes, &tornStart);
        if (tornStart < contents.bytes.size())
            ++record.skippedLines;
        for (const QByteArrayView line : lines) {
            JournalFields fields;
            if (!ParseJournalFields(line, fields)) {
                ++record.skippedLines;
                continue;
            }
            if (copy || fields.run != writerBytes) {
                const std::pair key(fields.run.toByteArray(), fields.seq);
                if (copied.contains(key))
                    continue;
                copied.insert(key);
                copiedRuns.insert(key.first);
            } else if (HandledLines::Contains(takenOut, fields.seq)
                       || (ownLinesCopied && copied.contains({writerBytes, fields.seq}))) {
                continue;
            }
            const int child = names.indexOf(fields.name);
            if (child == int(answers.size()))
                answers.emplace_back();
            StoredAnswer stored;
            stored.utcSeconds = fields.utcSeconds;
            stored.offsetSeconds = fields.offsetSeconds;
            stored.ms = quint32(fields.ms);
            stored.pattern = quint16(std::min(patterns.indexOf(fields.pattern), 0xffff));
            stored.language = quint16(std::min(languages.indexOf(fields.language, true), 0xffff));
            stored.asked = quint8(fields.asked);
            stored.given = quint8(fields.given);
            stored.mode = fields.mode;
            answers[size_t(child)].push_back(stored);
        }
    }

    QList<int> order(childNames.size());
    std::iota(order.begin(), order.end(), 0);
    const QCollator collator = GermanCollator();
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return NameBefore(collator, childNames[a], childNames[b]);
    });
    const auto earlier = [](const StoredAnswer &a, const StoredAnswer &b) {
        return a.utcSeconds < b.utcSeconds;
    };
    for (const int child : std::as_const(order)) {
        std::vector<StoredAnswer> &list = answers[size_t(child)];
        if (!std::is_sorted(list.begin(), list.end(), earlier))
            std::sort(list.begin(), list.end(), earlier);
        record.children.append({childNames[child], std::move(list)});
    }
    return record;
}

QStringList ReadRecordNames(Files &files)
{
    QSet<QString> found;
    for (const QString &entry : files.entries(RecordFiles::Folder)) {
        if (!RecordFiles::IsJournal(entry))
            continue;
        const FileContents contents = files.read(RecordFiles::PathOf(entry), FirstLineBytes);
        for (const QByteArrayView line : CompleteLines(contents.bytes)) {
            JournalFields fields;
            if (ParseJournalFields(line, fields)) {
                found.insert(UnescapedText(fields.name));
                break;
            }
        }
    }
    QStringList names(found.cbegin(), found.cend());
    SortNames(names);
    return names;
}
