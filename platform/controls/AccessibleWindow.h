// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>
#include <QList>

// What assistive technology is told about one of the program's windows: the controls the
// screen shows, and nothing else. Hidden controls and those parked beyond the window's
// edge (the pattern lists, the results list and the help panel while out of view) are
// left out, so that a screen reader does not walk through the library's cell strings.
class AccessibleWindow : public QAccessibleWidget
{
public:
    explicit AccessibleWindow(QWidget *window);

    // The window answers assistive technology through this interface from now on.
    static void install(QWidget &window);

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;

private:
    QList<QWidget *> shownChildren() const;
};
