// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What an administrator sets for every account of the computer, in the file "zep100.conf"
// of the system's configuration folder (/etc/xdg, or the folders XDG_CONFIG_DIRS names),
// for example:
//   [General]
//   ClassFolder=/srv/schule/klasse3a
//   TeacherPassword="$argon2id$v=19$m=65536,t=2,p=1$…"
class SystemSettings
{
public:
    static constexpr auto ClassFolderKey = "ClassFolder";
    static constexpr auto TeacherPasswordKey = "TeacherPassword";

    // The text set for the key, the empty text when none is.
    static QString Text(const char *key);
    // The file, for messages (the first one looked at).
    static QString Place();
};
