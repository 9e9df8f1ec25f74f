// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "WorksheetRun.h"

#include "Cells.h"
#include "Dialogs.h"
#include "DrawingSurface.h"
#include "ListBox.h"
#include "Platform.h"
#include "Printer.h"
#include "ProgramControl.h"
#include "WorksheetHost.h"

#include <QDir>
#include <QFileInfo>

namespace {
const QString PrintTitle = QStringLiteral("D r u c k e n");
}

bool WorksheetRun::refused(const QString &cells, bool needsMarkedCell)
{
    if (m_host.names().count() > 0 && (!needsMarkedCell || HasOpenCell(cells)))
        return false;
    m_host.platform().dialogs.messageBox(QStringLiteral("Keine Daten vorhanden!"),
                                         MessageStyle::Information, PrintTitle);
    return true;
}

// The question stands beside the preview it talks about.
bool WorksheetRun::ask(const QString &title, const QString &text)
{
    const QWidget &preview = m_host.board();
    const QRect previewOnScreen(preview.mapToGlobal(QPoint(0, 0)), preview.size());
    return m_host.platform().dialogs.questionBeside(text, title, previewOnScreen) == Answer::Yes;
}

bool WorksheetRun::print(const QString &sheetName, double points,
                         const std::function<void(SheetPage &)> &fill)
{
    const Platform &platform = m_host.platform();
    platform.program.setBusy(true);
    SheetPage page(platform.printer.startJob(sheetName), points);
    fill(page);
    const PrintOutcome outcome = page.finish();
    platform.program.setBusy(false);
    return TellPrintOutcome(platform.dialogs, outcome);
}

bool TellPrintOutcome(Dialogs &dialogs, const PrintOutcome &outcome)
{
    if (!outcome.ok) {
        dialogs.messageBox(QStringLiteral("Das Blatt konnte nicht gedruckt werden:\r") + outcome.error,
                           MessageStyle::Warning, PrintTitle);
        return false;
    }
    if (outcome.pdfFile.isEmpty())
        return true;
    const QString whereItIs = QStringLiteral("Das Blatt steht in der Datei\r")
        + QDir::toNativeSeparators(QFileInfo(outcome.pdfFile).absoluteFilePath());
    if (outcome.printer.isEmpty())
        dialogs.messageBox(QStringLiteral("Es ist kein Drucker eingerichtet.\r") + whereItIs,
                           MessageStyle::Information, PrintTitle);
    else
        dialogs.messageBox(QStringLiteral("Der Drucker „%1“ hat das Blatt nicht angenommen:\r%2\r")
                                   .arg(outcome.printer, outcome.refusal)
                               + whereItIs,
                           MessageStyle::Warning, PrintTitle);
    return true;
}
