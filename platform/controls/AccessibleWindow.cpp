// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "AccessibleWindow.h"

#include <QWidget>

namespace {

constexpr const char *MarkProperty = "zepAccessibleWindow";

QAccessibleInterface *CreateForMarkedWindow(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (widget && widget->property(MarkProperty).toBool())
        return new AccessibleWindow(widget);
    return nullptr;
}

} // namespace

AccessibleWindow::AccessibleWindow(QWidget *window) : QAccessibleWidget(window, QAccessible::Window)
{
}

void AccessibleWindow::install(QWidget &window)
{
    static const bool installed = (QAccessible::installFactory(CreateForMarkedWindow), true);
    Q_UNUSED(installed);
    window.setProperty(MarkProperty, true);
}

QList<QWidget *> AccessibleWindow::shownChildren() const
{
    QList<QWidget *> shown;
    const QRect inside = widget()->rect();
    for (QWidget *child : widget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (!child->isWindow() && !child->isHidden() && inside.intersects(child->geometry()))
            shown.append(child);
    return shown;
}

int AccessibleWindow::childCount() const { return int(shownChildren().size()); }

QAccessibleInterface *AccessibleWindow::child(int index) const
{
    const QList<QWidget *> shown = shownChildren();
    if (index < 0 || index >= shown.size())
        return nullptr;
    return QAccessible::queryAccessibleInterface(shown.at(index));
}

int AccessibleWindow::indexOfChild(const QAccessibleInterface *child) const
{
    if (!child || !child->object() || !child->object()->isWidgetType())
        return -1;
    return int(shownChildren().indexOf(static_cast<QWidget *>(child->object())));
}
