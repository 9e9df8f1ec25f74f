// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeFiles.h"

#include <QRegularExpression>

namespace {

class FakeLock : public FileLock
{
public:
    FakeLock(QSet<QString> &locked, const QString &name) : m_locked(locked), m_name(name)
    {
        m_locked.insert(name);
    }
    ~FakeLock() override { m_locked.remove(m_name); }

private:
    QSet<QString> &m_locked;
    QString m_name;
};

} // namespace

FileContents FakeFiles::read(const QString &name, qsizetype maxBytes)
{
    reads.append(name);
    FileContents contents;
    const auto found = files.constFind(name);
    if (found == files.constEnd()) {
        contents.missing = true;
        return contents;
    }
    contents.opened = true;
    const qsizetype readable = readFailures.value(name, found->size());
    contents.complete = found->size() <= maxBytes && readable >= found->size();
    contents.bytes = found->left(std::min(maxBytes, readable));
    return contents;
}

QString FakeFiles::write(const QString &name, const QByteArray &bytes, Writable writable)
{
    writes.append(name);
    writtenAs.insert(name, writable);
    const auto failure = writeFailures.constFind(name);
    if (failure != writeFailures.constEnd())
        return *failure;
    files.insert(name, bytes);
    return {};
}

std::unique_ptr<FileLock> FakeFiles::lock(const QString &name)
{
    if (unlockable.contains(name))
        return nullptr;
    auto held = std::make_unique<FakeLock>(locked, name);
    if (whenLocked)
        whenLocked(name);
    return held;
}

QStringList FakeFiles::entries(const QString &folder)
{
    const QString prefix = folder == u"." ? QString() : folder + u'/';
    QStringList names;
    for (auto it = files.cbegin(); it != files.cend(); ++it)
        if (it.key().startsWith(prefix) && !it.key().mid(prefix.size()).contains(u'/'))
            names.append(it.key().mid(prefix.size()));
    return names;
}

QString FakeFiles::makeFolder(const QString &name)
{
    if (const auto failure = writeFailures.constFind(name); failure != writeFailures.constEnd())
        return *failure;
    folders.insert(name);
    return {};
}

AppendOutcome FakeFiles::append(const QString &name, const QByteArray &bytes)
{
    AppendOutcome outcome;
    if (const auto failure = writeFailures.constFind(name); failure != writeFailures.constEnd()) {
        outcome.error = *failure;
        return outcome;
    }
    writes.append(name);
    files[name] += bytes;
    outcome.written = bytes.size();
    return outcome;
}

QString FakeFiles::sync(const QString &name)
{
    syncs.append(name);
    return writeFailures.value(name);
}

QString FakeFiles::remove(const QString &name)
{
    if (unremovable.contains(name))
        return QStringLiteral("Es fehlt die Berechtigung, hier zu schreiben.");
    files.remove(name);
    return {};
}

QString FakeFiles::empty(const QString &name)
{
    if (const auto failure = writeFailures.constFind(name); failure != writeFailures.constEnd())
        return *failure;
    if (files.contains(name))
        files[name].clear();
    return {};
}

QStringList FakeFiles::removeLeftovers(const QString &folder)
{
    static const QRegularExpression temporary(QStringLiteral("^\\..+\\.tmp-[A-Za-z0-9]{6}$"));
    QStringList removed;
    for (const QString &entry : entries(folder)) {
        if (temporary.match(entry).hasMatch()) {
            files.remove(folder == u"." ? entry : folder + u'/' + entry);
            removed.append(entry);
        }
    }
    return removed;
}
