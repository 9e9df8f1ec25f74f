// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class Dialogs;

// The folder of a user's own in which the program works when it is started from the desktop
// menu: made on the first start and given a copy of the installed starter library whenever it
// holds no library; a library that is there is never replaced.
class PracticeFolder
{
public:
    static constexpr auto FolderName = "ZEP100";
    // The desktop entry passes it; a start from a terminal without it works in the current folder.
    static constexpr auto MenuStartOption = "--practice-folder";

    PracticeFolder(const QString &homeDirectory, const QString &starterLibrary);

    QString path() const;
    // Makes the folder and seeds it; the empty text on success, else a German message.
    QString prepare() const;
    // prepare(), then makes the folder the current one.
    QString enter() const;

    // For main(): enters the practice folder in the user's home when the arguments ask for it;
    // when that fails the user is told and the program stays in the current folder.
    static void EnterWhenAsked(const QStringList &arguments, Dialogs &dialogs);
    // The starter library installed beside the program.
    static QString InstalledStarterLibrary();

private:
    QString m_home;
    QString m_starterLibrary;
};
