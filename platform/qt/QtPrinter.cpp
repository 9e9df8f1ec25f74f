// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtPrinter.h"

#include "TwipCanvas.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

constexpr double TwipsPerInch = 1440.0;

class QtPrintJob : public PrintJob, private TwipCanvas
{
public:
    QtPrintJob(const QPrinterInfo &printerInfo, const QString &pdfFile, const QString &sheetName)
        : m_printer(printerInfo, QPrinter::HighResolution), m_pdfFile(pdfFile)
    {
        m_printer.setDocName(sheetName);
        m_printer.setFullPage(false);
        m_printer.setPageSize(QPageSize(QPageSize::A4));
        if (!pdfFile.isEmpty()) {
            m_printer.setOutputFormat(QPrinter::PdfFormat);
            m_printer.setOutputFileName(pdfFile);
        }
        if (!m_painter.begin(&m_printer))
            m_error = QStringLiteral("Der Drucker konnte nicht geöffnet werden.");
    }

    TwipCanvas &canvas() override { return *this; }

    double pageHeightTwips() const override
    {
        return m_printer.pageLayout().paintRectPixels(m_printer.resolution()).height()
            / deviceUnitsPerTwip();
    }

    void newPage() override
    {
        if (m_painter.isActive() && !m_printer.newPage())
            m_error = QStringLiteral("Eine neue Seite konnte nicht begonnen werden.");
        m_cursor = QPointF(0, 0);
    }

    PrintOutcome finish() override
    {
        PrintOutcome outcome;
        if (m_painter.isActive() && !m_painter.end() && m_error.isEmpty())
            m_error = QStringLiteral("Der Druckauftrag konnte nicht abgeschlossen werden.");
        if (m_error.isEmpty() && m_printer.printerState() == QPrinter::Error)
            m_error = QStringLiteral("Der Drucker meldet einen Fehler.");
        if (m_error.isEmpty() && !m_pdfFile.isEmpty() && !QFileInfo::exists(m_pdfFile))
            m_error = QStringLiteral("Die Datei %1 konnte nicht geschrieben werden.").arg(m_pdfFile);
        outcome.ok = m_error.isEmpty();
        outcome.error = m_error;
        if (outcome.ok)
            outcome.pdfFile = m_pdfFile;
        return outcome;
    }

private:
    void paint(const std::function<void(QPainter &)> &step) override
    {
        if (m_painter.isActive())
            step(m_painter);
    }
    double deviceUnitsPerTwip() const override { return m_printer.resolution() / TwipsPerInch; }
    QPaintDevice *metricsDevice() const override { return const_cast<QPrinter *>(&m_printer); }

    QPrinter m_printer;
    QPainter m_painter;
    QString m_pdfFile;
    QString m_error;
};

} // namespace

QtPrinter::QtPrinter(Destination destination, QString pdfFolder)
    : m_destination(destination), m_pdfFolder(std::move(pdfFolder))
{
}

QString QtPrinter::FreePdfName(const QString &folder, const QString &sheetName)
{
    const QDir dir(folder);
    QString name = dir.filePath(sheetName + QStringLiteral(".pdf"));
    for (int number = 2; QFileInfo::exists(name); ++number)
        name = dir.filePath(QStringLiteral("%1-%2.pdf").arg(sheetName).arg(number));
    return name;
}

std::unique_ptr<PrintJob> QtPrinter::startJob(const QString &sheetName)
{
    QPrinterInfo printerInfo;
    if (m_destination == Destination::DefaultPrinterOrPdf)
        printerInfo = QPrinterInfo::defaultPrinter();
    const QString pdfFile = printerInfo.isNull() ? FreePdfName(m_pdfFolder, sheetName) : QString();
    return std::make_unique<QtPrintJob>(printerInfo, pdfFile, sheetName);
}
