// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PracticeFolder.h"

#include "Dialogs.h"
#include "QtFiles.h"
#include "TextFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>

#include <cerrno>

Q_LOGGING_CATEGORY(lcPracticeFolder, "zep.practicefolder")

namespace {

QString Shown(const QString &path) { return QDir::toNativeSeparators(path); }

} // namespace

PracticeFolder::PracticeFolder(const QString &homeDirectory, const QString &starterLibrary)
    : m_home(homeDirectory), m_starterLibrary(starterLibrary)
{
}

QString PracticeFolder::path() const { return QDir(m_home).filePath(QLatin1String(FolderName)); }

QString PracticeFolder::prepare() const
{
    if (!QDir(m_home).mkpath(QLatin1String(FolderName)))
        return QStringLiteral("Der Übungsordner %1 kann nicht angelegt werden.")
            .arg(Shown(path()));

    const QString library = QDir(path()).filePath(PatternFileName);
    const QFileInfo present(library);
    if (present.exists() || present.isSymLink())
        return QString();

    // Without a starter library the program starts with its own note on the missing file.
    QtFiles files;
    const FileContents starter = files.read(m_starterLibrary, MaxTextFileBytes);
    if (!starter.opened) {
        qCWarning(lcPracticeFolder) << "no starter library:" << m_starterLibrary;
        return QString();
    }
    // A new file of the user's own, writable even though the installed one is read-only.
    const QString failure =
        starter.complete ? files.write(library, starter.bytes) : QtFiles::Reason(EIO);
    if (!failure.isEmpty())
        return QStringLiteral("Die Musterdatei %1 kann nicht angelegt werden: %2")
            .arg(Shown(library), failure);
    return QString();
}

QString PracticeFolder::enter() const
{
    const QString failure = prepare();
    if (!failure.isEmpty())
        return failure;
    if (!QDir::setCurrent(path()))
        return QStringLiteral("Der Übungsordner %1 kann nicht geöffnet werden.")
            .arg(Shown(path()));
    return QString();
}

void PracticeFolder::EnterWhenAsked(const QStringList &arguments, Dialogs &dialogs)
{
    if (!arguments.contains(QLatin1String(MenuStartOption)))
        return;
    const QString failure = PracticeFolder(QDir::homePath(), InstalledStarterLibrary()).enter();
    if (failure.isEmpty())
        return;
    const QString staying =
        QStringLiteral("\rDie Dateien werden im Ordner %1 gelesen und gespeichert.")
            .arg(Shown(QDir::currentPath()));
    dialogs.messageBox(failure + staying, MessageStyle::Warning, QStringLiteral("ZEP100"));
}

QString PracticeFolder::InstalledStarterLibrary()
{
    return QDir(QCoreApplication::applicationDirPath())
        .filePath(QStringLiteral(ZEP_STARTER_LIBRARY_FROM_PROGRAM));
}
