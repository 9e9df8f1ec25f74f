// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "WordTable.h"

#include <QFile>
#include <QHash>
#include <QMutex>

static void LoadWordResources() { Q_INIT_RESOURCE(number_words); }

const QStringList &WordTable::words(const QString &code)
{
    static QMutex mutex;
    static QHash<QString, QStringList> tables;
    const QMutexLocker lock(&mutex);
    if (const auto found = tables.constFind(code); found != tables.cend())
        return *found;
    static const bool loaded = (LoadWordResources(), true);
    Q_UNUSED(loaded);
    QFile file(QStringLiteral(":/languages/words/%1.txt").arg(code));
    QStringList words;
    if (!code.contains(u'/') && file.open(QIODevice::ReadOnly))
        words = parse(file.readAll());
    return *tables.insert(code, words);
}

QStringList WordTable::parse(const QByteArray &text)
{
    QStringList words;
    for (const QString &line : QString::fromUtf8(text).split(u'\n')) {
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const qsizetype tab = line.indexOf(u'\t');
        const QString word = line.mid(tab + 1).trimmed();
        if (tab < 0 || line.left(tab).toInt() != words.size() + 1 || word.isEmpty())
            return {};
        words << word;
    }
    return words.size() == Count ? words : QStringList();
}
