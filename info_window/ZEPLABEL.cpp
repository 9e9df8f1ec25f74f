// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ZEPLABEL.h"

#include "ClickLabel.h"
#include "PictureButton.h"
#include "ProgramVersion.h"
#include "Screen.h"
#include "TwipLayout.h"
#include "WindowLook.h"

#include <QPainter>

namespace {

const QColor DarkBlue(0, 0, 128);
const QColor LightCyan(128, 255, 255);

const QString AboutText = QStringLiteral("Lernprogramm für die Grundschule:\r"
                                         "Zahlen bis 100 finden und benennen\r"
                                         "auf dem Hunderterfeld.");
const QString VersionText = QStringLiteral("Version %1  -  freie Software\r"
                                           "Lizenz: GPL-3.0-or-later")
                                .arg(QLatin1String(ProgramVersion));
const QString StartText = QStringLiteral("Start: 'Felder' oder 'Zahlen' anklicken");

QFont BigBold() { return WindowLook::SansFont(18, true); }

QString Lines(QString text) { return text.replace(u'\r', u'\n'); }

} // namespace

ZEPLABEL::ZEPLABEL(Screen &screen, QWidget *parent) : QWidget(parent, Qt::Window), m_screen(screen)
{
    WindowLook::SetUpWindow(*this, QStringLiteral("Programm-Info"),
                            QStringLiteral(":/icons/logo.svg"), WindowWidth, WindowHeight,
                            LightCyan);
    SetControlFont(*this, WindowLook::SansFont(8, false)); // the information texts are small print

    auto label = [this](const QString &caption, const QColor &text, const QColor &background,
                        TwipRect place, bool big) {
        auto *item = new ClickLabel(caption, background, this);
        item->setTextColor(text);
        Place(item, place);
        item->setAlignment(Qt::AlignCenter);
        item->setWordWrap(!big);
        if (big)
            SetControlFont(*item, BigBold());
        return item;
    };
    Bezeichnung2 = label(QStringLiteral("Z"), QColor(255, 0, 255), DarkBlue, {240, 240, 375, 615}, true);
    Bezeichnung3 = label(QStringLiteral("E"), QColor(0, 255, 255), DarkBlue, {720, 240, 375, 615}, true);
    Bezeichnung4 = label(QStringLiteral("P"), QColor(0, 255, 0), DarkBlue, {1200, 240, 375, 615}, true);
    Bezeichnung5 = label(QStringLiteral("  -  1  0  0"), Qt::white, DarkBlue, {1560, 240, 1695, 615}, true);
    Bezeichnung6 = label(QString(), Qt::white, DarkBlue, {240, 840, 3015, 975}, false);
    Bezeichnung7 = label(QString(), Qt::black, WindowLook::LightYellow, {240, 1800, 3015, 495}, false);
    Bezeichnung1 = label(QStringLiteral("O k a y"), QColor(255, 0, 0), DarkBlue, {240, 2400, 2175, 615}, true);
    Bezeichnung8 = label(Lines(StartText), Qt::black, LightCyan, {120, 3120, 3255, 255}, false);
    Bezeichnung1->setAccessibleName(QStringLiteral("Okay"));
    Bezeichnung1->setCursor(Qt::PointingHandCursor);
    Bild1 = new PictureButton(QStringLiteral(":/icons/logo.svg"), QStringLiteral("Schließen"),
                              LightCyan, this);
    Place(Bild1, TwipRect{2400, 2400, 855, 615});

    connect(Bezeichnung1, &ClickLabel::clicked, this, &ZEPLABEL::Bezeichnung1_Click);
    connect(Bild1, &QToolButton::clicked, this, &ZEPLABEL::Bild1_Click);
}

void ZEPLABEL::open()
{
    Form_Paint();
    show();
    // The frame is known only once the window is shown; place it again with it.
    Form_Paint();
    raise();
    activateWindow();
}

void ZEPLABEL::Form_Paint()
{
    WindowLook::PlaceOnScreen(*this, m_screen.sizeTwips(), 0.5, 0.25);
    Bezeichnung6->setText(Lines(AboutText));
    Bezeichnung7->setText(Lines(VersionText));
}

void ZEPLABEL::paintEvent(QPaintEvent *)
{
    Form_Paint();
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(TwipRect{120, 120, 3255, 2895}.toPixels());
}

void ZEPLABEL::Bezeichnung1_Click() { Bild1_Click(); }

void ZEPLABEL::Bild1_Click() { hide(); }
