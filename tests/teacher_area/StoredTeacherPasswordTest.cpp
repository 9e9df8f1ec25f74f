// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeFiles.h"
#include "StoredTeacherPassword.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace {

using State = TeacherPassword::State;
const QString Place = QStringLiteral("/etc/xdg/zep100.conf");

// The folder keeps only a salted Argon2id hash at libsodium's interactive limits, written
// by its owner alone; the same password typed with composed or decomposed umlauts matches.
// A damaged or unreadable file lets nobody in and is not taken for a missing one.
TEST(StoredTeacherPassword, KeepsOnlyASaltedSlowHashThatItsOwnerWrites)
{
    FakeFiles files;
    StoredTeacherPassword password(files, {}, Place);
    ASSERT_EQ(password.keep(u"Müller-3a"_qs), QString());
    const QByteArray first = files.files.value(StoredTeacherPassword::FileName);
    EXPECT_TRUE(first.startsWith("$argon2id$v=19$m=65536,t=2,p=1$")) << first.constData();
    EXPECT_EQ(files.writtenAs.value(StoredTeacherPassword::FileName), Writable::ByOwner);
    EXPECT_TRUE(password.matches(u"Mu\u0308ller-3a"_qs));
    EXPECT_FALSE(password.matches(u"Müller-3b"_qs));
    ASSERT_EQ(password.keep(u"Müller-3a"_qs), QString());
    EXPECT_NE(files.files.value(StoredTeacherPassword::FileName), first); // a new salt

    for (const auto &[bytes, readable] : {std::pair{QByteArray("kaputt"), qsizetype(100)}, std::pair{first, qsizetype(10)}}) {
        files.files.insert(StoredTeacherPassword::FileName, bytes);
        files.readFailures.insert(StoredTeacherPassword::FileName, readable);
        EXPECT_EQ(password.state(), State::Unreadable);
        EXPECT_TRUE(password.problem().contains(u"Kennwort.txt"));
        EXPECT_FALSE(password.matches(u"Müller-3a"_qs));
    }
}

// The administrator's line, made by the program's own option from the standard input,
// wins over the folder's file and cannot be changed in the window; a broken one shuts.
TEST(StoredTeacherPassword, TheAdministratorsPresetWins)
{
    QProcess tool;
    tool.start(QStringLiteral(ZEP_PROGRAM), {QString::fromLatin1(StoredTeacherPassword::HashOption)});
    tool.write("Schul-IT 2026\n");
    tool.closeWriteChannel();
    ASSERT_TRUE(tool.waitForFinished(60000));
    const QByteArray line = tool.readAllStandardOutput();
    ASSERT_TRUE(line.startsWith("TeacherPassword=\"$argon2id$") && line.endsWith("\"\n")) << line.constData();

    FakeFiles files;
    files.files.insert(StoredTeacherPassword::FileName, StoredTeacherPassword::Hash(u"Lehrerin"_qs));
    StoredTeacherPassword preset(files, line.mid(17).chopped(2), Place);
    EXPECT_EQ(preset.state(), State::Preset);
    EXPECT_TRUE(preset.matches(u"Schul-IT 2026"_qs));
    EXPECT_FALSE(preset.matches(u"Lehrerin"_qs));
    EXPECT_TRUE(preset.keep(u"Lehrerin-neu"_qs).contains(Place));
    EXPECT_EQ(StoredTeacherPassword(files, "geheim", Place).state(), State::Unreadable);
}

} // namespace
