// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "FakeClipboard.h"
#include "FakeClock.h"
#include "FakeDialogs.h"
#include "FakeFiles.h"
#include "FakeProgramControl.h"
#include "FakeRandom.h"
#include "FakeRunIdentity.h"
#include "FakeScreen.h"
#include "FakeSpeech.h"
#include "Platform.h"
#include "QtPrinter.h"

#include <QTemporaryDir>

// Every platform service as a test double, except the printer, which prints into PDF
// files in a temporary folder through the real printing path, or, when asked, to the
// print system's default queue with that folder for what the queue does not take.
struct FakePlatform
{
    explicit FakePlatform(QtPrinter::Destination destination = QtPrinter::Destination::PdfOnly);

    FakeDialogs dialogs;
    FakeClipboard clipboard;
    FakeRandom random;
    FakeScreen screen;
    FakeFiles files;
    FakeProgramControl program;
    FakeSpeech speech;
    FakeClock clock;
    FakeRunIdentity run;
    QTemporaryDir pdfFolder;
    QtPrinter printer;
    Platform platform;
};
