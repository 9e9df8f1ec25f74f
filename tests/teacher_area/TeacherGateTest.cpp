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
    QString problem() override { return u"Kennwort.txt ist beschädigt."_qs; }
    bool matches(const QString &typed) override { return typed == password; }
    QString keep(const QString &typed) override { return password = typed, kept = State::Kept, QString(); }
    State kept = State::Kept;
    QString password = u"geheim1"_qs;
};

class TeacherGateTest : public testing::Test
{
protected:
    bool admitWith(const QStringList &typed)
    {
        dialogs.passwords.enqueue(typed);
        return gate.admit();
    }
    QString told() const { return dialogs.last().prompt; }

    PasswordDouble password;
    FakeDialogs dialogs;
    FakeClock clock;
    FakeProgramControl program;
    TeacherGate gate{password, dialogs, clock, program};
};

// The first opening has the teacher choose a password typed twice in hidden lines; a
// cancelled box, two different entries or a short one keep the record closed. Changing
// asks the present password first; a preset one is changed only where it was set.
TEST_F(TeacherGateTest, APasswordIsChosenTypedTwiceAndChangedOnlyWithThePresentOne)
{
    password.kept = State::Unset;
    EXPECT_FALSE(gate.admit());
    EXPECT_EQ(dialogs.last().choices, (QStringList{u"Neues Kennwort:"_qs, u"Noch einmal:"_qs}));
    EXPECT_FALSE(admitWith({u"geheim2"_qs, u"geheim3"_qs}));
    EXPECT_TRUE(told().contains(u"nicht gleich"));
    EXPECT_FALSE(admitWith({u"abc"_qs, u"abc"_qs}));
    EXPECT_TRUE(told().contains(u"mindestens 6 Zeichen"));
    EXPECT_EQ(password.kept, State::Unset);
    EXPECT_TRUE(admitWith({u"geheim2"_qs, u"geheim2"_qs}));
    EXPECT_TRUE(admitWith({u"geheim2"_qs})); // every opening asks again
    EXPECT_EQ(dialogs.last().choices, QStringList{u"Kennwort:"_qs});

    for (const QStringList &typed : {QStringList{u"falsch"_qs, u"neu-123"_qs, u"neu-123"_qs},
                                     QStringList{u"geheim2"_qs, u"neu-123"_qs, u"neu-124"_qs},
                                     QStringList{u"geheim2"_qs, u"neu-123"_qs, u"neu-123"_qs}}) {
        EXPECT_EQ(password.password, u"geheim2"_qs);
        clock.advance(1000);
        dialogs.passwords.enqueue(typed);
        gate.changePassword();
    }
    EXPECT_EQ(password.password, u"neu-123"_qs);
    password.kept = State::Preset;
    gate.changePassword();
    EXPECT_TRUE(told().contains(u"vorgegeben"));
}

// After each wrong password the next try waits twice as long, from one second up to half
// a minute, without even asking; the right one starts the count anew. An unreadable
// password lets nobody in.
TEST_F(TeacherGateTest, WrongPasswordsSlowDownTheNextTry)
{
    for (const qint64 waitSeconds : {1, 2, 4, 8, 16, 30, 30}) {
        EXPECT_FALSE(admitWith({u"falsch"_qs}));
        clock.advance(waitSeconds * 1000 - 1);
        EXPECT_FALSE(admitWith({u"geheim1"_qs}));
        EXPECT_TRUE(told().contains(u"erst in")) << waitSeconds;
        dialogs.passwords.clear();
        clock.advance(1);
    }
    EXPECT_TRUE(admitWith({u"geheim1"_qs}));
    EXPECT_FALSE(admitWith({u"falsch"_qs}));
    clock.advance(1000);
    EXPECT_TRUE(admitWith({u"geheim1"_qs}));
    password.kept = State::Unreadable;
    EXPECT_FALSE(admitWith({u"geheim1"_qs}));
    EXPECT_TRUE(told().startsWith(password.problem()));
}

} // namespace
