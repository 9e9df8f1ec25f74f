// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A class's year in the learning record: 30 children ("Kind 01" to "Kind 30"), 20,000
// answers each, written by runs of 200 answers on 10 computers.
namespace ClassRecord {

constexpr int Children = 30;
constexpr int AnswersPerChild = 20000;

// Writes the journals into folder/Lernstand, as the runs would have, with the results list,
// the class list and a parents' page for each child beside them.
void Write(const QString &folder);
// Prints how long deleting a child takes in that folder (the median of three children).
void MeasureDeletion(const QString &folder);

} // namespace ClassRecord
