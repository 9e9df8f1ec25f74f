// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MapTexts.h"

#include <QLocale>

namespace MapTexts {

namespace {

QString Count(int count, const char *one, const char *many)
{
    return QStringLiteral("%1 %2").arg(count).arg(QString::fromUtf8(count == 1 ? one : many));
}

} // namespace

QString MasteryName(Mastery mastery)
{
    switch (mastery) {
    case Mastery::NotAsked: return QStringLiteral("noch nicht gefragt");
    case Mastery::Secure: return QStringLiteral("sicher");
    case Mastery::Unsure: return QStringLiteral("unsicher");
    case Mastery::NeedsPractice: return QStringLiteral("Übungsbedarf");
    }
    return {};
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
    return {QStringLiteral("Antworten: %1").arg(map.answers),
            QStringLiteral("davon richtig: %1").arg(map.answers ? Percent(map.right, map.answers) : none),
            QStringLiteral("Antwortzeit (Median): %1").arg(map.medianMs >= 0 ? Seconds(map.medianMs) : none),
            QStringLiteral("sicher: %1").arg(numbers(map.count(Mastery::Secure))),
            QStringLiteral("unsicher: %1").arg(numbers(map.count(Mastery::Unsure))),
            QStringLiteral("Übungsbedarf: %1").arg(numbers(map.count(Mastery::NeedsPractice))),
            QStringLiteral("noch nicht gefragt: %1").arg(numbers(map.count(Mastery::NotAsked))),
            QStringLiteral("langsam: %1").arg(numbers(map.slowNumbers()))};
}

QString CellFigures(int n, const NumberFigures &figures)
{
    QString text = QStringLiteral("%1: %2").arg(n).arg(MasteryName(figures.mastery));
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
    int named = 0;
    for (const ErrorPattern &pattern : map.patterns) {
        named += pattern.count;
        lines.append(QStringLiteral("%1: %2 von %3, z. B. %4 statt %5")
                         .arg(ErrorTypeName(pattern.type))
                         .arg(pattern.count)
                         .arg(Count(map.wrong(), "Fehler", "Fehlern"))
                         .arg(pattern.exampleGiven)
                         .arg(pattern.exampleAsked));
    }
    const int single = map.wrong() - named;
    if (lines.isEmpty())
        lines.append(QStringLiteral("Keine Fehlerart kam mehr als einmal vor (%1).")
                         .arg(Count(single, "Fehler", "Fehler")));
    else if (single > 0)
        lines.append(QStringLiteral("Einzelne andere Fehler: %1").arg(single));
    return lines;
}

QString Trend(const WeekTrend &trend)
{
    return QStringLiteral("Diese Woche: %1. Woche davor: %2.")
        .arg(Totals(trend.answers[0], trend.right[0]), Totals(trend.answers[1], trend.right[1]));
}

} // namespace MapTexts
