// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MyNumbers.h"

#include "Clock.h"
#include "Form1.h"
#include "MyNumbersWindow.h"
#include "ProgramControl.h"

#include <QStringList>

MyNumbers::MyNumbers(Form1 &form, Module1 &state, const Platform &platform)
    : m_form(form), m_platform(platform), m_answers(platform.files, platform.clock),
      m_practice(state, platform.random)
{
    connect(&form, &Form1::myNumbersWanted, this, &MyNumbers::open);
    connect(&form, &Form1::answerGiven, this, [this](const GivenAnswer &answer) {
        m_answers.take(answer);
        if (m_form.leads(&m_practice))
            m_practice.answered(answer);
    });
    form.setSolvedNote([this] { return solvedNote(); });
    // After the practice the chart shows the new stars, from the answers kept.
    m_practice.whenSolved = [this] { showChart(m_answers.of(m_child)); };
}

MyNumbers::~MyNumbers() = default;

void MyNumbers::open(const QString &name)
{
    m_child = name;
    m_platform.program.setBusy(true);
    const std::vector<StoredAnswer> &answers = m_answers.read(name);
    m_platform.program.setBusy(false);
    showChart(answers);
}

void MyNumbers::showChart(const std::vector<StoredAnswer> &answers)
{
    if (!m_window) {
        m_window = std::make_unique<MyNumbersWindow>(m_platform.screen);
        connect(m_window.get(), &MyNumbersWindow::practiseWanted, this, &MyNumbers::practise);
        connect(m_window.get(), &MyNumbersWindow::goOnWanted, this, &MyNumbers::goOn);
    }
    const Progress progress = Progress::Of(answers, m_platform.clock.now());
    m_toPractise = progress.toPractise();
    const PatternLibrary library = m_form.library();
    m_window->showChart(m_child, progress, int(m_toPractise.size()), library.names.value(library.selected));
}

bool MyNumbers::practise()
{
    if (m_toPractise.isEmpty())
        return false;
    m_practice.prepare(m_child, m_toPractise);
    m_window->hide();
    m_form.raise();
    m_form.activateWindow();
    m_form.lead(&m_practice);
    return true;
}

void MyNumbers::goOn()
{
    if (m_window)
        m_window->hide();
    if (m_form.leads(&m_practice))
        m_form.lead(nullptr);
}

QString MyNumbers::solvedNote()
{
    const QString name = m_answers.name(); // of the last answer
    if (name.isEmpty() || name == Form1::StartUserName)
        return {};
    QStringList stars;
    for (int n : m_answers.newlySecure(name))
        stars.append(QString::number(n));
    if (stars.isEmpty())
        return {};
    return (stars.size() == 1 ? QStringLiteral("\rNeuer Stern: ") : QStringLiteral("\rNeue Sterne: "))
        + stars.join(QStringLiteral(", "));
}
