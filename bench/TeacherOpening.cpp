// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TeacherOpening.h"

#include "Median.h"
#include "ProgramWiring.h"
#include "RecordWindow.h"
#include "ScriptedPlatform.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <cstdio>

namespace {

constexpr int CheckRuns = 9;
constexpr int OpeningRuns = 5;
const QString Password = QStringLiteral("Lehrerin-3a");

} // namespace

void MeasureTeacherOpening(const QString &folder, const std::function<void(const QString &)> &writeClassYear)
{
    writeClassYear(folder);
    QDir::setCurrent(folder);
    ScriptedPlatform services; // the teacher's typing comes from its boxes' script
    StoredTeacherPassword password(services.files, {}, {});
    if (!password.keep(Password).isEmpty()) {
        std::printf("record window behind the password: the password could not be kept\n");
        return;
    }
    QElapsedTimer timer;
    QList<double> checks, openings;
    for (int i = 0; i < CheckRuns; ++i) {
        timer.start();
        password.matches(Password);
        checks.append(timer.nsecsElapsed() / 1e6);
    }
    for (int i = 0; i < OpeningRuns; ++i) {
        ProgramWiring zep(services.platform, {}, {});
        services.dialogs.passwords.enqueue({Password});
        timer.start();
        zep.openRecord();
        QApplication::processEvents();
        openings.append(timer.nsecsElapsed() / 1e6);
        if (!zep.recordWindow())
            return;
    }
    std::printf("password check (Argon2id):    %7.1f ms (median of %d)\n", Median(checks), CheckRuns);
    std::printf("record window behind it:      %7.1f ms (median of %d, with the first map)\n", Median(openings),
                OpeningRuns);
}
