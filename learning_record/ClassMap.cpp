// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClassMap.h"

#include "Cells.h"

#include <algorithm>

ClassMap ClassMap::Of(const Record &record, const AnswerFilter &filter, const QDateTime &now)
{
    ClassMap map;
    const qint64 since = filter.since(now);
    for (const ChildAnswers &child : record.children) {
        ++map.children;
        const Progress progress = Progress::Of(child.answers, now);
        bool practising = false;
        for (int n = 1; n <= CellCount; ++n)
            if (progress.numbers[size_t(n)].box() > 0) {
                ++map.inBox[size_t(n)];
                practising = true;
            }
        map.practising += practising ? 1 : 0;
        for (const StoredAnswer &answer : child.answers)
            if (!answer.right() && answer.asked >= 1 && answer.asked <= CellCount && filter.takes(answer, since))
                ++map.missed[answer.asked];
    }
    for (int n = 1; n <= CellCount; ++n)
        if (map.missed[size_t(n)] > 0)
            map.mostMissed.append(n);
    std::stable_sort(map.mostMissed.begin(), map.mostMissed.end(),
                     [&](int a, int b) { return map.missed[size_t(a)] > map.missed[size_t(b)]; });
    map.mostMissed = map.mostMissed.first(std::min<qsizetype>(map.mostMissed.size(), MostMissedShown));
    return map;
}
