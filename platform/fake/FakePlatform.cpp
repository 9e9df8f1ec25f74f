// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakePlatform.h"

FakePlatform::FakePlatform(QtPrinter::Destination destination)
    : printer(destination, pdfFolder.path()),
      platform{dialogs, printer, clipboard, random, screen, files, program, speech, clock, run}
{
}
