// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FakeClipboard.h"
#include "FakeDialogs.h"
#include "FakeProgramControl.h"
#include "FakeRandom.h"
#include "FakeScreen.h"
#include "FakeSpeech.h"
#include "Platform.h"
#include "QtClock.h"
#include "QtFiles.h"
#include "QtPrinter.h"
#include "QtRunIdentity.h"

// The services of a real run on the real files, clock and run name, with the boxes answered
// from a script; no sound, no clipboard, sheets only as PDF files in the current folder:
// for programs that run the program as another account or time it.
struct ScriptedPlatform
{
    FakeDialogs dialogs;
    QtPrinter printer{QtPrinter::Destination::PdfOnly};
    FakeClipboard clipboard;
    FakeRandom random;
    FakeScreen screen;
    QtFiles files;
    FakeProgramControl program;
    FakeSpeech speech;
    QtClock clock;
    QtRunIdentity run;
    const Platform platform{dialogs, printer, clipboard, random, screen, files, program, speech, clock, run};
};
