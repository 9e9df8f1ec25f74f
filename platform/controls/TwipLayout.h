// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Twips.h"

#include <QList>
#include <QSize>

class QFont;
class QWidget;

// Windows and controls are placed in twips and remember their twips, so that a change of
// the scale factor lays out every window again with no code of its own, and a control's
// place reads back exactly in twips at every factor.

void Place(QWidget *control, const TwipRect &twips);
void Place(QWidget *control, int left, int top, int width, int height);
// Moves a control that sizes itself.
void Place(QWidget *control, int left, int top);
// Overlays are shown and hidden by their left edge; a control moved out of its window
// leaves the Tab chain until it comes back.
void MoveLeftEdge(QWidget *control, int left);
int LeftEdge(const QWidget *control);

void SetWindowTwips(QWidget &window, QSize twips);
// A font given in points at factor 1.
void SetControlFont(QWidget &control, const QFont &font);

// Applies the current scale factor to every window and control of the program.
void RelayoutAll();

// The Tab chain of a window: its focusable controls region by region (regions in twips,
// in the order given; a control belongs to the first region holding its centre, or after
// all of them), within a region top to bottom, then left to right.
void OrderTabs(QWidget &window, const QList<TwipRect> &regions);
