// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtPrinter.h"

#include <QLocale>
#include <QSizeF>
#include <gtest/gtest.h>

// A sheet written as PDF takes the paper of the locale: A4 in Germany, Letter in the USA.
TEST(QtPrinter, PdfPaperFollowsTheLocale)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const QSizeF letter = QtPrinter::PdfLayout().pageSize().size(QPageSize::Millimeter);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QSizeF a4 = QtPrinter::PdfLayout().pageSize().size(QPageSize::Millimeter);
    QLocale::setDefault(before);
    EXPECT_NEAR(letter.width(), 215.9, 0.1);
    EXPECT_NEAR(letter.height(), 279.4, 0.1);
    EXPECT_NEAR(a4.width(), 210, 0.1);
    EXPECT_NEAR(a4.height(), 297, 0.1);
}
