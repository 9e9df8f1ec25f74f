// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FakePlatform.h"
#include "JournalWriter.h"
#include "RecordFolder.h"
#include "RecordWindow.h"

#include <QTreeWidget>
#include <gtest/gtest.h>

// A class's record in the fake files: Mia swaps 47 and 74 and is slow there, "=Ben" (a name
// a spreadsheet would run) is sure of 5, an old answer of Mia's lies more than a year back.
class RecordWindowTest : public testing::Test
{
protected:
    explicit RecordWindowTest(QtPrinter::Destination printer = QtPrinter::Destination::PdfOnly)
        : fake(printer)
    {
        const QString run = QStringLiteral("pc1-20250101T080000Z-7-00000007");
        JournalWriter writer(fake.files, run);
        quint64 seq = 0;
        const auto answer = [&](const QString &name, int asked, int given, qint64 ms, qint64 daysAgo = 0) {
            RecordedAnswer a = Answer(name, asked, given, ++seq, run, fake.clock.time.addDays(-daysAgo));
            a.ms = ms;
            writer.append(a);
        };
        answer(QStringLiteral("Mia"), 47, 74, 9000, 400);
        for (int round = 0; round < 2; ++round) {
            answer(QStringLiteral("Mia"), 47, 74, 8000);
            answer(QStringLiteral("Mia"), 47, 47, 7000);
            for (int quick : {12, 13, 14})
                answer(QStringLiteral("Mia"), quick, quick, 1000);
        }
        for (int round = 0; round < 3; ++round)
            answer(QStringLiteral("=Ben"), 5, 5, 1200, 1);
        window.open();
    }
    int rows() const { return window.childList->topLevelItemCount(); }
    QString cell(int row, int column) const { return window.childList->topLevelItem(row)->text(column); }

    FakePlatform fake;
    RecordWindow window{fake.platform};
};

