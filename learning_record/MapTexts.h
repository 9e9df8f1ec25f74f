// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LearningMap.h"

#include <QDate>
#include <QString>
#include <QStringList>

// The figures of a learning map in plain German, the same in the window and on paper.
namespace MapTexts {

QString MasteryName(Mastery mastery);
// "02.03.2026"
QString Day(const QDate &day);
// "3,4 s"
QString Seconds(qint64 ms);
// "78 %"; empty without answers
QString Percent(int right, int answers);
// "47: Übungsbedarf, langsam – 6 Antworten, 4 falsch, Median 5,1 s. gesucht 47: 3× 74, 1× 48"
QString CellFigures(int n, const NumberFigures &figures);
// The diagnosis, most frequent error first: "Zahlendreher: 5 von 9 Fehlern, z. B. 74 statt 47".
QStringList Diagnosis(const LearningMap &map);
QString Trend(const WeekTrend &trend);
// The map's figures, a line each: answers, share right, median time, and how many numbers
// are sicher, unsicher, Übungsbedarf, noch nicht gefragt and langsam.
QStringList Figures(const LearningMap &map);
// "1234 Antworten, 78 % richtig"
QString Totals(int answers, int right);

} // namespace MapTexts
