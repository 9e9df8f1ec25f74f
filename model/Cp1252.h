// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// The single-byte code page of the two text files. Bytes without a character
// decode to U+FFFD; characters without a byte encode as "?".
QString DecodeCp1252(QByteArrayView bytes);
QByteArray EncodeCp1252(QStringView text);
