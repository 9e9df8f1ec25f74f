// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <gtest/gtest.h>

// Test programs that use the platform find the program's modules in the build tree.
#if __has_include("ProgramModule.h")
#include "ProgramModule.h"
#endif

// Widgets, fonts and printing need an application object for the whole run.
int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen"
                                                                     : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
#if __has_include("ProgramModule.h")
    ProgramModule::LookIn(QStringLiteral(ZEP_MODULE_FOLDER));
#endif
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
