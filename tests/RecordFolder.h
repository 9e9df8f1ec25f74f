// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FakeClock.h"
#include "FileBytes.h"
#include "QtFiles.h"
#include "RecordFiles.h"
#include "RecordReader.h"
#include "RecordedAnswer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

inline const QString RunA = QStringLiteral("pc1-20260302T075000Z-11-0a1b2c3d");
inline const QString RunB = QStringLiteral("pc2-20260302T075500Z-22-4e5f6a7b");

inline RecordedAnswer Answer(const QString &name, int asked, int given, quint64 seq,
                             const QString &run = RunA,
                             const QDateTime &time = FakeClock().time)
{
    return {.time = time, .run = run, .seq = seq, .name = name, .language = QStringLiteral("de"),
            .pattern = QStringLiteral("Haus"), .asked = asked, .given = given, .ms = 1500};
}

// Real files in a working folder of its own, which is the current folder while a test runs.
class RecordFolderTest : public testing::Test
{
protected:
    RecordFolderTest() : m_previous(QDir::currentPath()) { QDir::setCurrent(folder.path()); }
    ~RecordFolderTest() override { QDir::setCurrent(m_previous); }

    QString path(const QString &name) const { return folder.filePath(name); }
    QByteArray contents(const QString &name) const { return Contents(path(name)); }
    void put(const QString &name, const QByteArray &bytes) const
    {
        QDir(folder.path()).mkpath(QFileInfo(path(name)).path());
        ASSERT_TRUE(Put(path(name), bytes));
    }
    // The entries of the record folder, sorted.
    QStringList entries() const
    {
        QStringList names = QDir(path(RecordFiles::Folder))
                                .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        names.sort();
        return names;
    }
    // The numbers asked of the child as the record reads them, oldest first.
    QList<int> asked(const QString &name)
    {
        const Record record = ReadRecord(files);
        QList<int> numbers;
        for (const StoredAnswer &answer : record.children.value(record.indexOf(name)).answers)
            numbers.append(answer.asked);
        return numbers;
    }
    int answersOf(const QString &name) { return int(asked(name).size()); }

    QTemporaryDir folder;
    QtFiles files;
    FakeClock clock;

private:
    QString m_previous;
};
