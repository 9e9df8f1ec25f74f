// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordWindow.h"

#include "BoardSurface.h"
#include "Cells.h"
#include "ClassList.h"
#include "Clock.h"
#include "Dialogs.h"
#include "Files.h"
#include "MapDrawing.h"
#include "MapTexts.h"
#include "ParentReport.h"
#include "PersonName.h"
#include "PracticeSheets.h"
#include "Printer.h"
#include "ProgramControl.h"
#include "RecordExport.h"
#include "RecordFiles.h"
#include "RecordReader.h"
#include "Screen.h"
#include "TextFiles.h"
#include "TwipLayout.h"
#include "WindowLook.h"
#include "WorksheetRun.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>

namespace {

using namespace WindowLook;

const QString PrintTitle = QStringLiteral("D r u c k e n");
const QString ExportTitle = QStringLiteral("E x p o r t i e r e n");
const QString DeleteTitle = QStringLiteral("L ö s c h e n");
const QString RenameTitle = QStringLiteral("U m b e n e n n e n");
const QString RetentionTitle = QStringLiteral("A u f b e w a h r e n");
const QString ExportName = QStringLiteral("Lernstand.csv");
constexpr double ControlPoints = 9;
constexpr double MapNumberPoints = 7.5;
constexpr int LegendCellTwips = 300;
constexpr int LegendGapTwips = 90;

// The places of the controls, in twips.
constexpr TwipRect ChildrenTitle{120, 120, 4200, 300};
constexpr TwipRect ChildrenPlace{120, 420, 4200, 4440};
constexpr TwipRect SheetsPlace{120, 4980, 2040, 405};
constexpr TwipRect ClassPlace{2280, 4980, 2040, 405};
constexpr TwipRect PrintPlace{120, 5460, 2040, 405};
constexpr TwipRect ExportPlace{2280, 5460, 2040, 405};
constexpr TwipRect RenamePlace{120, 5940, 2040, 405};
constexpr TwipRect DeletePlace{2280, 5940, 2040, 405};
constexpr TwipRect PasswordPlace{120, 6420, 2040, 405};
constexpr TwipRect RetentionTitlePlace{120, 6930, 1900, 375};
constexpr TwipRect RetentionPlace{2040, 6900, 1500, 405};
constexpr TwipRect ModeTitlePlace{4560, 150, 780, 330};
constexpr TwipRect ModePlace{5340, 120, 1620, 390};
constexpr TwipRect PeriodTitlePlace{7200, 150, 1020, 330};
constexpr TwipRect PeriodPlace{8220, 120, 3540, 390};
constexpr int MapLeft = 4560;
constexpr int MapTop = 600;
constexpr int MapTwips = 10 * RecordWindow::MapCellTwips;
// Room right of and below the cells, so that their outer lines are whole at every zoom.
constexpr int MapSurfaceTwips = MapTwips + 60;
constexpr TwipRect LegendPlace{9000, 600, 2760, 1950};
constexpr TwipRect FiguresPlace{9000, 2640, 2760, 2160};
constexpr TwipRect CellPlace{4560, 4890, 7200, 480};
constexpr TwipRect DiagnosisPlace{4560, 5400, 7200, 1890};
constexpr TwipRect WherePlace{120, 7350, 11640, 600};

enum Column { NameColumn, AnswersColumn, RightColumn, LastColumn };

QString Day(qint64 utcSeconds, int offsetSeconds)
{
    return MapTexts::Day(QDateTime::fromSecsSinceEpoch(utcSeconds, Qt::OffsetFromUTC, offsetSeconds).date());
}

QLabel *WrappedLabel(QWidget *parent, const TwipRect &place)
{
    auto *label = new QLabel(parent);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    Place(label, place);
    SetControlFont(*label, SansFont(ControlPoints, false));
    return label;
}

} // namespace

RecordWindow::RecordWindow(const Platform &platform, QWidget *parent)
    : QWidget(parent, Qt::Window), m_platform(platform), m_commands(platform.files, platform.clock)
{
    SetUpWindow(*this, QStringLiteral("Lernstand"), QStringLiteral(":/icons/record.svg"), WindowWidth,
                WindowHeight, Qt::white);
    buildControls();
}

void RecordWindow::buildControls()
{
    auto title = [this](const QString &text, const TwipRect &place) {
        auto *label = new QLabel(text, this);
        Place(label, place);
        SetControlFont(*label, SansFont(ControlPoints, true));
        return label;
    };
    auto button = [this](const QString &text, const TwipRect &place, void (RecordWindow::*click)()) {
        auto *pushButton = new QPushButton(text, this);
        Place(pushButton, place);
        SetControlFont(*pushButton, SansFont(ControlPoints, true));
        connect(pushButton, &QPushButton::clicked, this, click);
        return pushButton;
    };

    title(QStringLiteral("Kinder"), ChildrenTitle);
    childList = new QTreeWidget(this);
    childList->setColumnCount(4);
    childList->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Antworten"), QStringLiteral("richtig"),
                                QStringLiteral("zuletzt")});
    childList->setRootIsDecorated(false);
    childList->setUniformRowHeights(true);
    childList->setAllColumnsShowFocus(true);
    childList->setAccessibleName(QStringLiteral("Kinder"));
    childList->header()->setStretchLastSection(false);
    childList->header()->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    for (int column : {AnswersColumn, RightColumn, LastColumn})
        childList->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    Place(childList, ChildrenPlace);
    SetControlFont(*childList, SansFont(ControlPoints, false));
    connect(childList, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *item) {
        if (item)
            chooseChild(item->data(NameColumn, Qt::UserRole).toInt());
    });

    printButton = button(QStringLiteral("Drucken"), PrintPlace, &RecordWindow::print);
    exportButton = button(QStringLiteral("Exportieren"), ExportPlace, &RecordWindow::exportRecord);
    renameButton = button(QStringLiteral("Umbenennen"), RenamePlace, &RecordWindow::renameChild);
    deleteButton = button(QStringLiteral("Löschen"), DeletePlace, &RecordWindow::deleteChild);
    sheetsButton = button(QStringLiteral("Arbeitsblatt"), SheetsPlace, &RecordWindow::printSheets);
    classButton = button(QStringLiteral("Klasse"), ClassPlace, &RecordWindow::showClass);
    printButton->setAccessibleDescription(QStringLiteral("Bericht für die Eltern drucken"));
    sheetsButton->setAccessibleDescription(QStringLiteral("Zahlenfeld aus den Fehlern drucken"));
    classButton->setAccessibleDescription(QStringLiteral("Die ganze Klasse ohne Namen zeigen"));
    passwordButton = new QPushButton(QStringLiteral("Kennwort ändern"), this);
    Place(passwordButton, PasswordPlace);
    SetControlFont(*passwordButton, SansFont(ControlPoints, true));
    connect(passwordButton, &QPushButton::clicked, this, &RecordWindow::passwordChangeWanted);

    title(QStringLiteral("Aufbewahren:"), RetentionTitlePlace)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    retentionDays = new QSpinBox(this);
    retentionDays->setRange(RecordFiles::Retention::MinDays, RecordFiles::Retention::MaxDays);
    retentionDays->setSuffix(QStringLiteral(" Tage"));
    retentionDays->setAccessibleName(QStringLiteral("Antworten aufbewahren, in Tagen"));
    Place(retentionDays, RetentionPlace);
    SetControlFont(*retentionDays, SansFont(ControlPoints, false));
    connect(retentionDays, &QSpinBox::editingFinished, this, &RecordWindow::changeRetention);

    title(QStringLiteral("Modus:"), ModeTitlePlace);
    modeFilter = new QComboBox(this);
    modeFilter->addItems({QStringLiteral("beide"), QStringLiteral("Felder"), QStringLiteral("Zahlen")});
    modeFilter->setAccessibleName(QStringLiteral("Modus"));
    Place(modeFilter, ModePlace);
    title(QStringLiteral("Zeitraum:"), PeriodTitlePlace);
    periodFilter = new QComboBox(this);
    periodFilter->addItems({QStringLiteral("letzte 7 Tage"), QStringLiteral("letzte 30 Tage"),
                            QStringLiteral("Schuljahr"), QStringLiteral("alle")});
    periodFilter->setCurrentIndex(int(AnswerFilter::Period::SchoolYear));
    periodFilter->setAccessibleName(QStringLiteral("Zeitraum"));
    Place(periodFilter, PeriodPlace);
    for (QComboBox *combo : {modeFilter, periodFilter}) {
        SetControlFont(*combo, SansFont(ControlPoints, false));
        connect(combo, &QComboBox::currentIndexChanged, this, [this] {
            fillChildList();
            showMap();
        });
    }

    map = new BoardSurface(QSize(MapSurfaceTwips, MapSurfaceTwips), MapCellTwips, Qt::white, this);
    map->setCells(this);
    map->setAccessibleName(QStringLiteral("Lernstand auf dem Hunderterfeld"));
    map->setMouseTracking(true);
    QFont numbers = SansFont(MapNumberPoints, false);
    numbers.setStretch(90);
    map->setFont(numbers);
    Place(map, MapLeft, MapTop, MapSurfaceTwips, MapSurfaceTwips);
    connect(map, &DrawingSurface::mouseMoved, this, &RecordWindow::showCell);
    connect(map, &BoardSurface::cursorMoved, this, &RecordWindow::showCell);
    map->installEventFilter(this);

    legend = new DrawingSurface(QSize(LegendPlace.width, LegendPlace.height), Qt::white, this);
    legend->setFont(SansFont(ControlPoints, false));
    legend->setAccessibleName(QStringLiteral("Legende"));
    legend->setToolTip(MapTexts::StageRule());
    legend->setAccessibleDescription(MapTexts::StageRule());
    Place(legend, LegendPlace);
    MapDrawing::DrawLegend(*legend, QPointF(0, 0), LegendCellTwips, LegendGapTwips);

    totals = WrappedLabel(this, FiguresPlace);
    cellFigures = WrappedLabel(this, CellPlace);
    cellFigures->setAccessibleDescription(QStringLiteral("Angaben zum Feld"));
    diagnosis = new QPlainTextEdit(this);
    diagnosis->setReadOnly(true);
    diagnosis->setFrameShape(QFrame::NoFrame);
    diagnosis->setAccessibleName(QStringLiteral("Diagnose"));
    Place(diagnosis, DiagnosisPlace);
    SetControlFont(*diagnosis, SansFont(ControlPoints, false));
    whereKept = WrappedLabel(this, WherePlace);

    // The children and their commands first, then the map with its filters.
    OrderTabs(*this, {TwipRect{0, 0, MapLeft - 120, WindowHeight}});
}

void RecordWindow::open()
{
    PlaceOnScreen(*this, m_platform.screen.sizeTwips(), 0.5, 0.5);
    retentionDays->setValue(RecordFiles::Retention::Read(m_platform.files).days);
    reload(chosenName());
    show();
    raise();
    activateWindow();
}

void RecordWindow::reload(const QString &name)
{
    m_platform.program.setBusy(true);
    m_record = ReadRecord(m_platform.files);
    m_platform.program.setBusy(false);
    showWhereKept();
    m_child = -1;
    fillChildList();
    const int found = m_record.indexOf(name);
    chooseChild(found >= 0 ? found : (m_record.children.isEmpty() ? -1 : 0));
}

// Where the record is, what could not be read, and a retention setting that removes nothing.
void RecordWindow::showWhereKept()
{
    QString where = QStringLiteral("Der Lernstand liegt im Ordner %1.")
                        .arg(ShownPath(m_platform.files, RecordFiles::Folder));
    if (m_record.skippedLines > 0 || m_record.skippedFiles > 0)
        where += QStringLiteral(" Nicht lesbar und übergangen: %1 Zeilen, %2 Dateien.")
                     .arg(m_record.skippedLines)
                     .arg(m_record.skippedFiles);
    if (const RecordFiles::Retention retention = RecordFiles::Retention::Read(m_platform.files); !retention.valid)
        where += u'\n' + retention.problem;
    whereKept->setText(where);
}

AnswerFilter RecordWindow::filter() const
{
    static constexpr AnswerFilter::Modes Modes[] = {AnswerFilter::Modes::Both, AnswerFilter::Modes::Felder,
                                                    AnswerFilter::Modes::Zahlen};
    return {Modes[std::max(modeFilter->currentIndex(), 0)], AnswerFilter::Period(std::max(periodFilter->currentIndex(), 0))};
}

QString RecordWindow::periodText() const
{
    const AnswerFilter shown = filter();
    if (shown.period == AnswerFilter::Period::All)
        return QStringLiteral("alle Antworten");
    const QDateTime now = m_platform.clock.now();
    return QStringLiteral("%1 (seit %2)").arg(periodFilter->currentText(), Day(shown.since(now), now.offsetFromUtc()));
}

void RecordWindow::fillChildList()
{
    const QSignalBlocker quiet(childList);
    childList->clear();
    const AnswerFilter shown = filter();
    const qint64 since = shown.since(m_platform.clock.now());
    for (qsizetype i = 0; i < m_record.children.size(); ++i) {
        const ChildAnswers &child = m_record.children[i];
        int answers = 0, right = 0;
        for (const StoredAnswer &answer : child.answers)
            if (shown.takes(answer, since)) {
                ++answers;
                right += answer.right() ? 1 : 0;
            }
        const StoredAnswer &last = child.answers.back();
        auto *item = new QTreeWidgetItem(childList, {child.name, QString::number(answers),
                                                     MapTexts::Percent(right, answers),
                                                     Day(last.utcSeconds, last.offsetSeconds)});
        item->setData(NameColumn, Qt::UserRole, int(i));
        item->setToolTip(NameColumn, child.name);
        for (int column : {AnswersColumn, RightColumn})
            item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        if (i == m_child)
            childList->setCurrentItem(item);
    }
    const bool any = !m_record.children.isEmpty();
    for (QPushButton *command : {printButton, exportButton, deleteButton, renameButton, sheetsButton, classButton})
        command->setEnabled(any);
}

void RecordWindow::chooseChild(int index)
{
    m_classShown = false;
    m_child = index >= 0 && index < m_record.children.size() ? index : -1;
    for (int row = 0; row < childList->topLevelItemCount(); ++row) {
        QTreeWidgetItem *item = childList->topLevelItem(row);
        if (item->data(NameColumn, Qt::UserRole).toInt() == m_child && childList->currentItem() != item) {
            const QSignalBlocker quiet(childList);
            childList->setCurrentItem(item);
        }
    }
    showMap();
}

void RecordWindow::showClass()
{
    const QSignalBlocker quiet(childList);
    childList->setCurrentItem(nullptr);
    m_child = -1;
    m_classShown = true;
    showMap();
}

void RecordWindow::showMap()
{
    const QDateTime now = m_platform.clock.now();
    legend->setVisible(!m_classShown); // the class map has its own marks
    if (m_classShown) {
        m_class = ClassMap::Of(m_record, filter(), now);
        map->clear();
        MapDrawing::DrawClassMap(*map, m_class, QPointF(0, 0), MapCellTwips);
        totals->setText(MapTexts::ClassFigures(m_class).join(u'\n'));
        diagnosis->setPlainText(MapTexts::ClassDiagnosis(m_class));
        cellFigures->clear();
        return;
    }
    static const std::vector<StoredAnswer> none;
    const std::vector<StoredAnswer> &answers = m_child >= 0 ? m_record.children[m_child].answers : none;
    m_map = LearningMap::Of(answers, filter(), now);
    map->clear();
    MapDrawing::DrawMap(*map, m_map, QPointF(0, 0), MapCellTwips);
    totals->setText(m_child < 0 ? QString() : MapTexts::Figures(m_map).join(u'\n'));
    if (m_child < 0) {
        diagnosis->setPlainText(QStringLiteral("Es ist noch keine Antwort aufgezeichnet."));
        cellFigures->clear();
        return;
    }
    diagnosis->setPlainText(MapTexts::Diagnosis(m_map).join(u'\n') + u'\n'
                            + MapTexts::Trend(WeekTrend::Of(answers, filter().modes, now)));
    cellFigures->setText(QStringLiteral("Die Angaben zu einem Feld: darauf zeigen oder mit den "
                                        "Pfeiltasten hingehen."));
}

// The framed cell's figures show as soon as the map takes the focus.
bool RecordWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == map && event->type() == QEvent::FocusIn)
        showCell(map->cellCentre(map->cursorCell()));
    return QWidget::eventFilter(watched, event);
}

void RecordWindow::showCell(QPointF twips)
{
    const int column = int(twips.x()) / MapCellTwips, row = int(twips.y()) / MapCellTwips;
    if (twips.x() < 0 || twips.y() < 0 || column >= BoardSide || row >= BoardSide)
        return;
    const int n = CellNumber(row, column);
    cellFigures->setText(cellDescription(n));
}

QString RecordWindow::cellDescription(int n) const
{
    if (m_classShown)
        return MapTexts::ClassCell(n, m_class);
    return MapTexts::CellFigures(n, m_map.numbers[size_t(n)], m_map.progress.numbers[size_t(n)]);
}

QString RecordWindow::chosenName() const { return m_child >= 0 ? m_record.children[m_child].name : QString(); }

void RecordWindow::tell(const RecordCommands::Outcome &outcome, const QString &done, const QString &title)
{
    const auto listed = [](const QStringList &lines) { return QStringLiteral("• ") + lines.join(QStringLiteral("\r• ")); };
    QString text = outcome.failures.isEmpty() ? done : QStringLiteral("Nicht alles ist gelungen.");
    if (!outcome.done.isEmpty())
        text += u'\r' + listed(outcome.done);
    if (!outcome.failures.isEmpty())
        text += QStringLiteral("\r\rNicht gelungen:\r") + listed(outcome.failures);
    m_platform.dialogs.messageBox(text, outcome.failures.isEmpty() ? MessageStyle::Information : MessageStyle::Warning,
                                  title);
}

void RecordWindow::print()
{
    const QString name = chosenName();
    if (name.isEmpty()
        || m_platform.dialogs.messageBox(QStringLiteral("Den Lernstand von „%1“ für die Eltern drucken?").arg(name),
                                         MessageStyle::Question, PrintTitle)
            == Answer::No)
        return;
    const QDateTime now = m_platform.clock.now();
    ReportFacts facts{name,
                      periodText(),
                      modeFilter->currentIndex() == 0 ? QStringLiteral("Felder und Zahlen") : modeFilter->currentText(),
                      now.date(),
                      m_map,
                      WeekTrend::Of(m_record.children[m_child].answers, filter().modes, now)};
    m_platform.program.setBusy(true);
    const PrintOutcome outcome = PrintParentReport(m_platform.printer, facts);
    m_platform.program.setBusy(false);
    TellPrintOutcome(m_platform.dialogs, outcome);
}

void RecordWindow::printSheets()
{
    PracticeSheets sheets(m_platform);
    if (m_classShown)
        sheets.printForClass(m_record);
    else if (m_child >= 0)
        sheets.printFor(m_record.children[m_child], filter());
}

void RecordWindow::exportRecord()
{
    if (m_record.children.isEmpty())
        return;
    const QString fileName = AskFileName(m_platform.dialogs, m_platform.files, ExportTitle, ExportName);
    if (fileName.isEmpty())
        return;
    int child = -1;
    if (m_record.children.size() > 1) {
        const Answer all = m_platform.dialogs.messageBox(QStringLiteral("Die Antworten aller Kinder exportieren?\r"
                                                                        "Mit „Nein“ nur die von „%1“.")
                                                             .arg(chosenName()),
                                                         MessageStyle::QuestionOrCancel, ExportTitle);
        if (all == Answer::Cancel)
            return;
        if (all == Answer::No)
            child = m_child;
    }
    m_platform.program.setBusy(true);
    const QString failure = m_platform.files.write(fileName, ExportCsv(m_record, child));
    m_platform.program.setBusy(false);
    if (!failure.isEmpty()) {
        TellNotSaved(m_platform.dialogs, fileName, failure, ExportTitle);
        return;
    }
    m_platform.dialogs.messageBox(QStringLiteral("Der Lernstand steht in der Datei\r%1").arg(fileName),
                                  MessageStyle::Information, ExportTitle);
}

void RecordWindow::deleteChild()
{
    const QString name = chosenName();
    if (name.isEmpty())
        return;
    const QString question = QStringLiteral("Alles, was über „%1“ aufgezeichnet ist, endgültig löschen?\r"
                                            "(%2 Antworten im Ordner Lernstand, die Ergebnisse in %3, die Seiten "
                                            "für die Eltern, die Arbeitsblätter und die Zeilen in Lernstand.csv)")
                                 .arg(name)
                                 .arg(m_record.children[m_child].answers.size())
                                 .arg(ResultsFileName);
    bool classRow = false;
    const Answer answer = m_commands.hasClassRow(name)
        ? m_platform.dialogs.questionWithTick(question, DeleteTitle,
                                              QStringLiteral("Auch die Zeile in %1 löschen").arg(ClassList::FileName),
                                              classRow)
        : m_platform.dialogs.messageBox(question, MessageStyle::Question, DeleteTitle);
    if (answer == Answer::No)
        return;
    QStringList others = m_record.names();
    others.removeAll(name);
    m_platform.program.setBusy(true);
    const RecordCommands::Outcome outcome = m_commands.deleteChild(name, classRow, others);
    m_platform.program.setBusy(false);
    tell(outcome, QStringLiteral("Alles über „%1“ ist gelöscht:").arg(name), DeleteTitle);
    reload(QString());
    emit childDeleted(name);
    emit recordChanged();
}

void RecordWindow::renameChild()
{
    const QString from = chosenName();
    if (from.isEmpty())
        return;
    const QString to = ComparableName(m_platform.dialogs.inputBox(QStringLiteral("Neuer Name für „%1“:").arg(from),
                                                                  RenameTitle, from, MaxNameLength));
    if (to.isEmpty() || to == from)
        return;
    if (m_record.indexOf(to) >= 0
        && m_platform.dialogs.messageBox(QStringLiteral("„%1“ gibt es schon.\rDie Antworten von „%2“ "
                                                        "kommen zu denen von „%1“. Zusammenführen?")
                                             .arg(to, from),
                                         MessageStyle::Question, RenameTitle)
            == Answer::No)
        return;
    m_platform.program.setBusy(true);
    bool renamed = false;
    const RecordCommands::Outcome outcome = m_commands.renameChild(from, to, renamed);
    m_platform.program.setBusy(false);
    if (!outcome.failures.isEmpty())
        tell(outcome, QString(), RenameTitle);
    if (!renamed)
        return;
    reload(to);
    emit childRenamed(from, to);
    emit recordChanged();
}

// A setting that removes more asks first; one the program cannot read is replaced by
// whatever the teacher sets.
void RecordWindow::changeRetention()
{
    const int days = retentionDays->value();
    const RecordFiles::Retention kept = RecordFiles::Retention::Read(m_platform.files);
    if (kept.valid && days == kept.days)
        return;
    const bool shorter = !kept.valid || days < kept.days;
    if (shorter
        && m_platform.dialogs.messageBox(QStringLiteral("Antworten, die älter als %1 Tage sind, werden "
                                                        "jetzt gelöscht. Fortfahren?").arg(days),
                                         MessageStyle::Question, RetentionTitle)
            == Answer::No) {
        retentionDays->setValue(kept.days);
        return;
    }
    m_platform.program.setBusy(true);
    const RecordCommands::Outcome outcome = m_commands.setRetention(days, shorter);
    m_platform.program.setBusy(false);
    if (!outcome.failures.isEmpty())
        tell(outcome, QString(), RetentionTitle);
    retentionDays->setValue(RecordFiles::Retention::Read(m_platform.files).days);
    reload(chosenName());
    emit recordChanged();
}
