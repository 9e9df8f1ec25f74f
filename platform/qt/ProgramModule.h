// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLibrary>
#include <QString>
#include <QStringList>

// A part of the program kept in a library of its own and loaded only when it is first
// needed: the libraries it brings along (the speech engine, the sound system, the print
// system's client) then cost nothing while the program starts. Installed, the modules
// live in the program's library folder; in the build tree, next to the program.
class ProgramModule
{
public:
    // Works out where to look; safe on any thread that the program started.
    explicit ProgramModule(const QString &name);

    // Loads the module on the calling thread and finds one of its entries; null when the
    // module is missing or broken, with errorString() saying why.
    template <typename Entry>
    Entry entry(const char *symbol)
    {
        return reinterpret_cast<Entry>(resolve(symbol));
    }
    QString errorString() const { return m_error; }

    // For programs that run from elsewhere in the build tree, such as tests; before any
    // module is made.
    static void LookIn(const QString &folder);

private:
    QFunctionPointer resolve(const char *symbol);

    QStringList m_candidates;
    QLibrary m_library; // never unloaded: objects made by the module may outlive this
    QString m_error;
};
