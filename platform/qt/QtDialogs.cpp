// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtDialogs.h"

#include "BoxWatcher.h"
#include "Twips.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QValidator>

namespace {

// Holds a line edit to maxLength code units without cutting a character in two. Of an
// insertion that does not fit, the whole characters that fit are kept, so a full box
// takes nothing more (not even an accent for its last letter) and a pasted page gives
// its beginning.
class LengthLimit : public QValidator
{
public:
    LengthLimit(QLineEdit *line, int maxLength)
        : QValidator(line), m_maxLength(maxLength), m_before(line->text())
    {
        connect(line, &QLineEdit::textChanged, this, [this](const QString &text) { m_before = text; });
    }

    State validate(QString &input, int &pos) const override
    {
        if (input.size() <= m_maxLength)
            return Acceptable;
        // The edit replaced what lies between an unchanged beginning and end.
        const qsizetype shorter = std::min(input.size(), m_before.size());
        qsizetype head = 0;
        while (head < shorter && input.at(head) == m_before.at(head))
            ++head;
        qsizetype tail = 0;
        while (tail < shorter - head
               && input.at(input.size() - 1 - tail) == m_before.at(m_before.size() - 1 - tail))
            ++tail;
        if (head > 0 && input.at(head - 1).isHighSurrogate())
            --head;
        if (tail > 0 && input.at(input.size() - tail).isLowSurrogate())
            --tail;
        const qsizetype room = m_maxLength - head - tail;
        if (room < 0) { // the text was too long before: a preset beyond the limit
            input = CutBetweenCharacters(input, m_maxLength);
            pos = int(input.size());
            return Acceptable;
        }
        const QString fitted =
            CutBetweenCharacters(input.mid(head, input.size() - head - tail), int(room));
        input = input.left(head) + fitted + input.right(tail);
        pos = int(head + fitted.size());
        return Acceptable;
    }

private:
    int m_maxLength;
    QString m_before;
};

// CR, CR LF and LF CR each make one line break.
QString PlainLineBreaks(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

QMessageBox::Icon IconOf(MessageStyle style)
{
    switch (style) {
    case MessageStyle::Ok: return QMessageBox::NoIcon;
    case MessageStyle::Warning: return QMessageBox::Warning;
    case MessageStyle::Information: return QMessageBox::Information;
    case MessageStyle::Question:
    case MessageStyle::QuestionOrCancel: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

constexpr int GapTwips = 120;
constexpr int ChoicesShown = 20;
constexpr int PasswordPromptTwips = 5400;

// A message box that, once it knows its size, moves beside an area of the screen.
class BoxBeside : public QMessageBox
{
public:
    using QMessageBox::QMessageBox;
    QRect keepClear;

protected:
    void showEvent(QShowEvent *event) override
    {
        QMessageBox::showEvent(event);
        if (keepClear.isNull())
            return;
        // The frame is not known before the window is mapped; the parent's is the best guess.
        const QWidget *owner = parentWidget() ? parentWidget()->window() : nullptr;
        const QSize frame = owner ? owner->frameGeometry().size() - owner->size() : QSize();
        const QScreen *shownOn = QGuiApplication::screenAt(keepClear.center());
        if (!shownOn)
            shownOn = QGuiApplication::primaryScreen();
        move(QtDialogs::placeBeside(size() + frame, keepClear, shownOn->availableGeometry()));
    }
};

Answer Ask(const QString &prompt, MessageStyle style, const QString &title, const QRect &keepClear,
           const QString &tick = QString(), bool *ticked = nullptr)
{
    BoxBeside box(IconOf(style), title, PlainLineBreaks(prompt), QMessageBox::NoButton,
                  QApplication::activeWindow());
    box.setProperty(QtDialogs::DialogProperty, true);
    box.keepClear = keepClear;
    if (style == MessageStyle::Question) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
    } else if (style == MessageStyle::QuestionOrCancel) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    QCheckBox *tickBox = tick.isEmpty() ? nullptr : new QCheckBox(tick);
    box.setCheckBox(tickBox); // the box owns it
    const int result = box.exec();
    if (tickBox)
        *ticked = tickBox->isChecked();
    switch (style) {
    case MessageStyle::Question: return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
    case MessageStyle::QuestionOrCancel:
        return result == QMessageBox::Yes ? Answer::Yes : result == QMessageBox::No ? Answer::No : Answer::Cancel;
    default: return Answer::Ok;
    }
}

// Enter in the list of suggestions takes the one chosen with the arrow keys, else what is
// typed, and closes the box at once, as Enter does in the line.
class OneEnter : public QObject
{
public:
    OneEnter(QInputDialog &box, QCompleter &suggestions, QLineEdit &line)
        : QObject(&box), m_box(box), m_suggestions(suggestions), m_line(line)
    {
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        QAbstractItemView *list = m_suggestions.popup();
        if (const QModelIndex chosen = list->currentIndex(); chosen.isValid())
            m_line.setText(chosen.data(m_suggestions.completionRole()).toString());
        list->hide();
        m_box.accept();
        return true;
    }

private:
    QInputDialog &m_box;
    QCompleter &m_suggestions;
    QLineEdit &m_line;
};

// With choices, the line is an editable list: a child who cannot type its name picks it.
// Their completion only offers, so that Enter takes what was typed.
QString AskText(const QString &prompt, const QString &title, const QString &preset,
                const QStringList &choices, int maxLength)
{
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setProperty(QtDialogs::DialogProperty, true);
    dialog.setWindowTitle(title);
    dialog.setLabelText(PlainLineBreaks(prompt));
    QComboBox *list = nullptr;
    if (!choices.isEmpty()) {
        dialog.setComboBoxItems(choices);
        dialog.setComboBoxEditable(true);
        list = dialog.findChild<QComboBox *>();
    }
    if (list) {
        list->setMaxVisibleItems(ChoicesShown);
        list->setAccessibleName(PlainLineBreaks(prompt));
        if (QCompleter *completer = list->completer(); completer && list->lineEdit()) {
            completer->setCompletionMode(QCompleter::PopupCompletion);
            completer->popup()->installEventFilter(new OneEnter(dialog, *completer, *list->lineEdit()));
        }
    }
    dialog.setTextValue(preset);
    if (maxLength != Dialogs::NoLengthLimit)
        if (QLineEdit *line = list ? list->lineEdit() : dialog.findChild<QLineEdit *>())
            line->setValidator(new LengthLimit(line, maxLength));
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.textValue();
}

// One hidden line per label; the typed texts stay in the box's own memory only.
QStringList AskPasswords(const QString &prompt, const QString &title, const QStringList &labels)
{
    QDialog dialog(QApplication::activeWindow());
    dialog.setProperty(QtDialogs::DialogProperty, true);
    dialog.setWindowTitle(title);
    auto *form = new QFormLayout(&dialog);
    auto *text = new QLabel(PlainLineBreaks(prompt), &dialog);
    text->setTextFormat(Qt::PlainText);
    text->setWordWrap(true);
    text->setMinimumWidth(ToPixels(PasswordPromptTwips));
    form->addRow(text);
    QList<QLineEdit *> lines;
    for (const QString &label : labels) {
        auto *line = new QLineEdit(&dialog);
        line->setEchoMode(QLineEdit::Password);
        line->setAccessibleName(label);
        form->addRow(label, line);
        lines.append(line);
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    QStringList typed;
    for (QLineEdit *line : lines)
        typed.append(line->text());
    return typed;
}

} // namespace

QtDialogs::QtDialogs() { BoxWatcher::installOnce(); }

Answer QtDialogs::messageBox(const QString &prompt, MessageStyle style, const QString &title)
{
    return Ask(prompt, style, title, QRect());
}

Answer QtDialogs::questionBeside(const QString &prompt, const QString &title, const QRect &keepClear)
{
    return Ask(prompt, MessageStyle::Question, title, keepClear);
}

Answer QtDialogs::questionWithTick(const QString &prompt, const QString &title, const QString &tick, bool &ticked)
{
    ticked = false;
    return Ask(prompt, MessageStyle::Question, title, QRect(), tick, &ticked);
}

QPoint QtDialogs::placeBeside(QSize outer, const QRect &keepClear, const QRect &screen)
{
    const int gap = ToPixels(GapTwips);
    const auto across = [&](int left) {
        return QRect(QPoint(left, qBound(screen.top(), keepClear.top(), screen.bottom() + 1 - outer.height())), outer);
    };
    const auto upDown = [&](int top) {
        return QRect(QPoint(qBound(screen.left(), keepClear.left(), screen.right() + 1 - outer.width()), top), outer);
    };
    const QRect places[] = {across(keepClear.right() + 1 + gap), across(keepClear.left() - gap - outer.width()),
                            upDown(keepClear.bottom() + 1 + gap), upDown(keepClear.top() - gap - outer.height())};
    for (const QRect &place : places)
        if (screen.contains(place) && !place.intersects(keepClear))
            return place.topLeft();
    return QPoint(qBound(screen.left(), places[0].left(), screen.right() + 1 - outer.width()),
                  places[0].top());
}

QString QtDialogs::inputBox(const QString &prompt, const QString &title, const QString &preset,
                            int maxLength)
{
    return AskText(prompt, title, preset, {}, maxLength);
}

QString QtDialogs::inputBoxWithChoices(const QString &prompt, const QString &title,
                                       const QStringList &choices, int maxLength)
{
    return AskText(prompt, title, QString(), choices, maxLength);
}

QStringList QtDialogs::passwordBox(const QString &prompt, const QString &title, const QStringList &labels)
{
    return AskPasswords(prompt, title, labels);
}

void QtDialogs::beep() { QApplication::beep(); }
