// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListBox.h"

#include "ResultsFile.h"

#include <QHelpEvent>
#include <QScrollBar>
#include <QStyle>
#include <QToolTip>

ListBox::ListBox(bool sorted, QWidget *parent) : QListWidget(parent), m_sorted(sorted)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::currentRowChanged, this, &ListBox::userSelected);
    connect(this, &QListWidget::itemDoubleClicked, this, [this] { emit doubleClicked(); });
    // A click on the entry that is already selected still counts as a choice.
    connect(this, &QListWidget::itemClicked, this, [this] {
        if (!m_changedByPress)
            emit clicked();
        m_changedByPress = false;
    });
}

void ListBox::addEntry(const QString &text)
{
    if (m_sorted)
        insertItem(int(SortedInsertPosition(entries(), text)), text);
    else
        addItem(text);
}

QString ListBox::entry(int position) const
{
    const QListWidgetItem *row = item(position);
    return row ? row->text() : QString();
}

void ListBox::setEntry(int position, const QString &text)
{
    if (QListWidgetItem *row = item(position))
        row->setText(text);
}

void ListBox::removeEntry(int position)
{
    const QSignalBlocker quiet(this);
    delete takeItem(position);
    m_selected = currentRow();
}

QStringList ListBox::entries() const
{
    QStringList texts;
    texts.reserve(count());
    for (int i = 0; i < count(); ++i)
        texts.append(item(i)->text());
    return texts;
}

void ListBox::setEntries(const QStringList &texts)
{
    const QSignalBlocker quiet(this);
    clear();
    if (m_sorted) {
        QStringList sortedTexts = texts;
        std::stable_sort(sortedTexts.begin(), sortedTexts.end(), EntrySortsBefore);
        addItems(sortedTexts);
    } else {
        addItems(texts);
    }
    m_selected = -1;
}

void ListBox::setSelectedPosition(int position)
{
    if (position == m_selected)
        return;
    {
        const QSignalBlocker quiet(this);
        setCurrentRow(position);
    }
    m_selected = position;
    emit clicked();
}

void ListBox::userSelected(int row)
{
    m_selected = row;
    m_changedByPress = true;
    emit clicked();
}

// Measured against the narrowest the text can get: with the vertical scroll bar shown. Asked
// only when the pointer rests on an entry, so that long libraries load without measuring.
QString ListBox::entryTip(int position) const
{
    const QListWidgetItem *row = item(position);
    if (!row)
        return QString();
    const int itemMargins = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
    const int room = width() - 2 * frameWidth() - verticalScrollBar()->sizeHint().width() - itemMargins;
    return fontMetrics().horizontalAdvance(row->text()) > room ? row->text() : QString();
}

bool ListBox::viewportEvent(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QListWidget::viewportEvent(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    const QString tip = entryTip(indexAt(help->pos()).row());
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), tip, viewport());
    return true;
}
