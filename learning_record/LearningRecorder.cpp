// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "LearningRecorder.h"

#include "Clock.h"
#include "Dialogs.h"
#include "GivenAnswer.h"
#include "JournalWorker.h"
#include "Language.h"
#include "Module1.h"
#include "RecordFiles.h"
#include "RecordReader.h"
#include "RunIdentity.h"

#include <QDeadlineTimer>
#include <QLoggingCategory>
#include <QThread>

Q_DECLARE_LOGGING_CATEGORY(lcRecord)

LearningRecorder::LearningRecorder(Files &files, const Clock &clock, const RunIdentity &run,
                                   Housekeeping housekeeping)
    : m_clock(clock), m_writer(RecordFiles::WriterName(run.runName())), m_journals(files, m_writer),
      m_worker(new JournalWorker(files, clock))
{
    if (housekeeping == Housekeeping::OnItsOwnThread) {
        m_thread = new QThread;
        m_thread->setObjectName(QStringLiteral("Lernstand"));
        m_worker->moveToThread(m_thread);
        m_thread->start();
    }
    connect(m_worker, &JournalWorker::namesRead, this, &LearningRecorder::takeNames);
    m_retry.setInterval(RetryMs);
    connect(&m_retry, &QTimer::timeout, this, [this] { tried(m_journals.retry()); });
}

LearningRecorder::~LearningRecorder() { finish(); }

template <typename Work> void LearningRecorder::post(Work work)
{
    if (m_finished)
        return;
    if (m_thread)
        QMetaObject::invokeMethod(m_worker, [worker = m_worker, work] { work(*worker); }, Qt::QueuedConnection);
    else
        work(*m_worker);
}

void LearningRecorder::startUp()
{
    m_namesSinceRead.clear();
    post([](JournalWorker &worker) { worker.startUp(); });
}

void LearningRecorder::reloadNames()
{
    m_namesSinceRead.clear();
    post([](JournalWorker &worker) { worker.readNames(); });
}

void LearningRecorder::questionAsked(int)
{
    m_askedAt = m_clock.elapsedMs();
    m_coveredAtAsk = coveredMsUntil(m_askedAt);
    m_soundedAt.reset();
    m_answeredSinceQuestion = false;
}

// Only the first sound after the question counts: a repeat asked for later does not.
void LearningRecorder::wordStartedSounding()
{
    if (!m_answeredSinceQuestion && !m_soundedAt) {
        m_soundedAt = m_clock.elapsedMs();
        m_coveredAtSound = coveredMsUntil(*m_soundedAt);
    }
}

void LearningRecorder::boardCovered(bool covered)
{
    const qint64 now = m_clock.elapsedMs();
    if (covered && !m_coveredSince)
        m_coveredSince = now;
    if (!covered && m_coveredSince)
        m_coveredMs += now - *std::exchange(m_coveredSince, std::nullopt);
}

qint64 LearningRecorder::coveredMsUntil(qint64 elapsedMs) const
{
    return m_coveredMs + (m_coveredSince ? std::max<qint64>(elapsedMs - *m_coveredSince, 0) : 0);
}

void LearningRecorder::answerGiven(const GivenAnswer &given)
{
    const bool felder = given.mode == Module1::FelderMode;
    const bool fromSound = felder && m_soundedAt;
    const qint64 from = fromSound ? *m_soundedAt : m_askedAt;
    const qint64 now = m_clock.elapsedMs();
    const qint64 covered = coveredMsUntil(now) - (fromSound ? m_coveredAtSound : m_coveredAtAsk);
    m_answeredSinceQuestion = true;
    RecordedAnswer answer;
    answer.time = m_clock.now();
    answer.run = m_writer;
    answer.seq = ++m_seq;
    answer.name = given.userName;
    answer.mode = felder ? RecordedAnswer::Mode::Felder : RecordedAnswer::Mode::Zahlen;
    answer.language = Language::fromSetting(given.language);
    answer.pattern = given.patternName;
    answer.asked = given.asked;
    answer.given = given.given;
    answer.ms = std::max<qint64>(now - from - covered, 0);
    m_namesSinceRead.insert(answer.name);
    if (!m_names.contains(answer.name)) {
        m_names.append(answer.name);
        SortNames(m_names);
    }
    if (!m_finished)
        tried(m_journals.append(answer));
}

void LearningRecorder::exerciseSolved()
{
    post([journals = m_journals.journals()](JournalWorker &worker) { worker.sync(journals); });
}

// While answers wait, they are tried again now and then, not only with the next answer.
void LearningRecorder::tried(const QString &failure)
{
    if (failure.isEmpty()) {
        m_retry.stop();
        m_toldCannotWrite = false;
        return;
    }
    if (!m_retry.isActive())
        m_retry.start();
    if (!std::exchange(m_toldCannotWrite, true))
        emit cannotWrite(failure);
}

qsizetype LearningRecorder::finishAsking(Dialogs &dialogs, const QString &folder)
{
    while (!m_finished) {
        const QString failure = m_journals.retry();
        const qsizetype unwritten = m_journals.unwritten();
        if (unwritten == 0)
            break;
        const bool one = unwritten == 1;
        const QString question = QStringLiteral("%1 dieses Spiels %2 nicht im Lernstand im Ordner\r%3\rgespeichert "
                                                "werden:\r%4\rNoch einmal versuchen? Mit „Nein“ %5 verloren.")
                                     .arg(one ? QStringLiteral("Eine Antwort") : QStringLiteral("%1 Antworten").arg(unwritten),
                                          one ? QStringLiteral("konnte") : QStringLiteral("konnten"), folder, failure,
                                          one ? QStringLiteral("geht sie") : QStringLiteral("gehen sie"));
        if (dialogs.messageBox(question, MessageStyle::Question, QStringLiteral("Lernstand")) == Answer::No)
            break;
    }
    return finish();
}

qsizetype LearningRecorder::finish(std::chrono::milliseconds wait)
{
    if (m_finished)
        return 0;
    m_finished = true;
    m_retry.stop();
    if (const QString failed = m_journals.retry(); !failed.isEmpty())
        qCWarning(lcRecord) << m_journals.unwritten() << "answers not written at the end:" << failed;
    if (const QString failed = m_journals.sync(); !failed.isEmpty())
        qCWarning(lcRecord) << "the journals were not put on the disk:" << failed;
    if (m_thread) {
        m_thread->quit();
        if (!m_thread->wait(QDeadlineTimer(wait))) {
            // A file system that does not answer (a lost school server) cannot hold up the
            // end of the program; the thread is left to the end of the process.
            qCWarning(lcRecord) << "the removal of old answers does not end; left behind";
            return m_journals.unwritten();
        }
        delete m_thread;
    }
    delete m_worker;
    return m_journals.unwritten();
}

// The names read, and those of answers that may have come after the reading began.
void LearningRecorder::takeNames(const QStringList &names)
{
    QStringList merged = names;
    for (const QString &name : std::as_const(m_namesSinceRead))
        if (!merged.contains(name))
            merged.append(name);
    SortNames(merged);
    m_names = merged;
}

QString LearningRecorder::CannotWriteMessage(const QString &folder, const QString &reason)
{
    return QStringLiteral("Der Lernstand kann im Ordner\r%1\rzurzeit nicht gespeichert werden:\r%2\r"
                          "Das Spiel geht weiter. Die Antworten werden gespeichert, sobald es "
                          "wieder geht, spätestens beim Beenden.")
        .arg(folder, reason);
}
