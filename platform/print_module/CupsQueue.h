// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PrintQueue.h"

#include <memory>

// A queue as the print system's scheduler describes it, and the submission of a finished
// PDF to it through the print system's own client library.
class CupsQueue : public PrintQueue
{
public:
    // Null when the print system knows no default queue or cannot be reached.
    static std::unique_ptr<CupsQueue> Default();

    QString displayName() const override { return m_displayName; }
    QPageSize paper() const override { return m_paper; }
    QMarginsF margins() const override { return m_margins; }
    QString refusal() const override { return m_refusal; }
    QString submit(const QString &pdfFile, const QString &title) const override;

private:
    QString m_name;
    QString m_displayName;
    QPageSize m_paper;
    QMarginsF m_margins;
    QString m_refusal;
};
