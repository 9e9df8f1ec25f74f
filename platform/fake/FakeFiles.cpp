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
    return contents;
}

QString FakeFiles::write(const QString &name, const QByteArray &bytes)
{
    writes.append(name);
    const auto failure = writeFailures.constFind(name);
    if (failure != writeFailures.constEnd())
        return *failure;
    files.insert(name, bytes);
    return {};
}

std::unique_ptr<FileLock> FakeFiles::lock(const QString &name)
{
    auto held = std::make_unique<FakeLock>(locked, name);
    if (whenLocked)
        whenLocked(name);
    return held;
}
