// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Another program run in the same folder, for the tests of shared folders:
//   recording_program FOLDER RUN NAME COUNT PAUSE_MS
// records COUNT answers (every third one wrong) as the main window would report them,
// prints the number of each answer once it is handed over, and "fertig N" at the end with
// the answers that could not be written;
//   recording_program FOLDER --delete NAME
// deletes the child from the record and prints each failure, then "fertig".
#include "GivenAnswer.h"
#include "LearningRecorder.h"
#include "Module1.h"
#include "QtClock.h"
#include "QtFiles.h"
#include "RecordKeeping.h"
#include "RunIdentity.h"

#include <QCoreApplication>
#include <QDir>
#include <QThread>
#include <cstdio>

namespace {

class NamedRun : public RunIdentity
{
public:
    explicit NamedRun(QString name) : m_name(std::move(name)) {}
    QString runName() const override { return m_name; }

private:
    QString m_name;
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4 || !QDir::setCurrent(args[1]))
        return 2;
    QtFiles files;
    QtClock clock;
    if (args[2] == u"--delete") {
        for (const QString &failure : RecordKeeping(files, clock).remove(args[3]).failures)
            std::printf("%s\n", qPrintable(failure));
        std::printf("fertig\n");
        return 0;
    }
    if (args.size() != 6)
        return 2;
    const NamedRun run(args[2]);
    LearningRecorder recorder(files, clock, run);
    const int count = args[4].toInt();
    for (int i = 1; i <= count; ++i) {
        const int asked = 1 + i % 100;
        recorder.questionAsked(asked);
        recorder.answerGiven({asked, i % 3 == 0 ? 1 + (asked % 100) : asked, i % 3 != 0,
                              Module1::FelderMode, QStringLiteral("d"), QStringLiteral("Haus"), args[3]});
        std::printf("%d\n", i);
        std::fflush(stdout);
        QThread::msleep(args[5].toULong());
    }
    std::printf("fertig %lld\n", static_cast<long long>(recorder.finish()));
    return 0;
}
