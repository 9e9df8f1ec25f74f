// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Another program working in the same folder, for the tests of the shared results file.
//   other_program add ENTRY          adds a result and saves as the exit does
//   other_program hold MS [ENTRY]    takes the results file's lock, says "gesperrt", keeps
//                                    the lock MS milliseconds, appends ENTRY, ends
#include "QtFiles.h"
#include "ResultsKeeper.h"
#include "TextFiles.h"

#include <QCoreApplication>
#include <QThread>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    QtFiles files;
    if (arguments.value(1) == QStringLiteral("add")) {
        ResultsKeeper keeper(files);
        keeper.load();
        keeper.added(arguments.value(2));
        return keeper.save().outcome == ResultsKeeper::Saved::Outcome::Written ? 0 : 1;
    }
    const auto lock = files.lock(ResultsFileName);
    std::puts(lock ? "gesperrt" : "frei");
    std::fflush(stdout);
    QThread::msleep(arguments.value(2).toULong());
    if (arguments.size() > 3) {
        const QByteArray before = files.read(ResultsFileName, MaxResultsFileBytes).bytes;
        files.write(ResultsFileName, before + arguments.value(3).toLatin1() + "\r\n");
    }
    return 0;
}
