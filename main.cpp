// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "EspeakSpeech.h"
#include "Form1.h"
#include "Module1.h"
#include "QtClipboard.h"
#include "QtDialogs.h"
#include "QtFiles.h"
#include "QtPrinter.h"
#include "QtProgramControl.h"
#include "QtRandom.h"
#include "QtScreen.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("ZEP100"));
    app.setApplicationDisplayName(QStringLiteral("ZEP – Hunderterfeld"));
    // The standard buttons read "Ja", "Nein", "Abbrechen".
    QTranslator translator;
    if (translator.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&translator);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    QtDialogs dialogs;
    QtPrinter printer;
    QtClipboard clipboard;
    QtRandom random;
    QtScreen screen;
    QtFiles files;
    QtProgramControl program;
    EspeakSpeech speech;
    const Platform platform{dialogs, printer, clipboard, random, screen, files, program, speech};

    Module1 state;
    Form1 window(state, platform);
    window.Form_Load();
    window.show();
    return app.exec();
}
