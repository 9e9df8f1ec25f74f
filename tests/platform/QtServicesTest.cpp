// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtPrinter.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(QtPrinter, PdfNamesNeverOverwriteAnExistingFile)
{
    QTemporaryDir folder;
    const QString first = QtPrinter::FreePdfName(folder.path(), QStringLiteral("Zahlenliste"));
    EXPECT_TRUE(first.endsWith(u"/Zahlenliste.pdf"));
    QFile(first).open(QIODevice::WriteOnly);
    const QString second = QtPrinter::FreePdfName(folder.path(), QStringLiteral("Zahlenliste"));
    EXPECT_TRUE(second.endsWith(u"/Zahlenliste-2.pdf"));
}
