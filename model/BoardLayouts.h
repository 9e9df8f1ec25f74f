// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

// Which numbers the main board prints for a layout code (1..11; every other code
// prints all numbers, like 1), in ascending order.
QList<int> LayoutNumbers(int layout);

struct CatalogueEntry
{
    const char *text; // UTF-8
    int layout;
};

// The eleven catalogue entries in list order with their layout codes.
const QList<CatalogueEntry> &BoardCatalogue();
