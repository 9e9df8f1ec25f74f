// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeFiles.h"

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
    contents.stamp = stamp(name);
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
    inodes.insert(name, ++m_lastInode);
    return {};
}

std::unique_ptr<FileLock> FakeFiles::lock(const QString &name)
{
    auto held = std::make_unique<FakeLock>(locked, name);
    if (whenLocked)
        whenLocked(name);
    return held;
}

FileStamp FakeFiles::stamp(const QString &name) const
{
    const auto found = files.constFind(name);
    if (found == files.constEnd())
        return {};
    return {true, 1, inodes.value(name), found->size()};
}

QStringList FakeFiles::entries(const QString &folder)
{
    const QString prefix = folder + u'/';
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

AppendOutcome FakeFiles::append(const QString &name, const QByteArray &bytes, const FileStamp &expected)
{
    AppendOutcome outcome;
    if (const auto failure = writeFailures.constFind(name); failure != writeFailures.constEnd()) {
        outcome.error = *failure;
        return outcome;
    }
    if (!files.contains(name)) {
        files.insert(name, {});
        inodes.insert(name, ++m_lastInode);
    }
    outcome.stamp = stamp(name);
    if (expected.exists ? outcome.stamp != expected : outcome.stamp.size != 0) {
        outcome.result = AppendOutcome::Result::Changed;
        return outcome;
    }
    writes.append(name);
    files[name] += bytes;
    outcome.stamp = stamp(name);
    outcome.result = AppendOutcome::Result::Written;
    return outcome;
}

QString FakeFiles::sync(const QString &name)
{
    syncs.append(name);
    return writeFailures.value(name);
}

RewriteOutcome FakeFiles::rewrite(const QString &name, qsizetype maxBytes,
                                  const std::function<Rewrite(const QByteArray &)> &decide)
{
    RewriteOutcome outcome;
    if (!files.contains(name))
        return outcome;
    if (files.value(name).size() > maxBytes) {
        outcome.error = QStringLiteral("Die Datei wird zu groß.");
        return outcome;
    }
    const quint64 read = inodes.value(name);
    const Rewrite decision = decide(files.value(name));
    if (decision.action == Rewrite::Action::Keep)
        return outcome;
    if (whileRewriting)
        whileRewriting(name);
    if (!files.contains(name) || inodes.value(name) != read) {
        outcome.overtaken = true;
        outcome.error = QStringLiteral("Die Datei wurde gerade von einem anderen Programm geändert.");
        return outcome;
    }
    if (const auto failure = writeFailures.constFind(name); failure != writeFailures.constEnd()) {
        outcome.error = *failure;
        return outcome;
    }
    outcome.addedMeanwhile = files.value(name).mid(decision.seen);
    if (decision.action == Rewrite::Action::Remove)
        remove(name);
    else
        write(name, decision.bytes);
    return outcome;
}

QString FakeFiles::remove(const QString &name)
{
    files.remove(name);
    inodes.remove(name);
    return {};
}
