// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class ClickLabel;
class PictureButton;
class Screen;

// The small window with the program's name and information; it hides itself.
class ZEPLABEL : public QWidget
{
    Q_OBJECT

public:
    static constexpr int WindowWidth = 3510;
    static constexpr int WindowHeight = 3510;

    explicit ZEPLABEL(Screen &screen, QWidget *parent = nullptr);

    // Shows the window without blocking the others.
    void open();
    void Bezeichnung1_Click();
    void Bild1_Click();

    ClickLabel *Bezeichnung1, *Bezeichnung2, *Bezeichnung3, *Bezeichnung4, *Bezeichnung5,
        *Bezeichnung6, *Bezeichnung7, *Bezeichnung8;
    PictureButton *Bild1;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void Form_Paint();

    Screen &m_screen;
};
