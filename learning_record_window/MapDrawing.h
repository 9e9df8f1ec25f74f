// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LearningMap.h"

#include <QColor>
#include <QPointF>
#include <QRectF>

class TwipCanvas;

// A child's learning map drawn like the game board, on the screen and on paper alike: each
// cell with its number, the colour of its mastery and a mark that tells the same without
// colour (a tick for sicher, "?" for unsicher, "!" for Übungsbedarf, an hourglass for
// langsam); cells never asked stay plain.
namespace MapDrawing {

QColor MasteryColour(Mastery mastery);
// number 0 draws no number.
void DrawCell(TwipCanvas &canvas, const QRectF &cell, Mastery mastery, bool slow, int number);
void DrawMap(TwipCanvas &canvas, const LearningMap &map, QPointF origin, double cellTwips);
// Each mastery and slowness as a small cell with its name, one below the other; returns the
// bottom edge.
double DrawLegend(TwipCanvas &canvas, QPointF origin, double cellTwips, double gapTwips);

} // namespace MapDrawing
