// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListWidget>

// A list of text entries. A sorted list inserts every entry at its place in ascending
// order, comparing letters without regard to case. Setting the selected position to a
// new value runs the list's click handler (the clicked signal), the same value runs nothing.
// An entry too long for the list's width shows whole as its tooltip.
class ListBox : public QListWidget
{
    Q_OBJECT

public:
    explicit ListBox(bool sorted = false, QWidget *parent = nullptr);

    void addEntry(const QString &text);
    QString entry(int position) const;
    void setEntry(int position, const QString &text);
    void removeEntry(int position);
    QStringList entries() const;
    void setEntries(const QStringList &entries);
    int count() const { return QListWidget::count(); }

    int selectedPosition() const { return m_selected; }
    void setSelectedPosition(int position);
    // The whole entry when it is too long for the list's width, else the empty text.
    QString entryTip(int position) const;

signals:
    void clicked();
    void doubleClicked();

protected:
    bool viewportEvent(QEvent *event) override;

private:
    void userSelected(int row);

    bool m_sorted;
    int m_selected = -1;
    bool m_changedByPress = false;
};
