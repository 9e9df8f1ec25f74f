// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Clipboard;
class Clock;
class Dialogs;
class Files;
class Printer;
class ProgramControl;
class Random;
class RunIdentity;
class Screen;
class Speech;

// Everything that blocks, leaves the process or depends on chance.
struct Platform
{
    Dialogs &dialogs;
    Printer &printer;
    Clipboard &clipboard;
    Random &random;
    Screen &screen;
    Files &files;
    ProgramControl &program;
    Speech &speech;
    Clock &clock;
    RunIdentity &run;
};
