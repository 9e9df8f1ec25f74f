// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BoardCells.h"
#include "Progress.h"

#include <QWidget>

class BoardSurface;
class QLabel;
class QPushButton;
class Screen;

// "Meine Zahlen": the child's own hundred chart, for this child only. A star stands on each
// number it knows for sure, a box filled from the bottom on each number in a practice box,
// a dot on each number seen; the buttons start the practice or go back to the pictures.
class MyNumbersWindow : public QWidget, public BoardCells
{
    Q_OBJECT

public:
    static constexpr int WindowWidth = 5520;
    static constexpr int WindowHeight = 7500;
    static constexpr int ChartCellTwips = 500;

    explicit MyNumbersWindow(Screen &screen, QWidget *parent = nullptr);

    // Shows the chart of the child; toPractise: how many numbers a practice asks now;
    // nextPicture: the pattern the child goes on with.
    void showChart(const QString &name, const Progress &progress, int toPractise, const QString &nextPicture);

    // BoardCells, for screen readers: "47: sicher".
    QString cellText(int n) const override;
    Mark cellMark(int) const override { return Mark::None; }

    QLabel *heading, *today;
    BoardSurface *chart;
    QPushButton *practiseButton, *goOnButton;

signals:
    void practiseWanted();
    void goOnWanted(); // also Escape

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    Screen &m_screen;
    Progress m_progress;
};
