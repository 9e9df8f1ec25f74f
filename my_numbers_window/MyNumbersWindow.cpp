// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MyNumbersWindow.h"

#include "BoardSurface.h"
#include "Cells.h"
#include "MapDrawing.h"
#include "MapTexts.h"
#include "Screen.h"
#include "TwipLayout.h"
#include "WindowLook.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {

using namespace WindowLook;
using MapTexts::Count;

constexpr TwipRect HeadingPlace{260, 120, 5000, 600};
constexpr int ChartLeft = 260;
constexpr int ChartTop = 840;
constexpr int ChartTwips = 10 * MyNumbersWindow::ChartCellTwips + 30; // and the right and bottom lines
constexpr TwipRect HintPlace{260, 5910, 5000, 300};
constexpr TwipRect TodayPlace{260, 6240, 5000, 420};
constexpr TwipRect PractisePlace{260, 6780, 1800, 495};
constexpr TwipRect GoOnPlace{2180, 6780, 3080, 495};

} // namespace

MyNumbersWindow::MyNumbersWindow(Screen &screen, QWidget *parent) : QWidget(parent, Qt::Window), m_screen(screen)
{
    SetUpWindow(*this, QStringLiteral("Meine Zahlen"), QStringLiteral(":/icons/star.svg"), WindowWidth,
                WindowHeight, Qt::white);
    // The chart is the child's alone: the main window waits while it is open.
    setWindowModality(Qt::ApplicationModal);

    const auto label = [this](const TwipRect &place, double points) {
        auto *text = new QLabel(this);
        text->setTextFormat(Qt::PlainText);
        Place(text, place);
        SetControlFont(*text, SansFont(points, true));
        return text;
    };
    heading = label(HeadingPlace, 20);
    heading->setAlignment(Qt::AlignCenter);
    label(HintPlace, 8)->setText(QStringLiteral("Stern: sicher · Füllung: im Übungskasten · Punkt: gesehen"));
    today = label(TodayPlace, 12);
    today->setAlignment(Qt::AlignCenter);

    chart = new BoardSurface(QSize(ChartTwips, ChartTwips), ChartCellTwips, Qt::white, this);
    chart->setCells(this);
    chart->setAccessibleName(QStringLiteral("Meine Zahlen auf dem Hunderterfeld"));
    QFont numbers = SansFont(12, false);
    numbers.setStretch(90);
    chart->setFont(numbers);
    Place(chart, ChartLeft, ChartTop, ChartTwips, ChartTwips);

    const auto button = [this](const QString &text, const TwipRect &place) {
        auto *push = new QPushButton(text, this);
        Place(push, place);
        SetControlFont(*push, SansFont(12, true));
        return push;
    };
    practiseButton = button(QStringLiteral("Üben"), PractisePlace);
    goOnButton = button(QString(), GoOnPlace);
    connect(practiseButton, &QPushButton::clicked, this, &MyNumbersWindow::practiseWanted);
    connect(goOnButton, &QPushButton::clicked, this, &MyNumbersWindow::goOnWanted);
    OrderTabs(*this, {});
}

void MyNumbersWindow::showChart(const QString &name, const Progress &progress, int toPractise,
                                const QString &nextPicture)
{
    m_progress = progress;
    heading->setText(QStringLiteral("%1: %2").arg(name, Count(progress.count(Stage::Secure), "Stern", "Sterne")));
    chart->clear();
    for (int n = 1; n <= CellCount; ++n)
        MapDrawing::DrawCell(*chart, QRectF(ChartCellTwips * CellColumn(n), ChartCellTwips * CellRow(n),
                                            ChartCellTwips, ChartCellTwips),
                             progress.numbers[size_t(n)].stage, false, n);
    today->setText(toPractise > 0 ? QStringLiteral("Heute gibt es %1 zu üben.").arg(Count(toPractise, "Zahl", "Zahlen"))
                                  : QStringLiteral("Heute gibt es nichts zu üben."));
    practiseButton->setEnabled(toPractise > 0);
    const QString goOn = QStringLiteral("Weiter mit „%1“").arg(nextPicture);
    goOnButton->setText(goOnButton->fontMetrics().elidedText(goOn, Qt::ElideMiddle, goOnButton->width() - 16));
    goOnButton->setAccessibleName(goOn);
    if (!isVisible())
        PlaceOnScreen(*this, m_screen.sizeTwips(), 0.5, 0.5);
    show();
    raise();
    activateWindow();
    (toPractise > 0 ? practiseButton : goOnButton)->setFocus();
}

QString MyNumbersWindow::cellText(int n) const
{
    return QStringLiteral("%1: %2").arg(n).arg(MapTexts::StageName(m_progress.numbers[size_t(n)].stage));
}

void MyNumbersWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        emit goOnWanted();
    else
        QWidget::keyPressEvent(event);
}
