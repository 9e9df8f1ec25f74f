// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Renamings.h"

#include "Files.h"
#include "JournalLine.h"
#include "PersonName.h"
#include "RecordFiles.h"

#include <algorithm>

namespace {
constexpr char Tag[] = "U1";
}

Renamings Renamings::Read(Files &files)
{
    Renamings renamings;
    const FileContents file = files.read(RecordFiles::RenamingsFile, RecordFiles::MaxListBytes);
    renamings.complete = file.missing || (file.opened && file.complete);
    for (const QByteArrayView line : CompleteLines(file.bytes)) {
        const QList<QByteArray> fields = line.toByteArray().split('\t');
        Renaming renaming;
        int offset = 0;
        if (fields.size() != 4 || fields[0] != Tag || !ParseIsoTime(fields[1], renaming.utcSeconds, offset))
            continue;
        renaming.from = ComparableName(UnescapedText(fields[2]));
        renaming.to = ComparableName(UnescapedText(fields[3]));
        if (!renaming.from.isEmpty() && !renaming.to.isEmpty())
            renamings.list.append(renaming);
    }
    std::stable_sort(renamings.list.begin(), renamings.list.end(),
                     [](const Renaming &a, const Renaming &b) { return a.utcSeconds < b.utcSeconds; });
    return renamings;
}

QByteArray Renamings::toBytes() const
{
    QByteArray bytes;
    for (const Renaming &renaming : list)
        bytes += Tag + ('\t' + IsoTime(renaming.utcSeconds, 0)) + '\t' + EscapedText(renaming.from) + '\t'
            + EscapedText(renaming.to) + '\n';
    return bytes;
}

QString Renamings::Change(Files &files, const std::function<bool(Renamings &)> &change)
{
    if (const QString failed = files.makeFolder(RecordFiles::Folder); !failed.isEmpty())
        return failed;
    const std::unique_ptr<FileLock> lock = files.lock(RecordFiles::RenamingsFile);
    if (!lock)
        return QStringLiteral("Der Lernstand kann gerade nicht gesperrt werden (ein anderes Programm ändert ihn, "
                              "oder das Laufwerk kennt keine Sperren).");
    Renamings renamings = Read(files);
    if (!renamings.complete)
        return QStringLiteral("Die Datei %1 kann nicht gelesen werden.").arg(RecordFiles::RenamingsFile);
    if (!change(renamings))
        return {};
    if (renamings.list.isEmpty())
        return files.remove(RecordFiles::RenamingsFile);
    return files.write(RecordFiles::RenamingsFile, renamings.toBytes());
}

QString Renamings::resolve(const QString &name, std::optional<qint64> runStart, QList<int> *used) const
{
    QString current = name;
    for (qsizetype i = 0; i < list.size(); ++i) {
        const Renaming &renaming = list[i];
        if ((!runStart || *runStart < renaming.utcSeconds) && current == renaming.from) {
            current = renaming.to;
            if (used)
                used->append(int(i));
        }
    }
    return current;
}
