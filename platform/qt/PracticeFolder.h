// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class Dialogs;

// The folder in which the program works when it is started from the desktop menu: the
// user's own, made on the first start, or a class folder that an administrator names in
// the system-wide setting for every account. It gets a copy of the installed starter
// library whenever it holds no library; a library that is there is never replaced.
class PracticeFolder
{
public:
    static constexpr auto FolderName = "ZEP100";
    // The desktop entry passes it; a start from a terminal without it works in the current folder.
    static constexpr auto MenuStartOption = "--practice-folder";

    // The folder ZEP100 in the home folder.
    PracticeFolder(const QString &homeDirectory, const QString &starterLibrary);
    // A class folder: it is never made, only used.
    static PracticeFolder ClassFolder(const QString &path, const QString &starterLibrary);

    QString path() const;
    // Makes the folder (a class folder must be there and open to this account) and seeds
    // it; the empty text on success, else a German message.
    QString prepare() const;
    // prepare(), then makes the folder the current one.
    QString enter() const;

    // For main(): enters the class folder or the practice folder in the user's home when the
    // arguments ask for it. When the practice folder fails the user is told and the program
    // stays in the current folder; when the class folder fails, the user is told and false
    // returned: the program ends rather than keep the class's files elsewhere.
    static bool EnterWhenAsked(const QStringList &arguments, Dialogs &dialogs, const QString &classFolder);
    // The starter library installed beside the program.
    static QString InstalledStarterLibrary();

private:
    QString m_home;
    QString m_starterLibrary;
    QString m_classFolder;
};
