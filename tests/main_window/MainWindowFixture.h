// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BoardSurface.h"
#include "ClickLabel.h"
#include "FakePlatform.h"
#include "MarkedCells.h"
#include "Form1.h"
#include "ListBox.h"
#include "Module1.h"
#include "PictureButton.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>
#include <gtest/gtest.h>

inline const QColor LightRed(255, 0, 0), LightGreen(0, 255, 0), Yellow(255, 255, 0),
    LightMagenta(255, 0, 255);
inline const QString Guest = QStringLiteral("Freund und Gast");

// A pattern file of name / cell string records.
inline QByteArray PatternText(std::initializer_list<std::pair<const char *, QString>> records)
{
    QByteArray text;
    for (const auto &[name, cells] : records)
        text += QByteArray(name) + "\r\n" + cells.toLatin1() + "\r\n";
    return text;
}

inline QPointF CellCorner(int n) { return QPointF(500 * ((n - 1) % 10), 500 * ((n - 1) / 10)); }
inline QPointF CellCentre(int n) { return CellCorner(n) + QPointF(250, 250); }

// Colour near the lower right corner of a cell, clear of its number and outline.
inline QColor CellColour(const DrawingSurface &surface, int n)
{
    return surface.colorAt(CellCorner(n) + QPointF(440, 440));
}

// Whether anything but the light red fill shows inside the cell (its printed number).
inline bool CellHasInk(const DrawingSurface &surface, int n)
{
    for (int y = 45; y <= 455; y += 15)
        for (int x = 45; x <= 455; x += 15)
            if (surface.colorAt(CellCorner(n) + QPointF(x, y)) != LightRed)
                return true;
    return false;
}

inline int LeftTwips(const QWidget *widget) { return widget->x() * 15; }

class MainWindowTest : public testing::Test
{
protected:
    // Loads the window from the given files and shows it (the first activation).
    void start(const QByteArray &patterns, const QByteArray &results = {})
    {
        fake.files.files.insert(QStringLiteral("ZEP100.TXT"), patterns);
        fake.files.files.insert(QStringLiteral("ZEP100.INI"), results);
        form.Form_Load();
        form.show();
    }

    // The next numbers drawn.
    void willAsk(std::initializer_list<int> numbers)
    {
        for (int n : numbers)
            fake.random.values.enqueue((n - 0.5) / 100.0);
    }

    void click(int n) { form.Bild11_MouseDown(Qt::LeftButton, CellCentre(n)); }

    void press(int key, QWidget *target = nullptr, bool autoRepeat = false)
    {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, QString(), autoRepeat);
        QApplication::sendEvent(target ? target : form.HBildlauf1, &event);
    }

    // A key event as the X server sends it, with its timestamp and without Qt's repeat flag;
    // a held key repeats as a release and a press at the same time.
    void keyAt(QEvent::Type type, int key, quint64 time, QWidget *target = nullptr)
    {
        QKeyEvent event(type, key, Qt::NoModifier);
        event.setTimestamp(time);
        QApplication::sendEvent(target ? target : form.HBildlauf1, &event);
    }
    void holdKey(int key, quint64 from, int repeats, QWidget *target = nullptr)
    {
        keyAt(QEvent::KeyPress, key, from, target);
        for (int repeat = 1; repeat <= repeats; ++repeat) {
            keyAt(QEvent::KeyRelease, key, from + 500 + 40 * repeat, target);
            keyAt(QEvent::KeyPress, key, from + 500 + 40 * repeat, target);
        }
    }

    QColor colour(int n) const { return CellColour(*form.Bild11, n); }

    void expectCounters(int hits, int errors)
    {
        EXPECT_EQ(std::tuple(int(state.HitCount), state.ErrorCount, form.Bezeichnung1->text(), form.Bezeichnung2->text()),
                  std::tuple(hits, errors, QString::number(hits), QString::number(errors)));
    }

    Module1 state;
    FakePlatform fake;
    Form1 form{state, fake.platform};
};
