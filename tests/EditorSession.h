// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BoardSurface.h"
#include "FakePlatform.h"
#include "Form1.h"
#include "Form2.h"
#include "Module1.h"
#include "PictureButton.h"

#include <QList>
#include <gtest/gtest.h>
#include <memory>
#include <utility>

// The program started on a library of the given patterns, with the editor opened over the
// main window; what the start-up recorded is forgotten.
class EditorSession : public testing::Test
{
protected:
    explicit EditorSession(QtPrinter::Destination printer = QtPrinter::Destination::PdfOnly)
        : fake(printer)
    {
    }

    void openEditor(const QList<std::pair<QString, QString>> &patterns)
    {
        QByteArray file;
        for (const auto &[name, cells] : patterns)
            file += name.toLatin1() + "\r\n" + cells.toLatin1() + "\r\n";
        openEditorOn(file);
    }

    // The same on a pattern file of the given bytes.
    void openEditorOn(const QByteArray &file)
    {
        fake.files.files[QStringLiteral("ZEP100.TXT")] = file;
        form = std::make_unique<Form1>(state, fake.platform);
        form->Form_Load();
        form->Form_Activate();
        form->Bild7_Click();
        editor = form->editorWindow();
        fake.dialogs.shown.clear();
        fake.clipboard.puts.clear();
        fake.program.busyChanges.clear();
    }

    // Clicks a worksheet's button with the answers to its questions ready.
    void print(PictureButton *Form2::*sheet, std::initializer_list<Answer> answers = {Answer::Yes})
    {
        fake.dialogs.answers.append(answers);
        (editor->*sheet)->click();
    }

    // The editor's board in its normal view: yellow for the marked cells, light red for the rest.
    void expectBoardShows(const QString &cells) const
    {
        for (int k = 1; k <= 100; ++k)
            EXPECT_EQ(editor->Bild2->colorAt(QPointF(300 * ((k - 1) % 10) + 150, 300 * ((k - 1) / 10) + 150)),
                      cells.at(k - 1) == u'1' ? QColor(255, 255, 0) : QColor(255, 0, 0)) << "cell " << k;
    }

    Module1 state;
    FakePlatform fake;
    std::unique_ptr<Form1> form;
    Form2 *editor = nullptr;
};
