// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMarginsF>
#include <QPageSize>
#include <QString>

#include <optional>

// The print system's default queue as its scheduler describes it, and the submission of a
// finished PDF to it. Every reason is a sentence in plain German for the teacher.
class CupsQueue
{
public:
    // Empty when the print system knows no default queue or cannot be reached.
    static std::optional<CupsQueue> Default();

    QString displayName() const { return m_displayName; }
    // The queue's default paper; invalid when the scheduler names none this program knows.
    QPageSize paper() const { return m_paper; }
    // The edges of that paper the printer cannot reach, in millimetres.
    QMarginsF margins() const { return m_margins; }
    // Why the queue would not print a job now; empty when it is ready.
    QString refusal() const { return m_refusal; }

    // Hands the PDF to the queue. Empty when the scheduler took the job, else the reason.
    QString submit(const QString &pdfFile, const QString &title) const;

private:
    QString m_name;
    QString m_displayName;
    QPageSize m_paper;
    QMarginsF m_margins;
    QString m_refusal;
};
