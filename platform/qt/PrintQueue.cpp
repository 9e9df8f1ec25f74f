// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintQueue.h"

#include "ProgramModule.h"

#include <QDebug>

namespace {

// Stands for the default printer when the program was installed without its print module:
// the sheet is kept as a PDF, and the teacher learns why it did not reach the printer.
class MissingPrintModule : public PrintQueue
{
public:
    QString displayName() const override { return QStringLiteral("Standarddrucker"); }
    QPageSize paper() const override { return {}; }
    QMarginsF margins() const override { return {}; }
    QString refusal() const override
    {
        return QStringLiteral("Dem Programm fehlt sein Teil für den Druck (%1.so). Bitte das "
                              "Programm neu installieren.")
            .arg(QString::fromLatin1(ModuleName));
    }
    QString submit(const QString &, const QString &) const override { return refusal(); }
};

} // namespace

std::unique_ptr<PrintQueue> PrintQueue::Default()
{
    ProgramModule module(QString::fromLatin1(ModuleName));
    const auto find = module.entry<FindDefault>(DefaultEntry);
    if (!find) {
        qWarning() << "print module not loaded:" << module.errorString();
        return std::make_unique<MissingPrintModule>();
    }
    return std::unique_ptr<PrintQueue>(find());
}
