// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "EspeakSpeech.h"
#include "FontConfigurationReader.h"
#include "Form1.h"
#include "LearningRecorder.h"
#include "Module1.h"
#include "PickableNames.h"
#include "PracticeFolder.h"
#include "QtClipboard.h"
#include "QtClock.h"
#include "QtDialogs.h"
#include "QtFiles.h"
#include "QtPrinter.h"
#include "QtProgramControl.h"
#include "QtRandom.h"
#include "QtRunIdentity.h"
#include "QtScreen.h"
#include "RecordFiles.h"
#include "RecordWindow.h"
#include "TerminationSignals.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QSessionManager>
#include <QTimer>
#include <QTranslator>
#include <memory>

namespace {
// The learning record's old answers go once the window is up and has asked its first number.
constexpr int RecordStartUpDelayMs = 2000;
}

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
    QtClock clock;
    QtRunIdentity run;
    const Platform platform{dialogs, printer, clipboard, random, screen, files, program, speech, clock, run};

    Module1 state;
    Form1 window(state, platform);

    // The learning record follows the play from outside the window.
    LearningRecorder recorder(files, clock, run);
    QObject::connect(&window, &Form1::questionAsked, &recorder, &LearningRecorder::questionAsked);
    QObject::connect(&window, &Form1::answerGiven, &recorder, &LearningRecorder::answerGiven);
    QObject::connect(&window, &Form1::exerciseSolved, &recorder, &LearningRecorder::exerciseSolved);
    QObject::connect(&speech, &Speech::sayingStarted, &recorder, &LearningRecorder::wordStartedSounding);
    // Told once the answer's handler has ended, not in the middle of it.
    QObject::connect(
        &recorder, &LearningRecorder::cannotWrite, &window,
        [&](const QString &reason) {
            dialogs.messageBox(LearningRecorder::CannotWriteMessage(ShownPath(files, RecordFiles::Folder), reason),
                               MessageStyle::Warning,
                               QStringLiteral("Lernstand"));
        },
        Qt::QueuedConnection);
    window.setNameSource([&] { return PickableNames(files, recorder.knownNames()); });
    // The teacher's window on the record, opened from the editor.
    std::unique_ptr<RecordWindow> recordWindow;
    QObject::connect(&window, &Form1::recordWanted, &window, [&] {
        if (!recordWindow) {
            recordWindow = std::make_unique<RecordWindow>(platform);
            QObject::connect(recordWindow.get(), &RecordWindow::recordChanged, &recorder,
                             &LearningRecorder::reloadNames);
            QObject::connect(recordWindow.get(), &RecordWindow::childDeleted, &window, &Form1::userDeleted);
            QObject::connect(recordWindow.get(), &RecordWindow::childRenamed, &window, &Form1::userRenamed);
        }
        recordWindow->open();
    });

    // A logout or a request to terminate saves the results as the exit button's "Ja" does;
    // nobody is there to answer a question.
    TerminationSignals termination;
    bool unattended = false;
    QObject::connect(&termination, &TerminationSignals::received, &window, [&] {
        unattended = true;
        window.SaveAndEnd();
    });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window, [&](QSessionManager &) {
        unattended = true;
        window.SaveAndEnd();
    });
    fonts.finish(); // the load handler may already show a box
    window.Form_Load();
    window.show();
    QTimer::singleShot(RecordStartUpDelayMs, &recorder, &LearningRecorder::startUp);
    const int exitCode = app.exec();
    // What cannot be written goes to the log when nobody is there, else to a question. The
    // main loop's end leaves the program's queued quit behind, which would close it at once.
    QCoreApplication::removePostedEvents(&app, QEvent::MetaCall);
    if (unattended)
        recorder.finish();
    else
        recorder.finishAsking(dialogs, ShownPath(files, RecordFiles::Folder));
    return exitCode;
}
