// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Dialogs.h"

#include "Files.h"

#include <QTextBoundaryFinder>

QString CutBetweenCharacters(const QString &text, int maxLength)
{
    if (text.size() <= maxLength)
        return text;
    // Whether a character ends at maxLength depends on what comes before and on the one
    // code point after it, never on anything further on.
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, text.left(maxLength + 2));
    characters.setPosition(maxLength);
    const qsizetype end = characters.isAtBoundary() ? maxLength : characters.toPreviousBoundary();
    return text.left(std::max<qsizetype>(end, 0));
}

QString AskFileName(Dialogs &dialogs, const Files &files, const QString &title, const QString &fileName)
{
    return dialogs.inputBox(QStringLiteral("Name und Pfad der Datei:"), title, ShownPath(files, fileName));
}

void TellNotSaved(Dialogs &dialogs, const QString &fileName, const QString &reason, const QString &title)
{
    dialogs.messageBox(QStringLiteral("Die Datei\r%1\rkonnte nicht gespeichert werden:\r%2").arg(fileName, reason),
                       MessageStyle::Warning, title);
}
