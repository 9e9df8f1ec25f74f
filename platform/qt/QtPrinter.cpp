// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtPrinter.h"

#include "FolderRights.h"
#include "PrintQueue.h"
#include "TwipCanvas.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace {

constexpr double TwipsPerInch = 1440.0;
constexpr int DotsPerInch = 1200;
// The printable area of a sheet written as PDF starts this far in from every edge.
constexpr double PdfMarginPoints = 10.0;

const QString SpoolName = QStringLiteral("sheet.pdf");

class QtPrintJob : public PrintJob, private TwipCanvas
{
public:
    // With a ready queue the sheet is drawn into a spool file for it, else straight into
    // a PDF file in pdfFolder.
    QtPrintJob(const QString &sheetName, std::unique_ptr<PrintQueue> queue, const QString &pdfFolder)
        : m_sheetName(sheetName), m_pdfFolder(pdfFolder)
    {
        if (queue && queue->refusal().isEmpty()) {
            m_queue = std::move(queue);
        } else if (queue) {
            m_refusedBy = queue->displayName();
            m_refusal = queue->refusal();
        }
        QPageLayout page = QtPrinter::PdfLayout();
        QString file;
        if (m_queue) {
            const QPageSize paper = m_queue->paper().isValid() ? m_queue->paper() : page.pageSize();
            page = QPageLayout(paper, QPageLayout::Portrait, m_queue->margins(), QPageLayout::Millimeter);
            if (!m_spool.isValid())
                m_error = QStringLiteral("Es ist kein Platz für den Druckauftrag frei.");
            file = m_spool.filePath(SpoolName);
        } else {
            m_pdfFile = QtPrinter::ClaimPdfFile(pdfFolder, sheetName);
            file = m_pdfFile;
            if (m_pdfFile.isEmpty())
                m_error = QStringLiteral("Im Ordner %1 kann keine Datei angelegt werden.")
                              .arg(QDir::toNativeSeparators(pdfFolder));
        }
        m_printer = std::make_unique<QPdfWriter>(file);
        m_printer->setResolution(DotsPerInch);
        m_printer->setTitle(sheetName);
        m_printer->setPageLayout(page);
        if (m_error.isEmpty() && !m_painter.begin(m_printer.get()))
            m_error = QStringLiteral("Das Blatt konnte nicht angelegt werden.");
    }

    TwipCanvas &canvas() override { return *this; }

    double pageHeightTwips() const override
    {
        return m_printer->pageLayout().paintRectPixels(m_printer->resolution()).height()
            / deviceUnitsPerTwip();
    }

    void newPage() override
    {
        if (m_painter.isActive() && !m_printer->newPage())
            m_error = QStringLiteral("Eine neue Seite konnte nicht begonnen werden.");
        m_cursor = QPointF(0, 0);
    }

    PrintOutcome finish() override
    {
        if (m_painter.isActive() && !m_painter.end() && m_error.isEmpty())
            m_error = QStringLiteral("Das Blatt konnte nicht fertig geschrieben werden.");
        const QString written = m_queue ? m_spool.filePath(SpoolName) : m_pdfFile;
        if (m_error.isEmpty() && QFileInfo(written).size() == 0)
            m_error = QStringLiteral("Die Datei %1 konnte nicht geschrieben werden.").arg(written);
        if (m_error.isEmpty() && m_queue)
            handToQueue();

        PrintOutcome outcome;
        outcome.ok = m_error.isEmpty();
        outcome.error = m_error;
        outcome.printer = m_refusedBy;
        outcome.refusal = m_refusal;
        if (outcome.ok)
            outcome.pdfFile = m_pdfFile;
        return outcome;
    }

private:
    // The spool file goes to the queue; when the queue does not take it, it is kept as a
    // PDF file as if there were no printer.
    void handToQueue()
    {
        const QString spoolFile = m_spool.filePath(SpoolName);
        m_refusal = m_queue->submit(spoolFile, m_sheetName);
        if (m_refusal.isEmpty())
            return;
        m_refusedBy = m_queue->displayName();
        m_queue.reset();
        m_pdfFile = QtPrinter::ClaimPdfFile(m_pdfFolder, m_sheetName);
        QFile spooled(spoolFile), kept(m_pdfFile);
        const bool copied = !m_pdfFile.isEmpty() && spooled.open(QIODevice::ReadOnly)
            && kept.open(QIODevice::WriteOnly) && kept.write(spooled.readAll()) == spooled.size() && kept.flush();
        if (!copied)
            m_error = QStringLiteral("Der Drucker „%1“ hat das Blatt nicht angenommen: %2\r"
                                     "Die Datei %3 konnte nicht geschrieben werden.")
                          .arg(m_refusedBy, m_refusal, m_pdfFile);
    }

    void paint(const std::function<void(QPainter &)> &step) override
    {
        if (m_painter.isActive())
            step(m_painter);
    }
    double deviceUnitsPerTwip() const override { return m_printer->resolution() / TwipsPerInch; }
    QPaintDevice *metricsDevice() const override { return m_printer.get(); }

    // The PDF writer of Qt's GUI library: the print support library would cost every start
    // the loading of its symbols, for nothing the sheets need. Declared before the painter,
    // which ends first.
    std::unique_ptr<QPdfWriter> m_printer;
    QPainter m_painter;
    QString m_sheetName;
    QString m_pdfFolder;
    std::unique_ptr<PrintQueue> m_queue; // ready to take the sheet
    QString m_refusedBy;              // the printer that did not take it, and why
    QString m_refusal;
    QTemporaryDir m_spool;
    QString m_pdfFile;
    QString m_error;
};

} // namespace

QtPrinter::QtPrinter(Destination destination, QString pdfFolder)
    : m_destination(destination), m_pdfFolder(std::move(pdfFolder))
{
}

QString QtPrinter::ClaimPdfFile(const QString &folder, const QString &sheetName)
{
    constexpr int MostNumbers = 10000;
    const QDir dir(folder);
    const FolderRights rights = FolderRights::Of(QFile::encodeName(folder));
    for (int number = 1; number <= MostNumbers; ++number) {
        const QString name = dir.filePath(number == 1 ? sheetName + QStringLiteral(".pdf")
                                                      : QStringLiteral("%1-%2.pdf").arg(sheetName).arg(number));
        const int fd = rights.createFile(QFile::encodeName(name), O_WRONLY | O_NOFOLLOW | O_CLOEXEC, Writable::AsFolder);
        if (fd >= 0) {
            ::close(fd);
            return name;
        }
        if (errno != EEXIST)
            return {};
    }
    return {};
}

QPageLayout QtPrinter::PdfLayout()
{
    const bool letter = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
    return QPageLayout(QPageSize(letter ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(PdfMarginPoints, PdfMarginPoints, PdfMarginPoints, PdfMarginPoints),
                       QPageLayout::Point);
}

std::unique_ptr<PrintJob> QtPrinter::startJob(const QString &sheetName)
{
    std::unique_ptr<PrintQueue> queue;
    if (m_destination == Destination::DefaultPrinterOrPdf)
        queue = PrintQueue::Default();
    return std::make_unique<QtPrintJob>(sheetName, std::move(queue), m_pdfFolder);
}
