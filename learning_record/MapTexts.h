// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ClassMap.h"
#include "LearningMap.h"

#include <QDate>
#include <QString>
#include <QStringList>

// The figures of a learning map in plain German, the same in the window and on paper.
namespace MapTexts {

// "1 Zahl", "3 Zahlen": the count with the word in the form it needs.
QString Count(int count, const char *one, const char *many);
// "sicher", "im Übungskasten 2", "gesehen", "neu"
QString StageName(Stage stage);
// How the stages are worked out, in a few sentences for teachers and parents.
QString StageRule();
// "02.03.2026"
QString Day(const QDate &day);
// "3,4 s"
QString Seconds(qint64 ms);
// "78 %"; empty without answers
QString Percent(int right, int answers);
// "47: im Übungskasten 2 seit 02.03.2026, fällig am 03.03.2026, langsam – 6 Antworten,
// 4 falsch, Median 5,1 s. gesucht 47: 3× 74, 1× 48"
QString CellFigures(int n, const NumberFigures &figures, const NumberProgress &progress);
// The diagnosis, every error type that occurred, most frequent first: "Zahlendreher: 5 von 9
// Fehlern, z. B. 74 statt 47".
QStringList Diagnosis(const LearningMap &map);
QString Trend(const WeekTrend &trend);
// The map's figures, a line each: answers, share right, median time per mode, and how many
// numbers are sicher, in a practice box (and due), gesehen, neu and langsam.
QStringList Figures(const LearningMap &map);
// The class map's figures, a line each, and what the class misses most.
QStringList ClassFigures(const ClassMap &map);
QString ClassDiagnosis(const ClassMap &map);
// "47: bei 3 Kindern im Übungskasten, 12-mal falsch"
QString ClassCell(int n, const ClassMap &map);
// "1234 Antworten, 78 % richtig"
QString Totals(int answers, int right);

} // namespace MapTexts
