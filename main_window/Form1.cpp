// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Form1.h"

#include "BoardCover.h"
#include "BoardDrawing.h"
#include "BoardLayouts.h"
#include "BoardSurface.h"
#include "Cells.h"
#include "ClickLabel.h"
#include "Dialogs.h"
#include "DrawingSurface.h"
#include "Files.h"
#include "Form2.h"
#include "ListBox.h"
#include "Module1.h"
#include "Palette.h"
#include "PersonName.h"
#include "PictureButton.h"
#include "ProgramControl.h"
#include "ReadingAloud.h"
#include "Random.h"
#include "ResultsFile.h"
#include "SecondLanguage.h"
#include "Screen.h"
#include "TextFiles.h"
#include "TwipLayout.h"
#include "WindowLook.h"
#include "ZEPLABEL.h"
#include "Zoom.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QWindow>
#include <utility>

namespace {

using namespace WindowLook;

const QColor Green(0, 255, 0);
const QColor Red(255, 0, 0);
const QColor PaleGrey(224, 224, 224);
const QColor PaleGreen(128, 255, 128);
const QColor BarEdge(0, 192, 192);
const QColor LightPink(255, 192, 192);

const QString &GermanPicture = SecondLanguage::GermanPicture;
const QString NoCellsText = QStringLiteral("Bild ohne Felder");
constexpr int HelpTop = 1560;
constexpr int ResultsTop = 1440;
constexpr int BoardLeft = 1080;
constexpr int BoardTop = 1440;
constexpr int BoardSize = 5055;
constexpr int BarWidth = 735;

// The left button bar and the editor button at its foot, well apart from the child's
// buttons: a slightly missed click must not open the teacher's editor. Below the arrows the
// buttons stand 174 twips apart, not 345 as designed, so that the child's own numbers fit in
// above the language button and the board keeps its size.
constexpr int ButtonSize = 495;
constexpr int WiperTop = 3909, EyeTop = 4578, UsersTop = 5247, UsersSize = 510, OwnNumbersTop = 5931;
constexpr int LanguageButtonTop = 6600;
constexpr int EditorButtonSize = 315;
constexpr int EditorButtonClearance = 150;
constexpr int EditorButtonTop = LanguageButtonTop + ButtonSize + EditorButtonClearance;
constexpr int EditorButtonLeft = 210;
constexpr int EditorIconTwips = 270;
constexpr int SpeakerIconTwips = 330;
constexpr int BarGrowth = Form1::WindowHeight - 7230;
constexpr int BarHeight = 7335 + BarGrowth;
constexpr int BarEdgeBottom = 7200 + BarGrowth;

const QStringList HelpLines = {
    QString(),
    QStringLiteral(" Klicke zuerst auf 'Felder' oder auf 'Zahlen'."),
    QStringLiteral(" Klicke dann in der linken Leiste auf die"),
    QStringLiteral(" Pfeile und wähle dir ein Lösungsbild aus."),
    QStringLiteral(" Nun musst du noch das Häkchen anklicken,"),
    QStringLiteral(" sodass es grün wird."),
};

QString Digits(int number) { return QString::number(number); }

} // namespace

const QString Form1::StartUserName = QStringLiteral("Freund und Gast");

Form1::Form1(Module1 &state, const Platform &platform, QWidget *parent)
    : QWidget(parent), m_state(state), m_platform(platform), m_results(platform.files),
      m_secondLanguage(platform)
{
    SetUpWindow(*this, QStringLiteral("Z E P - H u n d e r t e r f e l d"),
                QStringLiteral(":/icons/logo.svg"), WindowWidth, WindowHeight, Qt::white);
    buildControls();
    // The window itself holds the focus at start, so that a first Space or Enter reaches
    // no button (least of all the exit).
    setFocusPolicy(Qt::ClickFocus);
    setFocus();
    Zoom::installKeys(*this);

    qApp->installEventFilter(this);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow *window) {
        if (!window || window == windowHandle())
            return;
        const bool own = (m_editor && window == m_editor->windowHandle())
            || (m_info && window == m_info->windowHandle());
        windowActivated(own ? ActivationGate::Window::OwnWindow : ActivationGate::Window::Other);
    });
}

Form1::~Form1() { qApp->removeEventFilter(this); }

void Form1::buildControls()
{
    auto button = [this](const char *icon, const char *name, int left, int top,
                         const QColor &background = Cyan, int size = ButtonSize) {
        auto *picture = new PictureButton(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(icon)),
                                          QString::fromUtf8(name), background, this);
        Place(picture, left, top, size, size);
        return picture;
    };
    auto label = [this](const QString &caption, const QColor &background, int left, int top,
                        int width, int height) {
        auto *text = new ClickLabel(caption, background, this);
        Place(text, left, top, width, height);
        return text;
    };

    Bild5 = button("exit", "Beenden", 120, 120);
    Bild8 = button("info", "Information", 120, 960);
    Bild15 = button("help", "Hilfe", 120, 1800);
    Bild4 = button("tick", "Lösungsbild", 120, 2640, Green);
    Bild3 = button("wiper", "Tafel neu zeichnen", 120, WiperTop);
    Bild6 = button("eye", "Zahlenansicht", 120, EyeTop);
    Bild10 = button("users", "Neuer Benutzer", 120, UsersTop, Cyan, UsersSize);
    Bild18 = button("star", "Meine Zahlen", 120, OwnNumbersTop);
    Bild12 = button("flag_de", "Sprache", 120, LanguageButtonTop);
    Bild7 = button("hammer", "Bearbeiten", EditorButtonLeft, EditorButtonTop, Cyan,
                   EditorButtonSize);
    Bild7->setIconTwips(EditorIconTwips);
    Bild1 = button("laugh", "Richtige Antworten", 4320, 120, Qt::white);
    Bild2 = button("fright", "Falsche Antworten", 5760, 120, Qt::white);
    Bild1->setFocusPolicy(Qt::NoFocus);
    Bild2->setFocusPolicy(Qt::NoFocus);

    Bezeichnung6 = label(QStringLiteral("1"), PaleGreen, 120, 3120, 495, 255);
    Bezeichnung7 = label(QStringLiteral("<"), Green, 120, 3360, 255, 375);
    Bezeichnung8 = label(QStringLiteral(">"), Green, 360, 3360, 255, 375);
    // The loudspeaker takes the right end of the user-name row.
    Bezeichnung9 = label(StartUserName, Qt::white, 960, 240, 2835, 375);
    Bild17 = button("speaker_on", "Vorlesen an/aus", 3840, 240, Qt::white, 375);
    Bild17->setIconTwips(SpeakerIconTwips);
    Bezeichnung1 = label(QStringLiteral("0"), Qt::white, 4800, 360, 495, 255);
    Bezeichnung2 = label(QStringLiteral("0"), Qt::white, 5280, 360, 495, 255);
    Bezeichnung4 = label(QStringLiteral("Felder"), Cyan, 1080, 960, 975, 375);
    Bezeichnung3 = label(QString(), PaleGrey, 2040, 960, 3135, 375);
    Bezeichnung5 = label(QStringLiteral("Zahlen"), LightGrey, 5160, 960, 975, 375);
    for (ClickLabel *centred : {Bezeichnung6, Bezeichnung7, Bezeichnung8, Bezeichnung4,
                                Bezeichnung3, Bezeichnung5})
        centred->setAlignment(Qt::AlignCenter);
    for (ClickLabel *big : {Bezeichnung9, Bezeichnung4, Bezeichnung5})
        SetControlFont(*big, SansFont(12, true));
    SetControlFont(*Bezeichnung3, SansFont(13.5, true));
    Bezeichnung3->setFitText(true); // the long number words of some languages
    Bezeichnung3->setTextColor(QColor(0, 0, 255));
    Bezeichnung7->setAccessibleName(QStringLiteral("Vorheriges Lösungsbild"));
    Bezeichnung8->setAccessibleName(QStringLiteral("Nächstes Lösungsbild"));
    // The question is read out as shown; changing it is announced by the label.
    Bezeichnung3->setAccessibleDescription(QStringLiteral("Frage"));
    for (ClickLabel *control : {Bezeichnung7, Bezeichnung8, Bezeichnung4, Bezeichnung5})
        control->setFocusPolicy(Qt::TabFocus);

    const QSize boardTwips(BoardSize, BoardSize);
    Bild11 = new BoardSurface(boardTwips, CellTwips, LightGrey, this);
    Bild11->setCells(&m_cells);
    Bild11->setAccessibleName(QStringLiteral("Hunderterfeld"));
    Bild11->setFont(SansFont(12, false));
    QFont boardFont = Bild11->TwipCanvas::font();
    boardFont.setStretch(90); // three digits and two blanks fit into one cell
    Bild11->setFont(boardFont);
    Bild11->setLineWidth(2);
    Place(Bild11, BoardLeft, BoardTop);
    Bild9 = new DrawingSurface(boardTwips, LightGrey, this);
    Bild9->setFillColor(LightGrey);
    Place(Bild9, BoardLeft, BoardTop);
    Bild9->hide();

    Liste4 = new ListBox(true, this);
    SetControlFont(*Liste4, SansFont(12, true));
    Liste4->setStyleSheet(QStringLiteral("QListWidget { background-color: #00ffff; }"));
    Liste4->setAccessibleName(QStringLiteral("Ergebnisse"));
    Place(Liste4, ResultsHiddenLeft, ResultsTop, 4815, 4830);

    Liste3 = new ListBox(false, this);
    Liste3->setStyleSheet(QStringLiteral("QListWidget { background-color: %1; color: black; }")
                              .arg(LightYellow.name()));
    Liste3->setAccessibleName(QStringLiteral("Zahlenansicht"));
    Place(Liste3, 600, 2640, 1695, 2670);
    Liste3->hide();

    HBildlauf1 = new QScrollBar(Qt::Horizontal, this);
    HBildlauf1->setRange(1, 100);
    HBildlauf1->setSingleStep(1);
    HBildlauf1->setPageStep(1);
    HBildlauf1->setValue(1);
    HBildlauf1->setAccessibleName(QStringLiteral("Zahl wählen"));
    Place(HBildlauf1, 1080, 6600, 4455, 375);
    Befehl1 = new QPushButton(QStringLiteral("OK"), this);
    Befehl1->setAutoDefault(false);
    Place(Befehl1, 5520, 6600, 615, 375);

    Bild16 = new DrawingSurface(QSize(3975, 1335), LightPink, this);
    Bild16->setFont(SansFont(8, true));
    Place(Bild16, HelpHiddenLeft, HelpTop);

    Liste1 = new ListBox(false, this);
    Place(Liste1, 6720, 4320, 1335, 1200);
    Liste2 = new ListBox(false, this);
    Place(Liste2, 6720, 5760, 1335, 1200);
    Liste1->hide();
    Liste2->hide();

    connect(Bild5, &QToolButton::clicked, this, &Form1::Bild5_Click);
    connect(Bild8, &QToolButton::clicked, this, &Form1::Bild8_Click);
    connect(Bild15, &QToolButton::clicked, this, &Form1::Bild15_Click);
    connect(Bild4, &QToolButton::clicked, this, &Form1::Bild4_Click);
    connect(Bild3, &QToolButton::clicked, this, &Form1::Bild3_Click);
    connect(Bild6, &QToolButton::clicked, this, &Form1::Bild6_Click);
    connect(Bild10, &QToolButton::clicked, this, &Form1::Bild10_Click);
    connect(Bild12, &QToolButton::clicked, this, &Form1::Bild12_Click);
    m_secondLanguage.attach(*Bild12);
    connect(&m_secondLanguage, &SecondLanguage::chosen, this, [this] {
        if (!isVisible())
            return; // chosen in the editor, which hands its language back
        Bild12->setPicture(GermanPicture);
        Bild12_Click();
    });
    connect(Bild7, &QToolButton::clicked, this, &Form1::Bild7_Click);
    connect(Bild18, &QToolButton::clicked, this, &Form1::Bild18_Click);
    connect(Bezeichnung4, &ClickLabel::clicked, this, &Form1::Bezeichnung4_Click);
    connect(Bezeichnung5, &ClickLabel::clicked, this, &Form1::Bezeichnung5_Click);
    connect(Bezeichnung7, &ClickLabel::clicked, this, &Form1::Bezeichnung7_Click);
    connect(Bezeichnung8, &ClickLabel::clicked, this, &Form1::Bezeichnung8_Click);
    connect(Bild11, &DrawingSurface::mousePressed, this, &Form1::Bild11_MouseDown);
    connect(Bild11, &BoardSurface::cellChosen, this,
            [this](QPointF twips) { Bild11_MouseDown(Qt::LeftButton, twips); });
    connect(Liste3, &ListBox::clicked, this, &Form1::Liste3_Click);
    connect(Liste4, &ListBox::doubleClicked, this, &Form1::Liste4_DblClick);
    connect(HBildlauf1, &QScrollBar::valueChanged, this, &Form1::HBildlauf1_Change);
    connect(Befehl1, &QPushButton::clicked, this, &Form1::Befehl1_Click);

    m_voice = std::make_unique<ReadingAloud>(m_state, m_platform.speech, m_keys, *Bezeichnung3,
                                             *HBildlauf1, *Bild17);
    connect(Bild17, &QToolButton::clicked, this, &Form1::Bild17_Click);
    connect(Bezeichnung3, &ClickLabel::clicked, this, &Form1::Bezeichnung3_Click);
    Bezeichnung3->setCursor(Qt::PointingHandCursor);
    m_voice->showButton();
    m_cover = std::make_unique<BoardCover>(*this, *Bild11, QList<QWidget *>{Bild9, Bild16, Liste4});
    connect(m_cover.get(), &BoardCover::changed, this, &Form1::boardCovered);

    // The left bar first, then the exercise around the board.
    OrderTabs(*this, {TwipRect{0, 0, BarWidth, WindowHeight}});
}

// ---- Start-up and shut-down --------------------------------------------------------------

void Form1::Form_Load()
{
    Zoom::instance().fitTo(m_platform.screen.sizeTwips(), QSizeF(WindowWidth, WindowHeight));
    PlaceOnScreen(*this, m_platform.screen.sizeTwips(), 0.5, 0.5);
    m_platform.random.seedFromClock();
    Liste3->setEntries({});
    for (const CatalogueEntry &entry : BoardCatalogue())
        Liste3->addEntry(QString::fromUtf8(entry.text));
    m_state.Language = QStringLiteral("d");
    m_secondLanguage.setUser(Bezeichnung9->text());
    m_secondLanguage.show(*Bild12, m_state.Language);
    LoadResults();
    m_state.BuildNumberWords();
    LoadPatternFile();
    showPosition();
    m_state.ExerciseMode = Module1::FelderMode;
    m_state.BoardLayout = Module1::StartLayout;
}

void Form1::LoadResults()
{
    Liste4->setEntries({});
    const ResultsFileContents file = m_results.load();
    Liste4->setEntries(file.entries);
    if (file.complete)
        MoveLeftEdge(Liste4, ResultsShownLeft);
}

void Form1::userDeleted(const QString &name) { userRenamed(name, QString()); }

void Form1::userRenamed(const QString &from, const QString &to)
{
    QStringList entries = Liste4->entries();
    if (ChangeResultsUser(entries, from, to) > 0)
        Liste4->setEntries(entries);
    m_results.userChanged(from, to);
    if (!to.isEmpty() && SamePerson(Bezeichnung9->text(), from)) {
        Bezeichnung9->setText(to);
        m_secondLanguage.setUser(to);
    }
}

void Form1::LoadPatternFile()
{
    Liste1->setEntries({});
    Liste2->setEntries({});
    const FileContents file = m_platform.files.read(PatternFileName, MaxTextFileBytes);
    const PatternFileContents contents = file.opened
        ? ParsePatternFile(file.bytes, file.complete)
        : PatternFileContents{};
    Liste1->setEntries(contents.library.names);
    Liste2->setEntries(contents.library.cells);
    if (contents.ok) {
        m_state.PatternName = Liste1->entry(0);
        m_state.PatternBits = Liste2->entry(0);
        m_state.RemainingCells = m_state.PatternBits;
    } else {
        m_platform.dialogs.messageBox(QStringLiteral(" Es sind keine Daten vorhanden!\r"
                                                     "Ein Standardfeld wird verwendet!"),
                                      MessageStyle::Information,
                                      QStringLiteral("ZEP-100er-Feld"));
        m_state.PatternName = DefaultPatternName();
        m_state.PatternBits = DefaultPatternCells();
        Liste1->addEntry(m_state.PatternName);
        Liste2->addEntry(m_state.PatternBits);
    }
    Liste1->setSelectedPosition(0);
    Liste2->setSelectedPosition(0);
}

void Form1::windowActivated(ActivationGate::Window window)
{
    // A return while the other window stays open was made by a press into this window;
    // that press brings the window back and is no answer.
    if (m_gate.activated(window, m_info && m_info->isVisible()))
        Form_Activate();
}

void Form1::Form_Activate() { Bezeichnung4_Click(); }

void Form1::Liste4_DblClick() { MoveLeftEdge(Liste4, ResultsHiddenLeft); }

void Form1::Bild5_Click()
{
    if (m_platform.dialogs.messageBox(QStringLiteral("Dieses Programm jetzt beenden?\n\r "),
                                      MessageStyle::Question, QStringLiteral("ZEP100"))
        == Answer::No)
        return;
    if (m_editor && !m_editor->mayEnd()) // patterns changed and not saved
        return;
    m_results.save().tell(m_platform.dialogs);
    endProgram();
}

// Nobody is there to answer a box: what went wrong goes to the log.
void Form1::SaveAndEnd()
{
    if (m_editor)
        m_editor->keepAside();
    m_results.save().log();
    endProgram();
}

void Form1::endProgram()
{
    m_ending = true;
    m_platform.program.quit();
}

void Form1::closeEvent(QCloseEvent *event)
{
    if (!m_ending)
        Bild5_Click();
    event->setAccepted(m_ending);
}

// The first showing counts as the first activation, also where no window manager hands
// the window the focus.
void Form1::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    windowActivated(ActivationGate::Window::Main);
}

bool Form1::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        windowActivated(ActivationGate::Window::Main);
    if (event->type() == QEvent::WindowDeactivate)
        m_keys.clear(); // the keys held now are let go elsewhere
    return QWidget::event(event);
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (!watched->isWidgetType() || static_cast<QWidget *>(watched)->window() != this)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress: {
        m_gate.keyPressed();
        const auto *key = static_cast<QKeyEvent *>(event);
        return Form_KeyDown(key->key(), m_keys.isRepeat(*key));
    }
    case QEvent::KeyRelease:
        m_keys.isRepeat(*static_cast<QKeyEvent *>(event));
        break;
    case QEvent::MouseMove:
        m_gate.moved(static_cast<QMouseEvent *>(event)->timestamp());
        break;
    case QEvent::MouseButtonPress:
        return swallowReturnPress(static_cast<QWidget *>(watched), *static_cast<QMouseEvent *>(event));
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

// The press that brings the window back is no answer, whether it is read before or after
// the activation it causes. Read before, it makes the return itself; then a control that
// the new exercise took away from under the pointer does not get it either.
bool Form1::swallowReturnPress(QWidget *receiver, const QMouseEvent &press)
{
    if (m_gate.returnDue() && !isActiveWindow())
        windowActivated(ActivationGate::Window::Main);
    if (!m_gate.isReturnPress(press.timestamp()))
        return false;
    return receiver == Bild11
        || (receiver != this && childAt(mapFromGlobal(press.globalPosition().toPoint())) != receiver);
}

// ---- Exercise ----------------------------------------------------------------------------

void Form1::Bezeichnung4_Click()
{
    hideResults();
    m_state.ExerciseMode = Module1::FelderMode;
    HBildlauf1->hide();
    Befehl1->hide();
    setModeLabels(Bezeichnung4, Bezeichnung5);
    Bild11->setKeyboardPlay(true);
    DrawBoard(*Bild11, m_state.BoardLayout);
    loadSelectedPattern();
    startExercise();
}

void Form1::Bezeichnung5_Click()
{
    hideResults();
    m_state.ExerciseMode = Module1::ZahlenMode;
    HBildlauf1->show();
    Befehl1->show();
    setModeLabels(Bezeichnung5, Bezeichnung4);
    Bild11->setKeyboardPlay(false); // the arrows and Enter choose the number here
    DrawBoard(*Bild11, m_state.BoardLayout);
    loadSelectedPattern();
    HBildlauf1->setValue(1);
    startExercise();
}

// A picture without cells has nothing to ask: no question, no number to choose, no score,
// no message.
void Form1::startExercise()
{
    if (exerciseOpen()) {
        AskNextNumber();
        return;
    }
    HBildlauf1->hide();
    Befehl1->hide();
    Bezeichnung3->setText(NoCellsText);
}

bool Form1::exerciseOpen() const { return HasOpenCell(m_state.RemainingCells); }

void Form1::setModeLabels(ClickLabel *active, ClickLabel *inactive)
{
    active->setBackground(Cyan);
    inactive->setBackground(LightGrey);
}

void Form1::loadSelectedPattern()
{
    const int i = Liste1->selectedPosition();
    m_state.PatternName = m_lead ? m_lead->title() : Liste1->entry(i);
    m_state.PatternBits = m_lead ? m_lead->start() : Liste2->entry(i);
    m_state.RemainingCells = m_state.PatternBits;
    m_state.FoundCells = EmptyCells();
}

void Form1::AskNextNumber()
{
    if (!HasOpenCell(m_state.RemainingCells)) {
        ExerciseSolved();
        return;
    }
    m_state.TargetNumber = m_lead ? m_lead->nextNumber() : m_platform.random.drawMarked(m_state.RemainingCells);
    if (m_state.ExerciseMode == Module1::FelderMode) {
        Bezeichnung3->setText(m_state.NumberWords[m_state.TargetNumber]);
    } else {
        Bezeichnung3->setText(ReadingAloud::ZahlenQuestion);
        PaintCell(*Bild11, m_state.TargetNumber, PaletteIndex::Yellow);
    }
    m_voice->forgetProposal();
    m_voice->sayQuestion();
    emit questionAsked(m_state.TargetNumber);
}

void Form1::Bild11_MouseDown(Qt::MouseButton, QPointF twips)
{
    const std::optional<int> k = CellAt(twips);
    if (!k || m_state.ExerciseMode != Module1::FelderMode || !exerciseOpen())
        return;
    if (*k != m_state.TargetNumber || !CellIsSet(m_state.RemainingCells, *k)) {
        CountError();
        reportAnswer(*k, false);
        return;
    }
    m_state.RemainingCells = SetCell(m_state.RemainingCells, *k, u'0');
    m_state.FoundCells = SetCell(m_state.FoundCells, *k, u'1');
    CountHit();
    reportAnswer(*k, true);
    PaintCell(*Bild11, *k, PaletteIndex::LightGreen);
    AskNextNumber();
}

void Form1::CountHit()
{
    if (m_state.HitCount < Module1::CounterLimit)
        ++m_state.HitCount;
    Bezeichnung1->setText(Digits(m_state.HitCount));
}

void Form1::CountError()
{
    if (m_state.ErrorCount < Module1::CounterLimit)
        ++m_state.ErrorCount;
    Bezeichnung2->setText(Digits(m_state.ErrorCount));
}

void Form1::reportAnswer(int given, bool right)
{
    emit answerGiven({m_state.TargetNumber, given, right, m_state.ExerciseMode, m_state.Language,
                      m_state.PatternName, Bezeichnung9->text()});
}

void Form1::ExerciseSolved()
{
    emit exerciseSolved();
    const QString solved = QStringLiteral("Die Aufgabe wurde gelöst!") + (m_solvedNote ? m_solvedNote() : QString());
    if (ExerciseLead *lead = std::exchange(m_lead, nullptr)) {
        m_platform.dialogs.messageBox(solved, MessageStyle::Information, m_state.PatternName);
        restartMode(); // the library's pattern, where the child left it
        lead->solved();
        return;
    }
    const QString score = (QStringLiteral("0000") + Bezeichnung1->text()).right(4);
    addResult(score + QStringLiteral("  ") + Bezeichnung9->text());
    showResults();
    m_platform.dialogs.messageBox(solved, MessageStyle::Information, m_state.PatternName);
    const int next = nextPlayablePattern(Liste1->selectedPosition());
    if (next < 0)
        return; // no pattern has a cell to find: wait for the user
    Liste1->setSelectedPosition(next);
    Liste2->setSelectedPosition(next);
    loadSelectedPattern();
    showPosition();
    restartMode();
}

// The next pattern after position from, in circular order, that has a cell to find; -1 if
// there is none, so that a library of empty patterns cannot chain success messages.
int Form1::nextPlayablePattern(int from) const
{
    const int count = Liste1->count();
    for (int step = 1; step <= count; ++step) {
        const int i = (from + step) % count;
        if (HasOpenCell(Liste2->entry(i)))
            return i;
    }
    return -1;
}

void Form1::restartMode()
{
    if (m_state.ExerciseMode == Module1::FelderMode)
        Bezeichnung4_Click();
    else
        Bezeichnung5_Click();
}

void Form1::HBildlauf1_Change()
{
    Bezeichnung3->setText(Digits(HBildlauf1->value()));
    if (m_state.ExerciseMode == Module1::ZahlenMode)
        m_voice->proposalMoved();
}

void Form1::Befehl1_Click()
{
    if (!exerciseOpen())
        return;
    m_voice->sayConfirmedProposal();
    const int n = m_state.TargetNumber;
    if (HBildlauf1->value() != n) {
        CountError();
        reportAnswer(HBildlauf1->value(), false);
        m_platform.dialogs.beep();
        return;
    }
    PaintCell(*Bild11, n, PaletteIndex::LightGreen);
    m_state.RemainingCells = SetCell(m_state.RemainingCells, n, u'0');
    m_state.FoundCells = SetCell(m_state.FoundCells, n, u'1');
    CountHit();
    reportAnswer(n, true);
    m_voice->askAfterProposal([this] { AskNextNumber(); });
}

bool Form1::Form_KeyDown(int key, bool autoRepeat)
{
    if (m_state.ExerciseMode == Module1::FelderMode || !exerciseOpen())
        return false;
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!autoRepeat) // a held Enter is one answer
            Befehl1_Click();
        return true;
    case Qt::Key_Left:
    case Qt::Key_Up:
        HBildlauf1->setValue(std::max(HBildlauf1->value() - 1, HBildlauf1->minimum()));
        return true;
    case Qt::Key_Right:
    case Qt::Key_Down:
        HBildlauf1->setValue(std::min(HBildlauf1->value() + 1, HBildlauf1->maximum()));
        return true;
    default:
        return false;
    }
}

// ---- Users and results -------------------------------------------------------------------

bool Form1::resultsShown() const { return LeftEdge(Liste4) == ResultsShownLeft; }

void Form1::showResults()
{
    MoveLeftEdge(Liste4, ResultsShownLeft);
    Liste4->raise();
}

void Form1::hideResults()
{
    if (resultsShown())
        MoveLeftEdge(Liste4, ResultsHiddenLeft);
}

void Form1::addResult(const QString &entry)
{
    Liste4->addEntry(entry);
    m_results.added(entry);
    while (Liste4->count() > MaxResultsEntries)
        Liste4->removeEntry(Liste4->count() - 1);
}

void Form1::Bild10_Click()
{
    showResults();
    const QString name = m_platform.dialogs.inputBoxWithChoices(
        QStringLiteral("Neuer Name:"), QStringLiteral("Benutzer eingeben"),
        m_names ? m_names() : QStringList(), MaxNameLength);
    if (!name.isEmpty()) {
        Bezeichnung9->setText(name);
        applySecondLanguage();
        lead(nullptr); // a practice is the child's it was made for
    }
    hideResults();
    m_state.HitCount = 0;
    m_state.ErrorCount = 0;
    Bezeichnung1->setText(QStringLiteral("0"));
    Bezeichnung2->setText(QStringLiteral("0"));
}

// ---- Catalogue ---------------------------------------------------------------------------

void Form1::Bild6_Click()
{
    Liste3->setVisible(!Liste3->isVisible());
    if (Liste3->isVisible())
        Liste3->raise();
}

void Form1::Liste3_Click()
{
    const int position = Liste3->selectedPosition();
    if (position >= 0 && position < BoardCatalogue().size())
        m_state.BoardLayout = BoardCatalogue().at(position).layout;
    Liste3->hide();
    DrawBoard(*Bild11, m_state.BoardLayout);
    // The found cells come back in green; they were counted when they were found.
    for (int n = 1; n <= CellCount; ++n)
        if (CellIsSet(m_state.FoundCells, n))
            PaintCell(*Bild11, n, PaletteIndex::LightGreen);
}

// ---- Controls around the board -----------------------------------------------------------

void Form1::showPosition() { Bezeichnung6->setText(Digits(Liste1->selectedPosition() + 1)); }

void Form1::stepPattern(int step)
{
    m_lead = nullptr;
    hideResults();
    const int count = Liste1->count();
    const int i = (Liste1->selectedPosition() + step + count) % count;
    Liste1->setSelectedPosition(i);
    showPosition();
    loadSelectedPattern();
    restartMode();
    showPreview();
}

void Form1::Bezeichnung7_Click() { stepPattern(-1); }

void Form1::Bezeichnung8_Click() { stepPattern(+1); }

void Form1::Bild4_Click()
{
    hideResults();
    if (Bild9->isVisible()) {
        Bild9->hide();
        Bild4->setBackground(Green);
        return;
    }
    showPreview();
}

// The solution picture covers the board, never the help panel.
void Form1::showPreview()
{
    Bild4->setBackground(Red);
    DrawPreview(*Bild9, Liste2->entry(Liste1->selectedPosition()));
    Bild9->stackUnder(Bild16);
}

// Switches between German and the user's second language.
void Form1::Bild12_Click()
{
    m_secondLanguage.switchLanguage(*Bild12, m_state.Language);
    m_state.BuildNumberWords();
    m_voice->showButton();
    Bezeichnung7_Click();
    Bezeichnung8_Click();
}

// The second language of a new user applies at once when the numbers are in the second
// language; in German it waits for the language button.
void Form1::applySecondLanguage()
{
    m_secondLanguage.setUser(Bezeichnung9->text());
    if (Bild12->picture() == GermanPicture || m_state.Language == m_secondLanguage.setting()) {
        m_secondLanguage.show(*Bild12, m_state.Language);
        return;
    }
    Bild12->setPicture(GermanPicture);
    Bild12_Click();
}

void Form1::Bild15_Click()
{
    if (LeftEdge(Bild16) == HelpShownLeft) {
        MoveLeftEdge(Bild16, HelpHiddenLeft);
        return;
    }
    Bild16->clear();
    for (const QString &line : HelpLines)
        Bild16->print(line);
    MoveLeftEdge(Bild16, HelpShownLeft);
    Bild16->raise();
}

void Form1::Bild3_Click() { DrawBoard(*Bild11, m_state.BoardLayout); }

// ---- Reading aloud -----------------------------------------------------------------------

void Form1::Bezeichnung3_Click()
{
    if (!Bezeichnung3->text().isEmpty())
        m_voice->sayQuestion();
}

void Form1::Bild17_Click() { m_voice->toggle(); }

bool Form1::speechOn() const { return m_voice->isOn(); }

// ---- The other windows -------------------------------------------------------------------

void Form1::Bild7_Click()
{
    if (!m_editor) {
        m_editor = std::make_unique<Form2>(m_state, m_platform, *this);
        connect(m_editor.get(), &Form2::recordWanted, this, &Form1::recordWanted);
    }
    m_editor->open(library());
    hide();
}

void Form1::Bild8_Click()
{
    if (!m_info)
        m_info = std::make_unique<ZEPLABEL>(m_platform.screen);
    m_info->open();
}

void Form1::Bild18_Click()
{
    if (Bezeichnung9->text() == StartUserName)
        Bild10_Click();
    if (Bezeichnung9->text() != StartUserName)
        emit myNumbersWanted(Bezeichnung9->text());
}

void Form1::lead(ExerciseLead *lead)
{
    if (!std::exchange(m_lead, lead) && !lead)
        return;
    Bild9->hide(); // the board in view
    Bild4->setBackground(Green);
    restartMode();
}

PatternLibrary Form1::library() const
{
    PatternLibrary copy;
    copy.names = Liste1->entries();
    copy.cells = Liste2->entries();
    copy.selected = Liste1->selectedPosition();
    return copy;
}

QString Form1::languagePicture() const { return Bild12->picture(); }
QString Form1::germanPicture() const { return GermanPicture; }

void Form1::showAgain(const PatternLibrary &edited, const QString &picture)
{
    // The lists are taken over before the window shows, so that the exercise started by
    // its activation runs on the edited library.
    Bild12->setPicture(picture);
    m_secondLanguage.show(*Bild12, m_state.Language);
    m_state.BuildNumberWords();
    m_voice->showButton();
    Liste1->setEntries(edited.names);
    Liste1->setSelectedPosition(0);
    Liste2->setEntries(edited.cells);
    Liste2->setSelectedPosition(0);
    showPosition();
    m_gate.activated(ActivationGate::Window::OwnWindow); // coming back from the editor
    show();
    raise();
    activateWindow();
}

void Form1::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(TwipRect{0, 0, 735, BarHeight}.toPixels(), Cyan);
    painter.setPen(QPen(BarEdge, 2));
    painter.drawLine(ToPixels(720), 0, ToPixels(720), ToPixels(BarEdgeBottom));
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(TwipRect{960, 840, 5295, 6255}.toPixels());
    painter.setPen(QPen(LightGrey, 2));
    painter.setBrush(LightGrey);
    painter.drawRect(TwipRect{1080, 6600, 5055, 375}.toPixels());
}
