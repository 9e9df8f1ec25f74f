// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class Files;

// The names a child may pick in the new-user box: those in the learning record and those
// in the class list of the working folder, each once, in German order.
QStringList PickableNames(Files &files, const QStringList &recordNames);
