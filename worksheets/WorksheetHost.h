// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class DrawingSurface;
class ListBox;
class Module1;
struct Platform;

// What the worksheets use of the editor window: its lists, its board as the preview
// surface, and its list handler to bring back the normal view.
class WorksheetHost
{
public:
    virtual ~WorksheetHost() = default;
    virtual Module1 &state() = 0;
    virtual const Platform &platform() = 0;
    virtual ListBox &names() = 0;         // the names list; its selection is the pattern
    virtual ListBox &cellStrings() = 0;   // parallel to the names list
    virtual ListBox &printOrder() = 0;    // auxiliary list: the order of the printed cells
    virtual DrawingSurface &board() = 0;
    virtual void restoreBoard() = 0;      // paints the selected pattern again
};
