// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

// The teacher's window opened as the editor's icon opens it, behind the password, on a
// class's year in the folder (writeClassYear puts it there): prints the password check
// alone and the whole opening up to the first child's map.
void MeasureTeacherOpening(const QString &folder, const std::function<void(const QString &)> &writeClassYear);
