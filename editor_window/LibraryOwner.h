// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PatternFile.h"

#include <QString>

class SecondLanguage;

// What the editor window needs of the main window: the library to copy in, the language
// pictures with the user's second language, and the way back.
class LibraryOwner
{
public:
    virtual ~LibraryOwner() = default;
    virtual PatternLibrary library() const = 0;
    virtual QString languagePicture() const = 0;
    virtual QString germanPicture() const = 0;
    virtual SecondLanguage &secondLanguage() = 0;
    // Takes the edited library and language picture back, then shows the main window.
    virtual void showAgain(const PatternLibrary &library, const QString &languagePicture) = 0;
};
