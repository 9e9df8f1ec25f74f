// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtDialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QTimer>
#include <gtest/gtest.h>

// A name box takes no more than its limit, however much is pasted into it.
TEST(QtDialogs, AnInputBoxTakesNoMoreThanItsLimit)
{
    QtDialogs dialogs;
    QTimer::singleShot(0, [] {
        auto *box = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        box->findChild<QLineEdit *>()->setText(QString(100'000, u'x'));
        box->accept();
    });
    EXPECT_EQ(dialogs.inputBox(QStringLiteral("Neuer Name:"), QStringLiteral("Benutzer eingeben"),
                               QString(), MaxNameLength),
              QString(100, u'x'));
}
