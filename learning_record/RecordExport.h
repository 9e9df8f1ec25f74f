// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

struct Record;

// The record as a spreadsheet for the teacher (Csv.h): one line per answer, by child and
// time, under the header "Zeit;Name;Modus;Sprache;Bild;Gefragt;Antwort;Richtig;
// Millisekunden;Fehlerart;Stand" (Stand: how well the child knows the asked number after the
// answer); of every child, or only of the child at that index.
QByteArray ExportCsv(const Record &record, int child = -1);
