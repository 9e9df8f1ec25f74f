// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ActivationGate.h"
#include "ExerciseCells.h"
#include "ExerciseLead.h"
#include "GivenAnswer.h"
#include "KeyRepeats.h"
#include "LibraryOwner.h"
#include "Platform.h"
#include "ResultsKeeper.h"
#include "SecondLanguage.h"

#include <QWidget>
#include <functional>
#include <memory>

class BoardCover;
class BoardSurface;
class ClickLabel;
class DrawingSurface;
class Form2;
class ListBox;
class Module1;
class PictureButton;
class QMouseEvent;
class QPushButton;
class QScrollBar;
class ReadingAloud;
class ZEPLABEL;

// The main window: the hundred chart on which the child practises.
class Form1 : public QWidget, public LibraryOwner
{
    Q_OBJECT

public:
    static constexpr int WindowWidth = 6390;
    // The designed 7230 plus the room the editor button needs below the language button.
    static constexpr int WindowHeight = 7680;
    static constexpr int ResultsShownLeft = 1200;
    static constexpr int ResultsHiddenLeft = 8400;
    static constexpr int HelpShownLeft = 600;
    static constexpr int HelpHiddenLeft = 6600;
    static const QString StartUserName;

    Form1(Module1 &state, const Platform &platform, QWidget *parent = nullptr);
    ~Form1() override;

    // Start-up: everything but drawing.
    void Form_Load();
    // A new Felder exercise; runs on the first activation and on each return from
    // another window of the program.
    void Form_Activate();
    // Hands an activation of one of the program's windows to the gate.
    void windowActivated(ActivationGate::Window window);

    void LoadResults();
    // A teacher deleted or renamed a child in the learning record: its results go, or go
    // with it, and a child playing here goes on under its new name.
    void userDeleted(const QString &name);
    void userRenamed(const QString &from, const QString &to);
    void Liste4_DblClick();
    void Bild5_Click();
    // What the exit's "Ja" does, without asking: for a logout or a request to terminate.
    void SaveAndEnd();

    // Exercise play.
    void Bezeichnung4_Click();
    void Bezeichnung5_Click();
    void Bild11_MouseDown(Qt::MouseButton button, QPointF twips);
    void AskNextNumber();
    void CountHit();
    void CountError();
    void HBildlauf1_Change();
    void Befehl1_Click();
    // Enter and the four arrows in Zahlen mode; true when the key was used. Repeats of a
    // held Enter are used up without an answer.
    bool Form_KeyDown(int key, bool autoRepeat = false);

    void Bild10_Click();
    void Bild6_Click();
    void Liste3_Click();
    void Bezeichnung7_Click();
    void Bezeichnung8_Click();
    void Bild4_Click();
    void Bild12_Click();
    void Bild15_Click();
    void Bild3_Click();
    void Bild7_Click();
    void Bild8_Click();
    // "Meine Zahlen": the child's own numbers, after asking for the name if none was chosen.
    void Bild18_Click();

    // An exercise led from elsewhere (practice) starts in the current mode; nullptr goes
    // back to the library's pattern.
    void lead(ExerciseLead *lead);
    bool leads(const ExerciseLead *lead) const { return m_lead == lead; }
    // What follows "Die Aufgabe wurde gelöst!" in its box, from its line break on; empty
    // for nothing.
    void setSolvedNote(std::function<QString()> note) { m_solvedNote = std::move(note); }

    // Reading aloud: the loudspeaker turns it off and on, a click on the question repeats it.
    void Bild17_Click();
    void Bezeichnung3_Click();
    bool speechOn() const;

    // LibraryOwner, for the editor window.
    PatternLibrary library() const override;
    QString languagePicture() const override;
    QString germanPicture() const override;
    SecondLanguage &secondLanguage() override { return m_secondLanguage; }
    void showAgain(const PatternLibrary &library, const QString &languagePicture) override;

    // Where the new-user box finds the names a child may pick (none when unset).
    using NameSource = std::function<QStringList()>;
    void setNameSource(NameSource names) { m_names = std::move(names); }

    bool resultsShown() const;
    Form2 *editorWindow() const { return m_editor.get(); }
    ZEPLABEL *infoWindow() const { return m_info.get(); }

    // Controls, named as in the window design.
    PictureButton *Bild1, *Bild2, *Bild3, *Bild4, *Bild5, *Bild6, *Bild7, *Bild8, *Bild10,
        *Bild12, *Bild15, *Bild17, *Bild18;
    ClickLabel *Bezeichnung1, *Bezeichnung2, *Bezeichnung3, *Bezeichnung4, *Bezeichnung5,
        *Bezeichnung6, *Bezeichnung7, *Bezeichnung8, *Bezeichnung9;
    BoardSurface *Bild11;
    DrawingSurface *Bild9, *Bild16;
    ListBox *Liste1, *Liste2, *Liste3, *Liste4;
    QScrollBar *HBildlauf1;
    QPushButton *Befehl1;

signals:
    // What others may follow without reaching into the window: a number was asked (the
    // question label shows it, or its cell is yellow) and an answer was judged.
    void questionAsked(int number);
    void answerGiven(const GivenAnswer &answer);
    // Every cell of the pattern was found.
    void exerciseSolved();
    // The child can no longer see the board (an overlay or a box over it, the window not
    // active), or can see it again.
    void boardCovered(bool covered);
    // The child wants to see its own numbers.
    void myNumbersWanted(const QString &userName);
    // The teacher asks for the learning record in the editor.
    void recordWanted();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildControls();
    void LoadPatternFile();
    void ExerciseSolved();
    void loadSelectedPattern();
    void restartMode();
    void startExercise();
    bool exerciseOpen() const;
    void showPreview();
    void stepPattern(int step);
    void showPosition();
    void setModeLabels(ClickLabel *active, ClickLabel *inactive);
    void showResults();
    void hideResults();
    void addResult(const QString &entry);
    void endProgram();
    void reportAnswer(int given, bool right);
    int nextPlayablePattern(int from) const;
    void applySecondLanguage();
    bool swallowReturnPress(QWidget *receiver, const QMouseEvent &press);

    Module1 &m_state;
    Platform m_platform;
    ActivationGate m_gate;
    ResultsKeeper m_results;
    ExerciseCells m_cells{m_state};
    SecondLanguage m_secondLanguage;
    std::unique_ptr<Form2> m_editor;
    std::unique_ptr<ZEPLABEL> m_info;
    KeyRepeats m_keys;
    bool m_ending = false;
    std::unique_ptr<ReadingAloud> m_voice;
    NameSource m_names;
    std::unique_ptr<BoardCover> m_cover;
    ExerciseLead *m_lead = nullptr;
    std::function<QString()> m_solvedNote;
};
