// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TwipLayout.h"

#include "Scalable.h"
#include "WindowLook.h"

#include <QApplication>
#include <QWidget>
#include <algorithm>
#include <tuple>

namespace {

// Dynamic properties that carry the design of a widget in twips and points.
constexpr char PlaceProperty[] = "zepTwips";        // QRect; width < 0: the control sizes itself
constexpr char WindowProperty[] = "zepWindowTwips"; // QSize
constexpr char FontProperty[] = "zepFont";          // QFont at factor 1
constexpr char ReachProperty[] = "zepFocusPolicy";  // int, while moved out of the window

QRect StoredPlace(const QWidget *control) { return control->property(PlaceProperty).toRect(); }

void ApplyPlace(QWidget *control, QRect twips)
{
    if (twips.width() < 0)
        control->move(ToPixels(twips.left()), ToPixels(twips.top()));
    else
        control->setGeometry(TwipRect{twips.left(), twips.top(), twips.width(), twips.height()}
                                 .toPixels());
}

QFont Scaled(QFont font)
{
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * ScaleFactor());
    return font;
}

// A control moved out of its window cannot take the focus there.
void UpdateReach(QWidget *control, QRect twips)
{
    const QSize window = control->window()->property(WindowProperty).toSize();
    const bool outside = window.isValid() && twips.left() >= window.width();
    const QVariant kept = control->property(ReachProperty);
    if (outside && !kept.isValid()) {
        control->setProperty(ReachProperty, int(control->focusPolicy()));
        control->setFocusPolicy(Qt::NoFocus);
    } else if (!outside && kept.isValid()) {
        control->setFocusPolicy(Qt::FocusPolicy(kept.toInt()));
        control->setProperty(ReachProperty, QVariant());
    }
}

} // namespace

void Place(QWidget *control, const TwipRect &twips)
{
    const QRect place(twips.left, twips.top, twips.width, twips.height);
    control->setProperty(PlaceProperty, place);
    ApplyPlace(control, place);
    UpdateReach(control, place);
}

void Place(QWidget *control, int left, int top, int width, int height)
{
    Place(control, TwipRect{left, top, width, height});
}

void Place(QWidget *control, int left, int top) { Place(control, TwipRect{left, top, -1, -1}); }

void MoveLeftEdge(QWidget *control, int left)
{
    const QRect place = StoredPlace(control);
    Place(control, TwipRect{left, place.top(), place.width(), place.height()});
}

int LeftEdge(const QWidget *control)
{
    const QVariant place = control->property(PlaceProperty);
    return place.isValid() ? place.toRect().left() : qRound(ToTwips(control->pos()).x());
}

void SetWindowTwips(QWidget &window, QSize twips)
{
    window.setProperty(WindowProperty, twips);
    window.setFixedSize(ToPixels(twips.width()), ToPixels(twips.height()));
}

void SetControlFont(QWidget &control, const QFont &font)
{
    control.setProperty(FontProperty, font);
    control.setFont(Scaled(font));
}

void RelayoutAll()
{
    const QWidgetList widgets = QApplication::allWidgets();
    for (QWidget *widget : widgets) {
        if (const QVariant size = widget->property(WindowProperty); size.isValid())
            SetWindowTwips(*widget, size.toSize());
        if (const QVariant font = widget->property(FontProperty); font.isValid())
            widget->setFont(Scaled(font.value<QFont>()));
        if (auto *scalable = dynamic_cast<Scalable *>(widget))
            scalable->applyScale();
        if (const QVariant place = widget->property(PlaceProperty); place.isValid())
            ApplyPlace(widget, place.toRect());
    }
    for (QWidget *widget : widgets)
        if (widget->isWindow() && widget->isVisible())
            WindowLook::PlaceAgain(*widget);
}

void OrderTabs(QWidget &window, const QList<TwipRect> &regions)
{
    struct Stop
    {
        int region, top, left;
        QWidget *control;
    };
    QList<Stop> stops;
    for (QWidget *control : window.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        const QVariant place = control->property(PlaceProperty);
        if (!place.isValid()
            || (control->focusPolicy() == Qt::NoFocus && !control->property(ReachProperty).isValid()))
            continue;
        QRect twips = place.toRect();
        if (twips.width() < 0) {
            const QPointF size = ToTwips(QPointF(control->width(), control->height()));
            twips.setSize(QSize(qRound(size.x()), qRound(size.y())));
        }
        const QPoint centre = twips.center();
        const auto inside = std::find_if(regions.begin(), regions.end(), [&](const TwipRect &r) {
            return QRect(r.left, r.top, r.width, r.height).contains(centre);
        });
        stops.append({int(inside - regions.begin()), twips.top(), twips.left(), control});
    }
    std::stable_sort(stops.begin(), stops.end(), [](const Stop &a, const Stop &b) {
        return std::tie(a.region, a.top, a.left) < std::tie(b.region, b.top, b.left);
    });
    for (int i = 1; i < stops.size(); ++i)
        QWidget::setTabOrder(stops.at(i - 1).control, stops.at(i).control);
}
