// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Record.h"

class Files;

// Merges every journal of the record folder into one record: a line that a rewrite copied
// elsewhere counts once, a line that a deletion or renaming took out counts nowhere, and
// whatever cannot be read is skipped and counted.
Record ReadRecord(Files &files);

// The names of the children in the record, from the first line of each journal: quick
// enough for a start-up on a slow school server.
QStringList ReadRecordNames(Files &files);

// German order of names (umlauts with their letters, "mia" beside "Mia").
void SortNames(QStringList &names);
