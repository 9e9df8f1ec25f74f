// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BoardCells.h"
#include "ClassMap.h"
#include "LearningMap.h"
#include "Platform.h"
#include "Record.h"
#include "RecordCommands.h"

#include <QWidget>

class BoardSurface;
class DrawingSurface;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTreeWidget;

// The teacher's window "Lernstand": every child in the record at the left; the chosen
// child's learning map on the hundred chart with the figures of the cell pointed at or
// framed, the diagnosis and the trend; the parents' report, the export, worksheets from the
// child's misses, deleting and renaming a child, how long the record keeps answers, and the
// teacher's password. "Klasse" shows the class as a whole instead, naming no child.
class RecordWindow : public QWidget, public BoardCells
{
    Q_OBJECT

public:
    static constexpr int WindowWidth = 11880;
    static constexpr int WindowHeight = 7980;
    static constexpr int MapCellTwips = 420;

    explicit RecordWindow(const Platform &platform, QWidget *parent = nullptr);

    // Reads the record and shows it, with the first child chosen.
    void open();
    // index into record().children; -1 for none.
    void chooseChild(int index);
    int chosenChild() const { return m_child; }
    const Record &record() const { return m_record; }
    const LearningMap &shownMap() const { return m_map; }

    void print();
    void exportRecord();
    // The number-field worksheets of the chosen child, or of the class while it is shown.
    void printSheets();
    void showClass();
    bool classShown() const { return m_classShown; }
    const ClassMap &shownClass() const { return m_class; }
    void deleteChild();
    void renameChild();
    void changeRetention();

    // BoardCells, for screen readers: each cell's number, mastery and figures.
    QString cellText(int n) const override { return QString::number(n); }
    Mark cellMark(int) const override { return Mark::None; }
    QString cellDescription(int n) const override;

    QTreeWidget *childList;
    QComboBox *modeFilter, *periodFilter;
    BoardSurface *map;
    DrawingSurface *legend;
    QLabel *totals, *cellFigures, *whereKept;
    QPlainTextEdit *diagnosis; // with the trend below it
    QPushButton *printButton, *exportButton, *deleteButton, *renameButton, *passwordButton, *sheetsButton,
        *classButton;
    QSpinBox *retentionDays;

signals:
    // The record was changed here (a child deleted or renamed, old answers removed).
    void recordChanged();
    // "Kennwort ändern" was clicked.
    void passwordChangeWanted();
    // Everything about the child was deleted here; a program playing as it keeps nothing.
    void childDeleted(const QString &name);
    // The child goes on under the new name, in this program too.
    void childRenamed(const QString &from, const QString &to);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void reload(const QString &chosenName);
    void fillChildList();
    void showMap();
    void showCell(QPointF twips);
    AnswerFilter filter() const;
    QString periodText() const;
    QString chosenName() const;
    void showWhereKept();
    // Tells what a command did and what it could not do.
    void tell(const RecordCommands::Outcome &outcome, const QString &done, const QString &title);

    Platform m_platform;
    RecordCommands m_commands;
    Record m_record;
    LearningMap m_map;
    ClassMap m_class;
    int m_child = -1;
    bool m_classShown = false;
};
