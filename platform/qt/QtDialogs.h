// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Dialogs.h"

// The boxes on the desktop; each box gets what BoxWatcher gives every box of the program.
class QtDialogs : public Dialogs
{
public:
    QtDialogs();

    Answer messageBox(const QString &prompt, MessageStyle style, const QString &title) override;
    Answer questionBeside(const QString &prompt, const QString &title, const QRect &keepClear) override;
    Answer questionWithTick(const QString &prompt, const QString &title, const QString &tick,
                            bool &ticked) override;
    QString inputBox(const QString &prompt, const QString &title, const QString &preset,
                     int maxLength = NoLengthLimit) override;
    QString inputBoxWithChoices(const QString &prompt, const QString &title, const QStringList &choices,
                                int maxLength = NoLengthLimit) override;
    QStringList passwordBox(const QString &prompt, const QString &title, const QStringList &labels) override;
    void beep() override;

    // The program's own boxes carry this property, so that closing one is not taken
    // for a return to a window.
    static constexpr const char *DialogProperty = "zepDialog";

    // Where a box of the given outer size goes beside the area: right of it, else left,
    // below or above, the first place fully on the screen; failing all, the right-hand
    // place moved onto the screen.
    static QPoint placeBeside(QSize outer, const QRect &keepClear, const QRect &screen);
};
