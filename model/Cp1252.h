// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The single-byte code page of the two text files. Every byte decodes to one character
// and encodes back to itself.
QString DecodeCp1252(QByteArrayView bytes);
// None when a character has no byte in the code page.
std::optional<QByteArray> EncodeCp1252(QStringView text);
