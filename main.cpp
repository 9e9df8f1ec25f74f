// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "EspeakSpeech.h"
#include "FontConfigurationReader.h"
#include "Form1.h"
#include "Module1.h"
#include "PracticeFolder.h"
#include "QtClipboard.h"
#include "QtDialogs.h"
#include "QtFiles.h"
#include "QtPrinter.h"
#include "QtProgramControl.h"
#include "QtRandom.h"
#include "QtScreen.h"
#include "TerminationSignals.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QSessionManager>
#include <QTranslator>

int main(int argc, char **argv)
{
    FontConfigurationReader fonts;
    QApplication app(argc, argv);
    // No display name: the desktop would append it to every window and box title, and
    // the titles carry the pattern and file names.
    app.setApplicationName(QStringLiteral("ZEP100"));
    app.setDesktopFileName(QStringLiteral(ZEP_APPLICATION_ID));
    // The standard buttons read "Ja", "Nein", "Abbrechen".
    QTranslator translator;
    if (translator.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&translator);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    QtDialogs dialogs;
    PracticeFolder::EnterWhenAsked(app.arguments(), dialogs);
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
    // A logout or a request to terminate saves the results as the exit button's "Ja" does.
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::received, &window, &Form1::SaveAndEnd);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     [&window](QSessionManager &) { window.SaveAndEnd(); });
    fonts.finish(); // the load handler may already show a box
    window.Form_Load();
    window.show();
    return app.exec();
}
