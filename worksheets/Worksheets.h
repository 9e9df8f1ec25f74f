// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class WorksheetHost;

// The four printed worksheets of the editor window. Each shows a preview on the editor's
// board, asks before it prints, and brings the board back to its normal view.
void PrintZahlenfeld(WorksheetHost &host);
void PrintZahlenliste(WorksheetHost &host);
void PrintZahlenpaare(WorksheetHost &host);
void PrintZahlenstrahl(WorksheetHost &host);
