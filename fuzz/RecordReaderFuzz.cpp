// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Reads arbitrary bytes as a record folder of four files (a run's journal, a journal and a
// list of lines taken out of the earlier release, the list of renamings, split at the
// first three form feeds): every answer read is in range, each line read is written back
// as it was read, and deleting a child leaves none of its answers.
#include "FakeClock.h"
#include "FakeFiles.h"
#include "JournalLine.h"
#include "RecordFiles.h"
#include "RecordKeeping.h"
#include "RecordReader.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QList<QByteArray> parts = bytes.split('\f');
    FakeFiles files;
    const QStringList names{QStringLiteral("Lernstand/20260302.pc1-20260302T080000Z-11-5e1f0c2a.1.antworten"),
                            QStringLiteral("Lernstand/Mia.00000000.pc2-20260302T090000-22.journal"),
                            QStringLiteral("Lernstand/pc2-20260302T090000-22-k2.handled"),
                            RecordFiles::RenamingsFile};
    for (qsizetype i = 0; i < std::min(parts.size(), names.size()); ++i)
        files.write(names[i], parts[i]);

    for (const QByteArrayView line : CompleteLines(parts[0])) {
        const std::optional<RecordedAnswer> answer = ParseJournalLine(line);
        if (!answer)
            continue;
        const std::optional<RecordedAnswer> again = ParseJournalLine(JournalLine(*answer).chopped(1));
        if (!again || again->time != answer->time || again->time.offsetFromUtc() != answer->time.offsetFromUtc()
            || std::tuple(again->run, again->seq, again->name, again->mode, again->language, again->pattern,
                          again->asked, again->given, again->ms)
                != std::tuple(answer->run, answer->seq, answer->name, answer->mode, answer->language,
                              answer->pattern, answer->asked, answer->given, answer->ms))
            std::abort();
    }
    const Record record = ReadRecord(files);
    for (const ChildAnswers &child : record.children)
        for (const StoredAnswer &answer : child.answers)
            if (answer.asked < 1 || answer.asked > 100 || answer.given < 1 || answer.given > 100
                || answer.pattern >= record.patterns.size() || answer.language >= record.languages.size())
                std::abort();
    if (record.children.isEmpty())
        return 0;
    const FakeClock clock;
    const QString name = record.children.first().name;
    RecordKeeping(files, clock).remove(name);
    if (ReadRecord(files).indexOf(name) >= 0)
        std::abort();
    return 0;
}
