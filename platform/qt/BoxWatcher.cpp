// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoxWatcher.h"

#include "HeldKeys.h"
#include "Twips.h"
#include "WindowLook.h"
#include "Zoom.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QTimer>

namespace {

constexpr char ZoomKeysProperty[] = "zepZoomKeys";
constexpr char WidenedProperty[] = "zepWidened";
// A window manager draws the title in its own font, often a wide sans-serif face in bold,
// between the window's icon and its buttons.
constexpr int TitleButtons = 5;
constexpr double LargestShareOfScreen = 0.9;
constexpr int LineEditMargin = 2; // on each side of a line edit's text, inside its frame
constexpr int CursorRoom = 2;
constexpr int MessageLineWidth = 500; // where a message box breaks its lines at a zoom of 1
constexpr int SmallScreenWidth = 1024;
constexpr int SelectableTextMargins = 10; // a label whose text can be selected keeps 4 pixels around it

int TitleWidth(const QWidget &box)
{
    QFont title(QStringLiteral("Sans"));
    title.setBold(true);
    title.setPointSizeF(box.font().pointSizeF());
    const QFontMetrics metrics(title);
    return metrics.horizontalAdvance(box.windowTitle()) + TitleButtons * metrics.height() * 3 / 2;
}

// The width a field needs to show a text of the given width.
int FieldWidth(QWidget &field, const QLineEdit &line, int textWidth)
{
    const QMargins margins = line.textMargins();
    const int inner = textWidth + 2 * LineEditMargin + margins.left() + margins.right() + CursorRoom;
    if (auto *combo = qobject_cast<QComboBox *>(&field)) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = true;
        return combo->style()->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(inner, 0), combo).width();
    }
    QStyleOptionFrame option;
    option.initFrom(&line);
    option.lineWidth = line.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &line);
    return line.style()->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(inner, 0), &line).width();
}

// A message box breaks its lines at a width in pixels that does not grow with the text,
// and never grows beyond a width it takes from the screen (lines longer than that are broken
// anywhere). Lines as long as its width at the current zoom stay whole, within that limit.
void WidenText(QMessageBox &box, int screenWidth)
{
    auto *text = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
    if (!text)
        return;
    const QFontMetrics metrics(text->font());
    int longest = 0;
    for (const QString &line : text->text().split(u'\n'))
        longest = std::max(longest, metrics.horizontalAdvance(line));
    const int largest = screenWidth <= SmallScreenWidth ? screenWidth : std::min(screenWidth - 480, 1000);
    const int room = std::min<int>(MessageLineWidth * ScaleFactor(), largest * 3 / 4); // beside the sign
    text->setMinimumWidth(std::min(longest + SelectableTextMargins, room));
}

} // namespace

void BoxWatcher::installOnce()
{
    static BoxWatcher *watcher = [] {
        auto *made = new BoxWatcher(qApp);
        HeldKeys::instance();
        qApp->installEventFilter(made);
        QApplication::setFont(boxFont());
        connect(&Zoom::instance(), &Zoom::changed, made, [] { QApplication::setFont(boxFont()); });
        return made;
    }();
    Q_UNUSED(watcher);
}

QFont BoxWatcher::boxFont() { return WindowLook::SansFont(WindowLook::WindowPoints * ScaleFactor(), false); }

BoxWatcher::BoxWatcher(QObject *parent) : QObject(parent) {}

bool BoxWatcher::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::Show && type != QEvent::FontChange && type != QEvent::KeyPress
        && type != QEvent::KeyRelease)
        return false;
    if (!watched->isWidgetType())
        return false;
    if (auto *menu = qobject_cast<QMenu *>(watched); menu && type == QEvent::Show)
        widen(*menu);
    auto *box = qobject_cast<QDialog *>(static_cast<QWidget *>(watched)->window());
    if (!box)
        return false;
    if (type == QEvent::Show && watched == box)
        opened(*box);
    else if (type == QEvent::FontChange && watched == box && box->isVisible())
        // once the new font has reached every control of the box
        QTimer::singleShot(0, box, [box] {
            fit(*box);
            box->adjustSize();
        });
    else if ((type == QEvent::KeyPress || type == QEvent::KeyRelease) && m_boxes.contains(box))
        return keptFrom(*box, *static_cast<QKeyEvent *>(event));
    return false;
}

// Runs before the box lays itself out for showing.
void BoxWatcher::opened(QDialog &box)
{
    if (!m_boxes.contains(&box))
        connect(&box, &QObject::destroyed, this, [this, &box] { m_boxes.remove(&box); });
    m_boxes[&box] = {HeldKeys::instance().lastHold(), {}};
    if (!box.property(ZoomKeysProperty).isValid()) {
        box.setProperty(ZoomKeysProperty, true);
        Zoom::installKeys(box); // the windows' keys wait while a box is open
    }
    fit(box);
}

void BoxWatcher::fit(QDialog &box)
{
    const QScreen *screen = box.screen() ? box.screen() : QGuiApplication::primaryScreen();
    const int widest = int(screen->availableGeometry().width() * LargestShareOfScreen);
    const QMargins frame = box.layout() ? box.layout()->contentsMargins() : QMargins();
    for (QLineEdit *line : box.findChildren<QLineEdit *>()) {
        auto *combo = qobject_cast<QComboBox *>(line->parentWidget());
        QWidget &field = combo ? static_cast<QWidget &>(*combo) : *line;
        if (!field.isVisibleTo(&box))
            continue;
        const QFontMetrics metrics(line->font());
        const int text = std::max(metrics.horizontalAdvance(line->text()),
                                  metrics.horizontalAdvance(QString(NameShown, u'N')));
        field.setMinimumWidth(std::min(FieldWidth(field, *line, text), widest - frame.left() - frame.right()));
    }
    // The buttons' pictures grow with their text.
    const int line = QFontMetrics(box.font()).height();
    for (QAbstractButton *button : box.findChildren<QAbstractButton *>())
        button->setIconSize(QSize(line, line) * 4 / 5);
    if (auto *message = qobject_cast<QMessageBox *>(&box))
        WidenText(*message, screen->availableGeometry().width());
    // A message box sizes itself from its controls; the row of buttons spans it.
    const int title = std::min(TitleWidth(box), widest);
    if (auto *buttons = box.findChild<QDialogButtonBox *>())
        buttons->setMinimumWidth(title - frame.left() - frame.right());
    else
        box.setMinimumWidth(title);
}

// A menu sizes the column of its ticks for a line of the usual height but draws it in
// proportion to the line, so that at a large zoom its longest entry would lose letters.
void BoxWatcher::widen(QMenu &menu)
{
    if (menu.property(WidenedProperty).isValid())
        return;
    menu.setProperty(WidenedProperty, true);
    menu.setMinimumWidth(menu.width() + menu.fontMetrics().height());
}

bool BoxWatcher::keptFrom(QDialog &box, const QKeyEvent &key)
{
    Box &state = m_boxes[&box];
    if (key.type() == QEvent::KeyRelease)
        return !state.pressedHere.contains(key.key());
    // Without the server's account of the key, Qt's own flag tells a repeat.
    const quint64 hold = HeldKeys::instance().holdOf(key);
    const bool heldBefore = hold != 0 ? hold <= state.lastHoldBefore
                                      : key.isAutoRepeat() && !state.pressedHere.contains(key.key());
    if (!heldBefore)
        state.pressedHere.insert(key.key());
    return heldBefore;
}
