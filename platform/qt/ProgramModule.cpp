// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

QString &FolderOverride()
{
    static QString folder;
    return folder;
}

} // namespace

ProgramModule::ProgramModule(const QString &name)
{
    const QString file = name + QStringLiteral(".so");
    if (!FolderOverride().isEmpty()) {
        m_candidates = {QDir(FolderOverride()).filePath(file)};
        return;
    }
    const QDir program(QCoreApplication::applicationDirPath());
    m_candidates = {QDir::cleanPath(program.filePath(QStringLiteral(ZEP_MODULES_FROM_PROGRAM)
                                                     + u'/' + file)),
                    program.filePath(file)};
}

void ProgramModule::LookIn(const QString &folder) { FolderOverride() = folder; }

QFunctionPointer ProgramModule::resolve(const char *symbol)
{
    if (!m_library.isLoaded()) {
        const auto found = std::find_if(m_candidates.cbegin(), m_candidates.cend(),
                                        [](const QString &file) { return QFileInfo::exists(file); });
        if (found == m_candidates.cend()) {
            m_error = QStringLiteral("not found: %1").arg(m_candidates.join(QStringLiteral(", ")));
            return nullptr;
        }
        m_library.setFileName(*found);
        if (!m_library.load()) {
            m_error = m_library.errorString();
            return nullptr;
        }
    }
    const QFunctionPointer entry = m_library.resolve(symbol);
    if (!entry)
        m_error = m_library.errorString();
    return entry;
}
