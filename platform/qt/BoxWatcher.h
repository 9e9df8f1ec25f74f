// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QObject>
#include <QSet>

class QDialog;
class QFont;
class QKeyEvent;
class QMenu;

// Gives every box of the program, as it opens, what the windows have, so that a box made
// anywhere gets it without code of its own: its text as large as the windows' labels at
// the current zoom, which also Ctrl+Plus, Ctrl+Minus and Ctrl+0 change while it is open;
// room for its whole title as the window manager draws it, and fields as wide as their
// text and a long name. A key held when a box opens reaches the box only once pressed
// afresh, so that the repeats of the Enter that answered never close it. Menus and
// tooltips take the same font.
class BoxWatcher : public QObject
{
public:
    // The characters of a name that a name field shows whole.
    static constexpr int NameShown = 40;

    static void installOnce();
    // The text of boxes, menus and tooltips at the current zoom.
    static QFont boxFont();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit BoxWatcher(QObject *parent);
    void opened(QDialog &box);
    static void fit(QDialog &box);
    static void widen(QMenu &menu);
    bool keptFrom(QDialog &box, const QKeyEvent &key);

    struct Box
    {
        quint64 lastHoldBefore = 0; // the last hold of a key that began before the box
        QSet<int> pressedHere;       // keys freshly pressed in the box
    };
    QHash<const QDialog *, Box> m_boxes;
};
