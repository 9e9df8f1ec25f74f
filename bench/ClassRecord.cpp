// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClassRecord.h"

#include "ChildDocuments.h"
#include "JournalLine.h"
#include "QtClock.h"
#include "QtFiles.h"
#include "RecordCommands.h"
#include "RecordFiles.h"
#include "ResultsFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <cstdio>
#include <random>

namespace ClassRecord {

namespace {

constexpr int RunAnswers = 200;
constexpr int Computers = 10;
constexpr int Deletions = 3;

QString ChildName(int child) { return QStringLiteral("Kind %1").arg(child + 1, 2, 10, QChar(u'0')); }

void Put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

} // namespace

void Write(const QString &folder)
{
    QDir(folder).mkpath(RecordFiles::Folder);
    const QDateTime start = QDateTime::currentDateTime().addDays(-300);
    std::mt19937 chance(7);
    QStringList results;
    QByteArray classList = "\xEF\xBB\xBFName;Zweitsprache\r\n";
    for (int child = 0; child < Children; ++child) {
        const QString name = ChildName(child);
        for (int first = 0; first < AnswersPerChild; first += RunAnswers) {
            const int runNumber = first / RunAnswers;
            const QDateTime runStart = start.addSecs(qint64(runNumber) * 86400 + child * 60);
            RecordedAnswer answer;
            answer.run = QStringLiteral("pc%1-%2-%3-5e1f0c2a")
                             .arg(runNumber % Computers)
                             .arg(runStart.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'")))
                             .arg(1000 + child * 100 + runNumber);
            answer.name = name;
            answer.language = QStringLiteral("de");
            answer.pattern = QStringLiteral("Muster %1").arg(runNumber % 20);
            QByteArray lines;
            for (int i = 0; i < RunAnswers; ++i) {
                answer.time = runStart.addSecs(i * 5);
                answer.seq = quint64(i + 1);
                answer.mode = i % 3 ? RecordedAnswer::Mode::Felder : RecordedAnswer::Mode::Zahlen;
                answer.asked = int(chance() % 100) + 1;
                answer.given = chance() % 5 ? answer.asked : int(chance() % 100) + 1;
                answer.ms = 800 + qint64(chance() % 6000);
                lines += JournalLine(answer);
            }
            Put(folder + u'/' + RecordFiles::JournalPath(answer.run, runStart.date(), 1), lines);
        }
        results << ResultsEntry(40 + child, name);
        classList += name.toUtf8() + ";tr\r\n";
        Put(folder + u'/' + ChildDocuments::ReportName(name) + QStringLiteral(".pdf"), "%PDF-1.4\n");
    }
    Put(folder + QStringLiteral("/ZEP100.INI"), WriteResultsFile(MergeResults(results.mid(0, 100), {})));
    Put(folder + QStringLiteral("/Klasse.csv"), classList);
}

// The whole deletion as the window's "Löschen" does it, class list row included.
void MeasureDeletion(const QString &folder)
{
    QDir::setCurrent(folder);
    QtFiles files;
    QtClock clock;
    QList<double> times;
    for (int child = 0; child < Deletions; ++child) {
        QElapsedTimer timer;
        timer.start();
        const RecordCommands::Outcome outcome = RecordCommands(files, clock).deleteChild(ChildName(child), true, {});
        times.append(timer.nsecsElapsed() / 1e6);
        if (!outcome.failures.isEmpty())
            std::printf("deletion failed: %s\n", qPrintable(outcome.failures.join(u' ')));
    }
    std::sort(times.begin(), times.end());
    std::printf("a child deleted from that record:%6.1f ms (median of %d, %.1f to %.1f ms)\n",
                times.at(Deletions / 2), Deletions, times.first(), times.last());
}

} // namespace ClassRecord
