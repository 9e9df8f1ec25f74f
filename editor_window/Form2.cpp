// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Form2.h"

#include "BoardSurface.h"
#include "CellStringDrawing.h"
#include "Cells.h"
#include "ClickLabel.h"
#include "ClipboardExport.h"
#include "Clipboard.h"
#include "Dialogs.h"
#include "DrawingSurface.h"
#include "Files.h"
#include "LibraryOwner.h"
#include "ListBox.h"
#include "Module1.h"
#include "Palette.h"
#include "PatternFile.h"
#include "PictureButton.h"
#include "Random.h"
#include "Screen.h"
#include "SecondLanguage.h"
#include "TextFiles.h"
#include "TwipLayout.h"
#include "WindowLook.h"
#include "Worksheets.h"

#include <QCloseEvent>
#include <QLoggingCategory>
#include <QPainter>

Q_LOGGING_CATEGORY(lcLibrary, "zep.library")

namespace {

using namespace WindowLook;

const QString SaveTitle = QStringLiteral("S i c h e r n");
constexpr int CaptionRowWidth = 5895;
constexpr int RecordIconLeft = 6150; // set a little apart: the teacher's record, not the library
constexpr int BandOvershoot = 90; // the band behind the icons reaches past the right edge

QColor CellColour(QChar value)
{
    return ToQColor(PaletteColor(value == u'1' ? PaletteIndex::Yellow : PaletteIndex::LightRed));
}

} // namespace

Form2::Form2(Module1 &state, const Platform &platform, LibraryOwner &owner, QWidget *parent)
    : QWidget(parent, Qt::Window), m_state(state), m_platform(platform), m_owner(owner)
{
    SetUpWindow(*this, QStringLiteral("Hunderterfeld"), QStringLiteral(":/icons/hammer.svg"),
                WindowWidth, WindowHeight, Qt::white);
    buildControls();
}

void Form2::buildControls()
{
    auto button = [this](const char *icon, const char *name, int left, int top) {
        auto *picture = new PictureButton(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(icon)),
                                          QString::fromUtf8(name), Cyan, this);
        Place(picture, left, top, 495, 495);
        return picture;
    };
    auto label = [this](const QString &caption, const QColor &background, TwipRect place) {
        auto *text = new ClickLabel(caption, background, this);
        Place(text, place);
        return text;
    };

    Bezeichnung7 = label(QStringLiteral(" E n d e     Hilfe       N e u    Sichern    Ablage   "
                                        "Löschen  Sprache"),
                         Cyan, {0, 15, CaptionRowWidth, 255});
    SetControlFont(*Bezeichnung7, SansFont(9, true));
    Bild1 = button("exit", "Ende", 120, 240);
    Bild3 = button("help_bubble", "Hilfe", 960, 240);
    Bild4 = button("pencil", "Neu", 1800, 240);
    Bild5 = button("floppy", "Sichern", 2640, 240);
    Bild8 = button("paperclip", "Ablage", 3480, 240);
    Bild10 = button("wastebasket", "Löschen", 4320, 240);
    Bild14 = button("flag_de", "Sprache", 5160, 240);
    // The learning record: one more icon at the end of the row, with a caption of its own.
    Bild15 = button("record", "Lernstand", RecordIconLeft, 240);
    Bezeichnung8 = label(QStringLiteral("Lernstand"), Cyan,
                         {CaptionRowWidth, 15, WindowWidth - CaptionRowWidth, 255});
    Bezeichnung8->setAlignment(Qt::AlignCenter);
    SetControlFont(*Bezeichnung8, SansFont(9, true));

    Liste1 = new ListBox(false, this);
    Place(Liste1, TwipRect{120, 960, 1215, 3735});
    Liste1->setAccessibleName(QStringLiteral("Felder"));
    SetControlFont(*Liste1, SansFont(9, true)); // as the caption row: a little more of each name
    Liste2 = new ListBox(false, this);
    Liste3 = new ListBox(false, this);
    Place(Liste2, TwipRect{6120, 960, 1215, 1000});
    Place(Liste3, TwipRect{6120, 2000, 1215, 1000});
    Liste2->hide();
    Liste3->hide();

    Bild2 = new BoardSurface(QSize(EditorBoardTwips, EditorBoardTwips), EditorCellTwips,
                             Qt::white, this);
    Bild2->setCells(this);
    Bild2->setAccessibleName(QStringLiteral("Lösungsbild bearbeiten"));
    Place(Bild2, TwipRect{1440, 960, 3000, 3000});
    Bild2->setFont(SansFont(8, false));

    Bezeichnung6 = label(QStringLiteral("Aktiviertes Feld:"), LightYellow, {1560, 4200, 2055, 375});
    Bezeichnung5 = label(QString(), LightYellow, {3840, 4200, 495, 315});
    Bezeichnung5->setAlignment(Qt::AlignCenter);
    Bezeichnung5->setAccessibleDescription(QStringLiteral("Aktiviertes Feld"));

    Bild6 = button("sheet_field", "Zahlenfeld drucken", 4920, 1080);
    Bild9 = button("sheet_list", "Zahlenliste drucken", 4920, 2040);
    Bild7 = button("sheet_pairs", "Zahlenpaare drucken", 4920, 3000);
    Bild12 = button("sheet_line", "Zahlenstrahl drucken", 4920, 3960);
    Bezeichnung1 = label(QStringLiteral("Zahlenfeld"), Qt::white, {4650, 1540, 1095, 255});
    Bezeichnung2 = label(QStringLiteral("Zahlenliste"), Qt::white, {4650, 2500, 1095, 255});
    Bezeichnung3 = label(QStringLiteral("Zahlenpaare"), Qt::white, {4650, 3460, 1095, 255});
    Bezeichnung4 = label(QStringLiteral("Zahlenstrahl"), Qt::white, {4650, 4420, 1095, 255});
    for (ClickLabel *sheet : {Bezeichnung1, Bezeichnung2, Bezeichnung3, Bezeichnung4}) {
        sheet->setAlignment(Qt::AlignCenter);
        SetControlFont(*sheet, SansFont(8, true));
    }

    connect(Liste1, &ListBox::clicked, this, &Form2::Liste1_Click);
    connect(Bild2, &DrawingSurface::mouseMoved, this, &Form2::Bild2_MouseMove);
    connect(Bild2, &DrawingSurface::mousePressed, this, &Form2::Bild2_MouseDown);
    // With the keyboard, Enter or Space marks the framed cell as the right button does.
    connect(Bild2, &BoardSurface::cursorMoved, this, &Form2::Bild2_MouseMove);
    connect(Bild2, &BoardSurface::cellChosen, this,
            [this](QPointF twips) { Bild2_MouseDown(Qt::RightButton, twips); });
    connect(Bild1, &QToolButton::clicked, this, &Form2::Bild1_Click);
    connect(Bild3, &QToolButton::clicked, this, &Form2::Bild3_Click);
    connect(Bild4, &QToolButton::clicked, this, &Form2::Bild4_Click);
    connect(Bild5, &QToolButton::clicked, this, &Form2::Bild5_Click);
    connect(Bild8, &QToolButton::clicked, this, &Form2::Bild8_Click);
    connect(Bild10, &QToolButton::clicked, this, &Form2::Bild10_Click);
    connect(Bild14, &QToolButton::clicked, this, &Form2::Bild14_Click);
    m_owner.secondLanguage().attach(*Bild14);
    connect(&m_owner.secondLanguage(), &SecondLanguage::chosen, this, [this] {
        if (!isVisible())
            return;
        Bild14->setPicture(m_owner.germanPicture());
        Bild14_Click();
    });
    connect(Bild15, &QToolButton::clicked, this, &Form2::Bild15_Click);
    connect(Bild6, &QToolButton::clicked, this, [this] { PrintZahlenfeld(*this); });
    connect(Bild9, &QToolButton::clicked, this, [this] { PrintZahlenliste(*this); });
    connect(Bild7, &QToolButton::clicked, this, [this] { PrintZahlenpaare(*this); });
    connect(Bild12, &QToolButton::clicked, this, [this] { PrintZahlenstrahl(*this); });

    OrderTabs(*this, {});
}

void Form2::open(const PatternLibrary &library)
{
    if (!m_loaded) {
        Form_Load();
        m_loaded = true;
        m_saved = library; // the main window does not change the library it loaded
    }
    Liste1->setEntries(library.names);
    Liste2->setEntries(library.cells);
    Liste1->setSelectedPosition(library.selected);
    Liste2->setSelectedPosition(library.selected);
    show();
    raise();
    activateWindow();
    Form_Activate();
}

void Form2::Form_Load()
{
    PlaceOnScreen(*this, m_platform.screen.sizeTwips(), 0.25, 0.25);
    m_platform.random.seedFromClock();
}

// Runs when the editor is opened from the main window; the program's own message boxes
// closing over the editor do not count, so a language chosen here is kept.
void Form2::Form_Activate()
{
    m_owner.secondLanguage().show(*Bild14, m_state.Language);
    m_state.BuildNumberWords();
    Liste1_Click();
}

void Form2::Liste1_Click()
{
    const int i = Liste1->selectedPosition();
    m_state.PatternName = Liste1->entry(i);
    m_state.PatternBits = Liste2->entry(i);
    setWindowTitle(QStringLiteral("Hunderterfeld:  ") + m_state.PatternName);
    DrawCellString(*Bild2, m_state.PatternBits, QPointF(0, 0), EditorCellTwips,
                   CellColour(u'0'), CellColour(u'1'));
}

void Form2::drawCell(int k)
{
    Bild2->box(QRectF(EditorCellTwips * CellColumn(k), EditorCellTwips * CellRow(k),
                      EditorCellTwips, EditorCellTwips));
}

std::optional<int> Form2::pointedCell(QPointF twips) const
{
    const double x = std::round(twips.x());
    const double y = std::round(twips.y());
    if (x <= 0 || y <= 0 || x >= EditorBoardTwips || y >= EditorBoardTwips)
        return std::nullopt;
    return CellNumber(int(y) / EditorCellTwips, int(x) / EditorCellTwips);
}

void Form2::Bild2_MouseMove(QPointF twips)
{
    if (const std::optional<int> k = pointedCell(twips))
        Bezeichnung5->setText(QString::number(*k));
}

void Form2::Bild2_MouseDown(Qt::MouseButton button, QPointF twips)
{
    const std::optional<int> k = pointedCell(twips);
    if (button != Qt::RightButton || !k || Liste1->selectedPosition() < 0)
        return;
    Bezeichnung5->setText(QString::number(*k));
    const QChar value = CellIsClear(m_state.PatternBits, *k) ? u'1' : u'0';
    if (*k > m_state.PatternBits.size())
        m_state.PatternBits = m_state.PatternBits.leftJustified(*k, u'0');
    m_state.PatternBits = SetCell(m_state.PatternBits, *k, value);
    Bild2->setFillColor(CellColour(value));
    Bezeichnung5->setBackground(CellColour(value));
    drawCell(*k);
    Liste2->setEntry(Liste1->selectedPosition(), m_state.PatternBits);
}

int Form2::findName(const QString &name) const
{
    for (int i = 0; i < Liste1->count(); ++i)
        if (Liste1->entry(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

// Asks until the name can be stored: empty means cancelled.
QString Form2::askNewName(const QString &preset)
{
    for (;;) {
        const QString name = m_platform.dialogs.inputBox(
            QStringLiteral("Neues Feld eingeben:"), QStringLiteral("Feldname"), preset, MaxNameLength);
        if (!name.contains(u'"'))
            return name;
        m_platform.dialogs.messageBox(QStringLiteral("Ein Feldname darf kein Anführungszeichen (\")"
                                                     " enthalten!\rBitte einen anderen Namen eingeben."),
                                      MessageStyle::Information, QStringLiteral("Feldname"));
    }
}

void Form2::Bild4_Click()
{
    const QString preset = QString::number(Liste1->count() + 1) + QStringLiteral(". Feldeingabe");
    for (;;) {
        const QString name = askNewName(preset);
        if (name.isEmpty())
            return;
        const int existing = findName(name);
        if (existing < 0) {
            Liste1->addEntry(name);
            Liste2->addEntry(EmptyCells());
            Liste1->setSelectedPosition(Liste1->count() - 1);
            Liste2->setSelectedPosition(Liste1->count() - 1);
            return;
        }
        if (m_platform.dialogs.messageBox(QStringLiteral(" Dieser Name ist bereits vorhanden!\r"
                                                         "Vorhandenen Eintrag überschreiben?"),
                                          MessageStyle::Question,
                                          QStringLiteral("Sichern: ") + name)
            == Answer::No)
            continue;
        // Overwriting: the entry keeps its place, takes the name as typed and starts empty.
        Liste1->setEntry(existing, name);
        Liste2->setEntry(existing, EmptyCells());
        selectAndPaint(existing);
        return;
    }
}

void Form2::Bild10_Click()
{
    const int i = Liste1->selectedPosition();
    if (i < 0) {
        m_platform.dialogs.messageBox(QStringLiteral("Bitte ein Feld wählen!"),
                                      MessageStyle::Information, QStringLiteral("L ö s c h e n"));
        return;
    }
    m_state.PatternName = Liste1->entry(i);
    m_state.PatternBits = Liste2->entry(i);
    if (m_platform.dialogs.messageBox(QStringLiteral("Dieses Hunderterfeld löschen?\r\n "),
                                      MessageStyle::Question, m_state.PatternName)
        == Answer::No)
        return;
    Liste1->removeEntry(i);
    Liste2->removeEntry(i);
    if (Liste1->count() == 0) {
        AddDefaultPattern();
        return;
    }
    selectAndPaint(0);
}

// Selects entry i; the board shows it even when the selection stays where it was.
void Form2::selectAndPaint(int i)
{
    if (Liste1->selectedPosition() == i)
        Liste1_Click();
    else
        Liste1->setSelectedPosition(i);
    Liste2->setSelectedPosition(i);
}

void Form2::AddDefaultPattern()
{
    m_state.PatternName = DefaultPatternName();
    m_state.PatternBits = DefaultPatternCells();
    Liste1->addEntry(m_state.PatternName);
    Liste2->addEntry(m_state.PatternBits);
    selectAndPaint(0);
}

void Form2::Bild5_Click()
{
    if (m_platform.dialogs.messageBox(QStringLiteral("Die Felder jetzt abspeichern?\n\r "),
                                      MessageStyle::Question, SaveTitle)
        == Answer::No)
        return;
    saveLibrary();
}

// The save after its question: true when the library was written.
bool Form2::saveLibrary()
{
    const QString fileName = AskFileName(m_platform.dialogs, m_platform.files, SaveTitle, PatternFileName);
    if (fileName.isEmpty())
        return false;
    const PatternLibrary library = listedLibrary();
    const QString failure = m_platform.files.write(fileName, WritePatternFile(library));
    if (!failure.isEmpty()) {
        TellNotSaved(m_platform.dialogs, fileName, failure, SaveTitle);
        return false;
    }
    m_saved = library;
    m_platform.dialogs.messageBox(QStringLiteral("Die angezeigte Datei wurde gespeichert!\r"),
                                  MessageStyle::Ok, fileName);
    return true;
}

bool Form2::unsaved() const
{
    return m_loaded && (Liste1->entries() != m_saved.names || Liste2->entries() != m_saved.cells);
}

bool Form2::mayEnd()
{
    if (!unsaved())
        return true;
    switch (m_platform.dialogs.messageBox(QStringLiteral("Die Bilder wurden geändert. Jetzt sichern?"),
                                          MessageStyle::QuestionOrCancel, SaveTitle)) {
    case Answer::Yes: return saveLibrary();
    case Answer::No: return true;
    default: return false;
    }
}

QString Form2::keepAside()
{
    if (!unsaved())
        return QString();
    const QString name = AsideName(m_platform.files, PatternFileName);
    const QString failure = name.isEmpty() ? QStringLiteral("kein freier Name")
                                           : m_platform.files.write(name, WritePatternFile(listedLibrary()));
    if (!failure.isEmpty()) {
        qCWarning(lcLibrary) << "changed patterns not kept:" << failure;
        return QString();
    }
    qCWarning(lcLibrary) << "changed patterns kept in" << name;
    return name;
}

void Form2::Bild8_Click()
{
    ClipboardContents contents;
    contents.text = NumberWordText(m_state.PatternBits, m_state.NumberWords, m_platform.random);
    contents.svg = GridSvg();
    contents.png = GridPng();
    m_platform.clipboard.put(contents);
    m_platform.dialogs.messageBox(QStringLiteral("Die Ziffern wurden in Textform\r\n"
                                                 "und das Gitter als Vektorgrafik\r\n"
                                                 "in die Zwischenablage kopiert."),
                                  MessageStyle::Information,
                                  m_state.PatternName + QStringLiteral(" kopieren"));
}

void Form2::Bild3_Click()
{
    m_platform.dialogs.messageBox(QStringLiteral("Um ein neues Feld zu erzeugen klicken Sie auf\r"
                                                 "das Stift-Icon und geben einen Feldnamen ein.\r"
                                                 "Mit der rechten Maustaste werden die Felder\r"
                                                 "gesetzt und gelöscht bzw. vorhandene editiert.\r"
                                                 "Die Felder müssen dann noch gesichert werden!\r"),
                                  MessageStyle::Ok, QStringLiteral("H i l f e"));
}

// Switches between German and the user's second language.
void Form2::Bild14_Click()
{
    m_owner.secondLanguage().switchLanguage(*Bild14, m_state.Language);
    m_state.BuildNumberWords();
}

void Form2::Bild1_Click()
{
    hide();
    PatternLibrary library = listedLibrary();
    library.selected = 0;
    m_owner.showAgain(library, Bild14->picture());
}

void Form2::Bild15_Click() { emit recordWanted(); }

DrawingSurface &Form2::board() { return *Bild2; }

BoardCells::Mark Form2::cellMark(int n) const
{
    return CellIsSet(m_state.PatternBits, n) ? Mark::Marked : Mark::None;
}

PatternLibrary Form2::listedLibrary() const
{
    PatternLibrary library;
    library.names = Liste1->entries();
    library.cells = Liste2->entries();
    return library;
}

void Form2::closeEvent(QCloseEvent *event)
{
    event->ignore();
    Bild1_Click();
}

void Form2::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(TwipRect{0, 0, WindowWidth + BandOvershoot, 855}.toPixels(), Cyan);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(0, ToPixels(840), width(), ToPixels(840));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(TwipRect{1440, 4080, 3015, 615}.toPixels());
    painter.drawRect(TwipRect{4560, 960, 1215, 3735}.toPixels());
}
