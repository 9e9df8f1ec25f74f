// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "JournalWriter.h"

#include <QObject>
#include <QSet>
#include <QStringList>
#include <QTimer>
#include <chrono>
#include <optional>

class Clock;
class Dialogs;
class Files;
class JournalWorker;
class QThread;
class RunIdentity;
struct GivenAnswer;

// Follows the child's play and keeps every answer in the learning record: what was asked,
// what was given, and how long it took from the question being shown (in Felder mode with
// reading aloud, from its word beginning to sound), without the time the board was covered.
// Each answer is appended to the run's
// journal at once, a few system calls; what may take long (putting the journals on the
// disk, the removal of old answers, reading the names) runs on a thread of its own.
class LearningRecorder : public QObject
{
    Q_OBJECT

public:
    enum class Housekeeping { OnItsOwnThread, OnThisThread };
    // How often answers that could not be written are tried again, besides with each new one.
    static constexpr int RetryMs = 15000;

    LearningRecorder(Files &files, const Clock &clock, const RunIdentity &run,
                     Housekeeping housekeeping = Housekeeping::OnItsOwnThread);
    ~LearningRecorder() override;

    // Removes old answers and reads the names in the record, once the program is up.
    void startUp();

    void questionAsked(int number);
    void wordStartedSounding();
    // While the child cannot see the board (a panel or a box over it, another window in
    // front), the answer's time does not run.
    void boardCovered(bool covered);
    void answerGiven(const GivenAnswer &answer);
    // The end of an exercise: what was written goes onto the disk.
    void exerciseSolved();
    // Writes what is left and puts it on the disk; waits for the other thread at most
    // `wait`. The answers of this run that could not be written. Nothing is recorded
    // afterwards.
    qsizetype finish(std::chrono::milliseconds wait = std::chrono::seconds(3));
    // The same at the end of the program with someone at the computer: while answers cannot
    // be written, asks whether to try again, saying how many would be lost.
    qsizetype finishAsking(Dialogs &dialogs, const QString &folder);

    // The names in the record and those of this run, in German order.
    QStringList knownNames() const { return m_names; }
    // Reads the names again after the record was changed.
    void reloadNames();

    // The German message for the person at the computer when the record cannot be written.
    static QString CannotWriteMessage(const QString &folder, const QString &reason);

signals:
    // The record cannot be written, the first time since it last could.
    void cannotWrite(const QString &reason);

private:
    template <typename Work> void post(Work work);
    qint64 coveredMsUntil(qint64 elapsedMs) const;
    void tried(const QString &failure);
    void takeNames(const QStringList &names);

    const Clock &m_clock;
    QString m_writer;
    JournalWriter m_journals;
    JournalWorker *m_worker;
    QThread *m_thread = nullptr;
    QTimer m_retry;
    bool m_finished = false;
    bool m_toldCannotWrite = false;
    quint64 m_seq = 0;
    qint64 m_askedAt = 0;
    std::optional<qint64> m_soundedAt;
    // The board's covered time, as a second stopwatch that runs only while it is covered.
    qint64 m_coveredMs = 0;
    std::optional<qint64> m_coveredSince;
    qint64 m_coveredAtAsk = 0;
    qint64 m_coveredAtSound = 0;
    bool m_answeredSinceQuestion = false;
    QStringList m_names;
    QSet<QString> m_namesSinceRead;
};
