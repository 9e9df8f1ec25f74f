// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtDialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

namespace {

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
    case MessageStyle::Question: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

} // namespace

Answer QtDialogs::messageBox(const QString &prompt, MessageStyle style, const QString &title)
{
    QMessageBox box(IconOf(style), title, PlainLineBreaks(prompt), QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setProperty(DialogProperty, true);
    if (style == MessageStyle::Question) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    const int result = box.exec();
    if (style != MessageStyle::Question)
        return Answer::Ok;
    return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

QString QtDialogs::inputBox(const QString &prompt, const QString &title, const QString &preset,
                            int maxLength)
{
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setProperty(DialogProperty, true);
    dialog.setWindowTitle(title);
    dialog.setLabelText(PlainLineBreaks(prompt));
    dialog.setTextValue(preset);
    if (maxLength != NoLengthLimit)
        if (auto *line = dialog.findChild<QLineEdit *>())
            line->setMaxLength(maxLength);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.textValue();
}

void QtDialogs::beep() { QApplication::beep(); }
