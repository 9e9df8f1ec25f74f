// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QStringList>

// Writes one field per line, each line ending with CR LF, the whole in one encoding of
// the text files (see EncodeText). A field that would not read back as written (a comma,
// a line break, a leading blank or a leading double quote) is put in double quotes;
// every other field is written exactly as it is.
QByteArray WriteFieldLines(const QStringList &fields);
