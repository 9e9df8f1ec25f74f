// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "OwnAnswers.h"
#include "Platform.h"
#include "Practice.h"
#include "Progress.h"

#include <QObject>
#include <memory>

class Form1;
class Module1;
class MyNumbersWindow;

// The child's own numbers beside the play: the chart "Meine Zahlen" opened from the main
// window, the practice it starts on the main board, and the new stars named when an exercise
// is solved. Attaches to the main window through its signals and its two hooks.
class MyNumbers : public QObject
{
    Q_OBJECT

public:
    MyNumbers(Form1 &form, Module1 &state, const Platform &platform);
    ~MyNumbers() override;

    // Shows the child's chart, read from the record now.
    void open(const QString &name);
    // Starts on the main board the practice the chart offers; false when nothing is due.
    bool practise();
    // The chart closes; a practice on the board gives way to the pictures.
    void goOn();
    // "\rNeue Sterne: 47, 74" when the child's last answers made numbers sicher.
    QString solvedNote();
    // The record was changed elsewhere (a teacher deleted or renamed a child).
    void recordChanged() { m_answers.forget(); }

    MyNumbersWindow *window() const { return m_window.get(); }
    const Practice &practice() const { return m_practice; }

private:
    void showChart(const std::vector<StoredAnswer> &answers);

    Form1 &m_form;
    Platform m_platform;
    OwnAnswers m_answers;
    Practice m_practice;
    std::unique_ptr<MyNumbersWindow> m_window;
    QString m_child;
    QList<int> m_toPractise;
};
