// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeClock.h"
#include "FakeDialogs.h"
#include "FakeProgramControl.h"
#include "TeacherGate.h"
#include "TeacherPassword.h"

#include <gtest/gtest.h>

namespace {

using State = TeacherPassword::State;

struct PasswordDouble : TeacherPassword
{
    State state() override { return kept; }
    QString problem() override { return QStringLiteral("Die Datei Kennwort.txt ist beschädigt."); }
    bool matches(const QString &typed) override { return typed == password; }
    QString keep(const QString &typed) override
    {
        password = typed;
        kept = State::Kept;
        return {};
    }
    State kept = State::Unset;
    QString password;
};

class TeacherGateTest : public testing::Test
{
protected:
    int passwordBoxes() const
    {
        return int(std::count_if(dialogs.shown.cbegin(), dialogs.shown.cend(),
                                 [](const FakeDialogs::Shown &box) { return box.kind == FakeDialogs::Shown::Password; }));
    }
    bool admitWith(const QStringList &typed)
    {
        dialogs.passwords.enqueue(typed);
        return gate.admit();
    }

    PasswordDouble password;
    FakeDialogs dialogs;
    FakeClock clock;
    FakeProgramControl program;
    TeacherGate gate{password, dialogs, clock, program};
};

// The first opening has the teacher choose a password, typed twice in hidden lines; a
// cancelled box, two different entries or a short one keep the record closed.
TEST_F(TeacherGateTest, TheFirstOpeningChoosesThePasswordTypedTwice)
{
    EXPECT_FALSE(gate.admit()); // cancelled
    EXPECT_EQ(dialogs.last().choices, (QStringList{u"Neues Kennwort:"_qs, u"Noch einmal:"_qs}));
    EXPECT_FALSE(admitWith({u"geheim1"_qs, u"geheim2"_qs}));
    EXPECT_TRUE(dialogs.last().prompt.contains(u"nicht gleich"));
    EXPECT_FALSE(admitWith({u"abc"_qs, u"abc"_qs}));
    EXPECT_TRUE(dialogs.last().prompt.contains(u"mindestens 6 Zeichen"));
    EXPECT_EQ(password.kept, State::Unset);
    EXPECT_TRUE(admitWith({u"geheim1"_qs, u"geheim1"_qs}));
    EXPECT_EQ(password.password, u"geheim1"_qs);
    EXPECT_EQ(dialogs.shown.size(), 7);
    // Every later opening asks again, in one hidden line.
    EXPECT_TRUE(admitWith({u"geheim1"_qs}));
    EXPECT_EQ(dialogs.shown.at(7).choices, QStringList{u"Kennwort:"_qs});
}

// After each wrong password the next try waits twice as long, from one second up to half a
// minute, without even asking; the right one lets in and starts the count anew.
TEST_F(TeacherGateTest, WrongPasswordsSlowDownTheNextTry)
{
    password.kept = State::Kept;
    password.password = u"geheim1"_qs;
    for (const qint64 waitSeconds : {1, 2, 4, 8, 16, 30, 30}) {
        EXPECT_FALSE(admitWith({u"falsch"_qs}));
        const int asked = passwordBoxes();
        clock.advance(waitSeconds * 1000 - 1);
        EXPECT_FALSE(gate.admit());
        EXPECT_EQ(passwordBoxes(), asked) << waitSeconds;
        EXPECT_TRUE(dialogs.last().prompt.contains(u"erst in")) << waitSeconds;
        clock.advance(1);
    }
    EXPECT_TRUE(admitWith({u"geheim1"_qs}));
    EXPECT_FALSE(admitWith({u"falsch"_qs}));
    clock.advance(1000);
    EXPECT_TRUE(admitWith({u"geheim1"_qs}));
}

// Changing asks the present password and the new one twice; a preset password is changed
// only where the administrator set it, and an unreadable one lets nobody in.
TEST_F(TeacherGateTest, ChangingNeedsThePresentPasswordAndAPresetOneStays)
{
    password.kept = State::Kept;
    password.password = u"geheim1"_qs;
    for (const QStringList &typed : {QStringList{u"falsch"_qs, u"neu-123"_qs, u"neu-123"_qs},
                                     QStringList{u"geheim1"_qs, u"neu-123"_qs, u"neu-124"_qs}}) {
        dialogs.passwords.enqueue(typed);
        gate.changePassword();
        EXPECT_EQ(password.password, u"geheim1"_qs);
        clock.advance(1000);
    }
    dialogs.passwords.enqueue({u"geheim1"_qs, u"neu-123"_qs, u"neu-123"_qs});
    gate.changePassword();
    EXPECT_EQ(password.password, u"neu-123"_qs);
    EXPECT_EQ(dialogs.last().prompt, u"Das neue Kennwort ist gespeichert."_qs);

    const int asked = passwordBoxes();
    password.kept = State::Preset;
    gate.changePassword();
    EXPECT_TRUE(dialogs.last().prompt.contains(u"vorgegeben"));
    password.kept = State::Unreadable;
    EXPECT_FALSE(gate.admit());
    EXPECT_TRUE(dialogs.last().prompt.startsWith(password.problem()));
    EXPECT_EQ(passwordBoxes(), asked);
}

} // namespace
