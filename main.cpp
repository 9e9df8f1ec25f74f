// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "EspeakSpeech.h"
#include "FontConfigurationReader.h"
#include "PracticeFolder.h"
#include "ProgramWiring.h"
#include "QtClipboard.h"
#include "QtClock.h"
#include "QtDialogs.h"
#include "QtFiles.h"
#include "QtPrinter.h"
#include "QtProgramControl.h"
#include "QtRandom.h"
#include "QtRunIdentity.h"
#include "QtScreen.h"
#include "StoredTeacherPassword.h"
#include "SystemSettings.h"
#include "TerminationSignals.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QSessionManager>
#include <QTranslator>
#include <cstring>

int main(int argc, char **argv)
{
    // For the administrator: the system-wide setting's line for a password read from the
    // standard input, without a window.
    if (argc == 2 && std::strcmp(argv[1], StoredTeacherPassword::HashOption) == 0)
        return StoredTeacherPassword::PrintSettingLine(SystemSettings::TeacherPasswordKey);

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
    if (!PracticeFolder::EnterWhenAsked(app.arguments(), dialogs,
                                        SystemSettings::Text(SystemSettings::ClassFolderKey)))
        return 1;
    QtPrinter printer;
    QtClipboard clipboard;
    QtRandom random;
    QtScreen screen;
    QtFiles files;
    QtProgramControl program;
    EspeakSpeech speech;
    QtClock clock;
    QtRunIdentity run;
    const Platform platform{dialogs, printer, clipboard, random, screen, files, program, speech, clock, run};
    ProgramWiring zep(platform, SystemSettings::Text(SystemSettings::TeacherPasswordKey), SystemSettings::Place());

    // A logout or a request to terminate saves the results as the exit button's "Ja" does;
    // nobody is there to answer a question.
    TerminationSignals termination;
    bool unattended = false;
    const auto endUnattended = [&] {
        unattended = true;
        zep.window.SaveAndEnd();
    };
    QObject::connect(&termination, &TerminationSignals::received, &zep.window, endUnattended);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &zep.window, endUnattended);
    fonts.finish(); // the load handler may already show a box
    zep.start();
    const int exitCode = app.exec();
    // The main loop's end leaves the program's queued quit behind, which would close a
    // question about unwritten answers at once.
    QCoreApplication::removePostedEvents(&app, QEvent::MetaCall);
    zep.finish(unattended ? ProgramWiring::Ending::Unattended : ProgramWiring::Ending::Attended);
    return exitCode;
}
