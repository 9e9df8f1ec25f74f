// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MapTexts.h"

#include <QLocale>

namespace MapTexts {

QString Count(int count, const char *one, const char *many)
{
    return QStringLiteral("%1 %2").arg(count).arg(QString::fromUtf8(count == 1 ? one : many));
}

QString StageName(Stage stage)
{
    switch (stage) {
    case Stage::New: return QStringLiteral("neu");
    case Stage::Seen: return QStringLiteral("gesehen");
    case Stage::Secure: return QStringLiteral("sicher");
    default: break;
    }
    return QStringLiteral("im Übungskasten %1").arg(BoxOf(stage));
}

QString StageRule()
{
    return QStringLiteral(
        "Eine Zahl, bei der sich das Kind vertut, kommt in Übungskasten 1. Ist sie wieder dran "
        "(in Kasten 1 sofort, in Kasten 2 nach einem Tag, in Kasten 3 nach drei, in Kasten 4 nach "
        "sieben Tagen) und beim ersten Versuch richtig, rückt sie einen Kasten weiter; aus Kasten 4 "
        "wird sie sicher, ein neuer Fehler bringt sie in Kasten 1 zurück. Eine Zahl ohne Fehler ist "
        "gesehen und wird sicher, wenn sie an drei verschiedenen Tagen beim ersten Versuch richtig war.");
}

QString Day(const QDate &day)
{
    return QLocale(QLocale::German).toString(day, QStringLiteral("dd.MM.yyyy"));
}

QString Seconds(qint64 ms)
{
    return QLocale(QLocale::German).toString(ms / 1000.0, 'f', 1) + QStringLiteral(" s");
}

QString Percent(int right, int answers)
{
    if (answers == 0)
        return {};
    return QStringLiteral("%1 %").arg(qRound(100.0 * right / answers));
}

QString Totals(int answers, int right)
{
    if (answers == 0)
        return QStringLiteral("keine Antworten");
    return Count(answers, "Antwort", "Antworten") + QStringLiteral(", ") + Percent(right, answers)
        + QStringLiteral(" richtig");
}

QStringList Figures(const LearningMap &map)
{
    const QString none = QStringLiteral("–");
    const auto numbers = [](int count) { return Count(count, "Zahl", "Zahlen"); };
    QStringList times;
    for (const auto &[mode, median] : {std::pair("Felder", map.medianMs[0]), std::pair("Zahlen", map.medianMs[1])})
        if (median >= 0)
            times.append(QStringLiteral("%1 %2").arg(QLatin1String(mode), Seconds(median)));
    const Progress &progress = map.progress;
    const int boxed = progress.count(Stage::Box1) + progress.count(Stage::Box2) + progress.count(Stage::Box3)
        + progress.count(Stage::Box4);
    return {QStringLiteral("Antworten: %1").arg(map.answers),
            QStringLiteral("davon richtig: %1").arg(map.answers ? Percent(map.right, map.answers) : none),
            QStringLiteral("Median: %1").arg(times.isEmpty() ? none : times.join(QStringLiteral(", "))),
            QStringLiteral("sicher: %1").arg(numbers(progress.count(Stage::Secure))),
            QStringLiteral("im Übungskasten: %1 (%2 fällig)").arg(numbers(boxed)).arg(progress.due().size()),
            QStringLiteral("gesehen: %1").arg(numbers(progress.count(Stage::Seen))),
            QStringLiteral("neu: %1").arg(numbers(progress.count(Stage::New))),
            QStringLiteral("langsam: %1").arg(numbers(map.slowNumbers()))};
}

QString CellFigures(int n, const NumberFigures &figures, const NumberProgress &progress)
{
    QString text = QStringLiteral("%1: %2").arg(n).arg(StageName(progress.stage));
    if (progress.stage != Stage::New)
        text += QStringLiteral(" seit ") + Day(progress.since);
    if (progress.box() > 0)
        text += progress.overdueDays > 0 ? QStringLiteral(", fällig seit ") + Day(progress.due)
            : progress.overdueDays == 0  ? QStringLiteral(", heute fällig")
                                         : QStringLiteral(", fällig am ") + Day(progress.due);
    if (figures.answers == 0)
        return text;
    if (figures.slow)
        text += QStringLiteral(", langsam");
    text += QStringLiteral(" – %1, %2 falsch, Median %3")
                .arg(Count(figures.answers, "Antwort", "Antworten"))
                .arg(figures.wrong)
                .arg(Seconds(figures.medianMs));
    if (figures.wrongGiven.isEmpty())
        return text + u'.';
    QStringList given;
    for (const auto &[answer, times] : figures.wrongGiven)
        given.append(QStringLiteral("%1× %2").arg(times).arg(answer));
    return text + QStringLiteral(". gesucht %1: %2").arg(n).arg(given.join(QStringLiteral(", ")));
}

QStringList Diagnosis(const LearningMap &map)
{
    if (map.answers == 0)
        return {QStringLiteral("Im gewählten Zeitraum gibt es keine Antworten.")};
    if (map.wrong() == 0)
        return {QStringLiteral("Im gewählten Zeitraum war jede Antwort richtig.")};
    QStringList lines;
    for (const ErrorPattern &pattern : map.patterns)
        lines.append(QStringLiteral("%1: %2 von %3, z. B. %4 statt %5")
                         .arg(ErrorTypeName(pattern.type))
                         .arg(pattern.count)
                         .arg(Count(map.wrong(), "Fehler", "Fehlern"))
                         .arg(pattern.exampleGiven)
                         .arg(pattern.exampleAsked));
    return lines;
}

QStringList ClassFigures(const ClassMap &map)
{
    return {Count(map.children, "Kind", "Kinder"),
            QStringLiteral("mit Zahlen im Übungskasten: %1").arg(map.practising),
            QStringLiteral("Auf dem Feld: bei wie vielen Kindern die Zahl im Übungskasten ist")};
}

QString ClassDiagnosis(const ClassMap &map)
{
    if (map.mostMissed.isEmpty())
        return QStringLiteral("Im gewählten Zeitraum war jede Antwort der Klasse richtig.");
    QStringList numbers;
    for (int n : map.mostMissed)
        numbers.append(QStringLiteral("%1 (%2-mal)").arg(n).arg(map.missed[size_t(n)]));
    return QStringLiteral("Am häufigsten falsch im gewählten Zeitraum: ") + numbers.join(QStringLiteral(", "));
}

QString ClassCell(int n, const ClassMap &map)
{
    return QStringLiteral("%1: bei %2 im Übungskasten, %3-mal falsch")
        .arg(n)
        .arg(Count(map.inBox[size_t(n)], "Kind", "Kindern"))
        .arg(map.missed[size_t(n)]);
}

QString Trend(const WeekTrend &trend)
{
    return QStringLiteral("Diese Woche: %1. Woche davor: %2.")
        .arg(Totals(trend.answers[0], trend.right[0]), Totals(trend.answers[1], trend.right[1]));
}

} // namespace MapTexts
