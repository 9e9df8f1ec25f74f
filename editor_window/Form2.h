// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BoardCells.h"
#include "PatternFile.h"
#include "Platform.h"
#include "WorksheetHost.h"

#include <QWidget>

class BoardSurface;
class ClickLabel;
class DrawingSurface;
class LibraryOwner;
class ListBox;
class Module1;
class PictureButton;

// The editor window in which the teacher keeps the pattern library.
class Form2 : public QWidget, public WorksheetHost, public BoardCells
{
    Q_OBJECT

public:
    // The designed 5925 plus a column for the learning record's icon at the right.
    static constexpr int WindowWidth = 6900;
    static constexpr int WindowHeight = 4845;
    static constexpr int EditorCellTwips = 300;
    static constexpr int EditorBoardTwips = 3000;

    Form2(Module1 &state, const Platform &platform, LibraryOwner &owner, QWidget *parent = nullptr);

    // Takes the main window's library with its selection and shows the window.
    void open(const PatternLibrary &library);

    void Form_Activate();
    void Liste1_Click();
    void Bild2_MouseMove(QPointF twips);
    void Bild2_MouseDown(Qt::MouseButton button, QPointF twips);
    void Bild4_Click();
    void Bild10_Click();
    void Bild5_Click();
    void Bild8_Click();
    void Bild3_Click();
    void Bild14_Click();
    void Bild1_Click();
    void Bild15_Click();

    // Whether the library has changes that no save has written.
    bool unsaved() const;
    // Before the program ends: asks whether to save the changes first, and saves them on
    // "Ja"; false when the program is to stay (the teacher cancels, or the save did not
    // happen).
    bool mayEnd();
    // For an end that nobody watches (a logout, a signal): the unsaved library goes into a
    // file beside the library file, which stays as it is. Its name, or empty.
    QString keepAside();

    // WorksheetHost
    Module1 &state() override { return m_state; }
    const Platform &platform() override { return m_platform; }
    ListBox &names() override { return *Liste1; }
    ListBox &cellStrings() override { return *Liste2; }
    ListBox &printOrder() override { return *Liste3; }
    DrawingSurface &board() override;
    void restoreBoard() override { Liste1_Click(); }

    // BoardCells, for screen readers: every number, and whether the pattern marks it.
    QString cellText(int n) const override { return QString::number(n); }
    Mark cellMark(int n) const override;

    PictureButton *Bild1, *Bild3, *Bild4, *Bild5, *Bild6, *Bild7, *Bild8, *Bild9, *Bild10,
        *Bild12, *Bild14, *Bild15;
    ClickLabel *Bezeichnung1, *Bezeichnung2, *Bezeichnung3, *Bezeichnung4, *Bezeichnung5,
        *Bezeichnung6, *Bezeichnung7, *Bezeichnung8;
    ListBox *Liste1, *Liste2, *Liste3;
    BoardSurface *Bild2;

signals:
    // The teacher asks for the learning record.
    void recordWanted();

protected:
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void buildControls();
    void Form_Load();
    void AddDefaultPattern();
    void selectAndPaint(int i);
    void drawCell(int k);
    std::optional<int> pointedCell(QPointF twips) const;
    QString askNewName(const QString &preset);
    int findName(const QString &name) const;
    PatternLibrary listedLibrary() const; // the two lists, nothing selected
    bool saveLibrary();

    Module1 &m_state;
    Platform m_platform;
    LibraryOwner &m_owner;
    bool m_loaded = false;
    PatternLibrary m_saved; // as the file holds it: loaded at start or saved since
};
