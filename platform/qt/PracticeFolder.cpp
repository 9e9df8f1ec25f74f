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
#include <sys/stat.h>
#include <unistd.h>

Q_LOGGING_CATEGORY(lcPracticeFolder, "zep.practicefolder")

namespace {

QString Shown(const QString &path) { return QDir::toNativeSeparators(path); }

// Why this account cannot work in the class folder; empty when it can.
QString Unreachable(const QString &folder)
{
    const QByteArray path = QFile::encodeName(folder);
    struct stat st;
    if (folder.isEmpty() || !QDir::isAbsolutePath(folder))
        return QStringLiteral("Der Eintrag ist kein vollständiger Pfad.");
    if (::stat(path.constData(), &st) != 0)
        return QtFiles::Reason(errno);
    if (!S_ISDIR(st.st_mode))
        return QStringLiteral("Unter diesem Namen steht kein Ordner.");
    if (::access(path.constData(), R_OK | W_OK | X_OK) != 0)
        return QStringLiteral("Diesem Konto fehlt die Berechtigung, dort zu lesen und zu schreiben.");
    return {};
}

} // namespace

PracticeFolder::PracticeFolder(const QString &homeDirectory, const QString &starterLibrary)
    : m_home(homeDirectory), m_starterLibrary(starterLibrary)
{
}

PracticeFolder PracticeFolder::ClassFolder(const QString &path, const QString &starterLibrary)
{
    PracticeFolder folder(QString(), starterLibrary);
    folder.m_classFolder = path;
    return folder;
}

QString PracticeFolder::path() const
{
    return m_classFolder.isEmpty() ? QDir(m_home).filePath(QLatin1String(FolderName)) : m_classFolder;
}

QString PracticeFolder::prepare() const
{
    QtFiles files;
    if (!m_classFolder.isEmpty()) {
        if (const QString why = Unreachable(m_classFolder); !why.isEmpty())
            return QStringLiteral("Der Klassenordner %1 ist nicht erreichbar: %2").arg(Shown(path()), why);
    } else if (!files.makeFolder(path()).isEmpty()) { // as open as the home folder, no more
        return QStringLiteral("Der Übungsordner %1 kann nicht angelegt werden.")
            .arg(Shown(path()));
    }

    const QString library = QDir(path()).filePath(PatternFileName);
    const QFileInfo present(library);
    if (present.exists() || present.isSymLink())
        return QString();

    // Without a starter library the program starts with its own note on the missing file.
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

bool PracticeFolder::EnterWhenAsked(const QStringList &arguments, Dialogs &dialogs, const QString &classFolder)
{
    if (!arguments.contains(QLatin1String(MenuStartOption)))
        return true;
    if (!classFolder.isEmpty()) {
        const QString failure = ClassFolder(classFolder, InstalledStarterLibrary()).enter();
        if (failure.isEmpty())
            return true;
        dialogs.messageBox(failure + QStringLiteral("\rDas Programm endet hier, damit nichts an einer anderen "
                                                    "Stelle gespeichert wird. Bitte wenden Sie sich an die "
                                                    "Schul-IT."),
                           MessageStyle::Warning, QStringLiteral("ZEP100"));
        return false;
    }
    const QString failure = PracticeFolder(QDir::homePath(), InstalledStarterLibrary()).enter();
    if (failure.isEmpty())
        return true;
    const QString staying =
        QStringLiteral("\rDie Dateien werden im Ordner %1 gelesen und gespeichert.")
            .arg(Shown(QDir::currentPath()));
    dialogs.messageBox(failure + staying, MessageStyle::Warning, QStringLiteral("ZEP100"));
    return true;
}

QString PracticeFolder::InstalledStarterLibrary()
{
    return QDir(QCoreApplication::applicationDirPath())
        .filePath(QStringLiteral(ZEP_STARTER_LIBRARY_FROM_PROGRAM));
}
