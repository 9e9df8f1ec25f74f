// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Record.h"

class Files;

// Merges every journal of the record folder into one record: children by their names as a
// person reads them, after the teacher's renamings; each line of a run counted once,
// however often its writer wrote it; whatever cannot be read skipped and counted.
Record ReadRecord(Files &files);

// The names of the children in the record, from the first line of each journal: quick
// enough for a start-up on a slow school server.
QStringList ReadRecordNames(Files &files);

// German order of names (umlauts with their letters, "mia" beside "Mia").
void SortNames(QStringList &names);
