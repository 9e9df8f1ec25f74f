// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The program as main() builds it, on the real files, clock and run, with boxes answered
// from the command line, for the tests of a class folder shared by accounts of their own:
//   class_program FOLDER pupil NAME COUNT    plays COUNT answers as NAME (every third one
//                                            wrong), ends as the exit's "Ja" does and prints
//                                            "fertig N" with the answers left unwritten
//   class_program FOLDER teacher PASSWORD [DELETE]
//                                            opens the record with the password (choosing it
//                                            on the first opening), deletes the child DELETE
//                                            when given and prints "NAME ANSWERS" for every
//                                            child, or "zu" when it stays closed
#include "ProgramWiring.h"
#include "RecordWindow.h"
#include "ScriptedPlatform.h"
#include "SystemSettings.h"

#include <QApplication>
#include <QDir>
#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4 || !QDir::setCurrent(args[1]))
        return 2;
    ScriptedPlatform services;
    FakeDialogs &dialogs = services.dialogs;
    ProgramWiring zep(services.platform, SystemSettings::Text(SystemSettings::TeacherPasswordKey), SystemSettings::Place());

    if (args[2] == QStringLiteral("teacher")) {
        dialogs.passwords.enqueue({args[3], args[3]});
        zep.openRecord();
        if (!zep.recordWindow())
            std::puts("zu");
        if (zep.recordWindow() && args.size() > 4) {
            zep.recordWindow()->chooseChild(zep.recordWindow()->record().indexOf(args[4]));
            dialogs.answers.enqueue(Answer::Yes);
            zep.recordWindow()->deleteChild();
        }
        const QList<ChildAnswers> children =
            zep.recordWindow() ? zep.recordWindow()->record().children : QList<ChildAnswers>();
        for (const ChildAnswers &child : children)
            std::printf("%s %zu\n", qPrintable(child.name), child.answers.size());
        return 0;
    }
    zep.start();
    QApplication::processEvents();
    dialogs.inputs.enqueue(args[3]);
    zep.window.Bild10_Click();
    const auto centre = [](int n) { return QPointF(500 * ((n - 1) % 10) + 250, 500 * ((n - 1) / 10) + 250); };
    for (int i = 1; i <= args.value(4).toInt(); ++i) {
        const int asked = zep.state.TargetNumber;
        zep.window.Bild11_MouseDown(Qt::LeftButton, centre(i % 3 == 0 ? asked % 100 + 1 : asked));
    }
    zep.window.SaveAndEnd();
    std::printf("fertig %lld\n", static_cast<long long>(zep.finish()));
    return 0;
}
