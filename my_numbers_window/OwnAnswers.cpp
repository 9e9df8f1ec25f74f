// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "OwnAnswers.h"

#include "Clock.h"
#include "GivenAnswer.h"
#include "Module1.h"
#include "Progress.h"
#include "RecordReader.h"

#include <algorithm>

const std::vector<StoredAnswer> &OwnAnswers::read(const QString &name)
{
    if (name != m_name)
        m_sinceLastCall = 0;
    m_name = name;
    const Record record = ReadRecord(m_files);
    const int child = record.indexOf(name);
    m_answers = child >= 0 ? record.children[child].answers : std::vector<StoredAnswer>();
    m_read = true;
    return m_answers;
}

const std::vector<StoredAnswer> &OwnAnswers::of(const QString &name)
{
    return m_read && name == m_name ? m_answers : read(name);
}

void OwnAnswers::take(const GivenAnswer &given)
{
    if (given.userName != m_name) {
        m_name = given.userName;
        m_read = false;
        m_answers.clear();
        m_sinceLastCall = 0;
    }
    ++m_sinceLastCall;
    if (!m_read)
        return;
    const QDateTime now = m_clock.now();
    StoredAnswer answer;
    answer.utcSeconds = now.toSecsSinceEpoch();
    answer.offsetSeconds = now.offsetFromUtc();
    answer.asked = quint8(given.asked);
    answer.given = quint8(given.given);
    answer.mode = given.mode == Module1::ZahlenMode ? RecordedAnswer::Mode::Zahlen : RecordedAnswer::Mode::Felder;
    m_answers.push_back(answer);
}

QList<int> OwnAnswers::newlySecure(const QString &name)
{
    const std::vector<StoredAnswer> &answers = of(name);
    const size_t before = answers.size() - std::min<size_t>(answers.size(), size_t(m_sinceLastCall));
    m_sinceLastCall = 0;
    const QDateTime now = m_clock.now();
    const QList<int> earlier = Progress::Of(std::span(answers).first(before), now).secure();
    QList<int> secure = Progress::Of(answers, now).secure();
    secure.removeIf([&](int n) { return earlier.contains(n); });
    return secure;
}
