// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ClassMap.h"
#include "LearningMap.h"

#include <QColor>
#include <QPointF>
#include <QRectF>

class TwipCanvas;

// A child's numbers drawn like the game board, on the screen and on paper alike, for the
// teacher, the parents and the child: each cell with its number and a mark of its stage
// that needs no colour (a star for sicher, a box filled from the bottom by its number for
// the practice boxes, a small dot for gesehen, an hourglass for langsam); new numbers stay
// plain.
namespace MapDrawing {

// number 0 draws no number.
void DrawCell(TwipCanvas &canvas, const QRectF &cell, Stage stage, bool slow, int number);
void DrawMap(TwipCanvas &canvas, const LearningMap &map, QPointF origin, double cellTwips);
// The class map: each cell filled by how many children have its number in a practice box,
// the most of them full, with that count below the number.
void DrawClassMap(TwipCanvas &canvas, const ClassMap &map, QPointF origin, double cellTwips);
// Each stage and slowness as a small cell with its name, one below the other; returns the
// bottom edge.
double DrawLegend(TwipCanvas &canvas, QPointF origin, double cellTwips, double gapTwips);

} // namespace MapDrawing
