// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

class ClassList;
class Files;

// Changes a table with a "Name" column that others may change too (the class list, which
// the teacher's spreadsheet or another computer may save meanwhile): under the file's lock
// it is read again, change alters only what it must, and when change says it changed
// something the file is replaced as a whole. A missing file is a new list when
// createMissing, else there is nothing to change. The empty text on success or when nothing
// was changed; else why not, in German, and the file stays as it is.
QString ChangeClassList(Files &files, const QString &fileName, qsizetype maxBytes, bool createMissing,
                        const std::function<bool(ClassList &)> &change);
