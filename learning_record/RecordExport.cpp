// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordExport.h"

#include "Csv.h"
#include "Diagnosis.h"
#include "JournalLine.h"
#include "MapTexts.h"
#include "Progress.h"
#include "Record.h"

QByteArray ExportCsv(const Record &record, int child)
{
    QByteArray bytes = CsvDocument({{QStringLiteral("Zeit"), QStringLiteral("Name"), QStringLiteral("Modus"),
                                     QStringLiteral("Sprache"), QStringLiteral("Bild"), QStringLiteral("Gefragt"),
                                     QStringLiteral("Antwort"), QStringLiteral("Richtig"),
                                     QStringLiteral("Millisekunden"), QStringLiteral("Fehlerart"),
                                     QStringLiteral("Stand")}});
    const QString yes = QStringLiteral("ja"), no = QStringLiteral("nein");
    const QString felder = QStringLiteral("Felder"), zahlen = QStringLiteral("Zahlen");
    for (qsizetype i = 0; i < record.children.size(); ++i) {
        if (child >= 0 && i != child)
            continue;
        const ChildAnswers &answers = record.children[i];
        std::vector<Stage> stages;
        Progress::Of(answers.answers, QDateTime(), &stages);
        for (size_t k = 0; k < answers.answers.size(); ++k) {
            const StoredAnswer &answer = answers.answers[k];
            const QStringList cells{
                QString::fromLatin1(IsoTime(answer.utcSeconds, answer.offsetSeconds)),
                answers.name,
                answer.mode == RecordedAnswer::Mode::Felder ? felder : zahlen,
                record.languages.value(answer.language),
                record.patterns.value(answer.pattern),
                QString::number(answer.asked),
                QString::number(answer.given),
                answer.right() ? yes : no,
                QString::number(answer.ms),
                answer.right() ? QString() : ErrorTypeName(ClassifyError(answer.asked, answer.given)),
                MapTexts::StageName(stages[k])};
            bytes += CsvLine(cells);
        }
    }
    return bytes;
}
