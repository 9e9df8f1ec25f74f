// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "StoredTeacherPassword.h"

#include "Files.h"
#include "RecordFiles.h"

#include <QEventLoop>
#include <QThread>
#include <sodium.h>

#include <cstdio>
#include <memory>
#include <termios.h>
#include <unistd.h>

namespace {

constexpr qsizetype MaxStoredBytes = 1024;

bool IsArgon2(const QByteArray &hash)
{
    return hash.size() < crypto_pwhash_STRBYTES
        && (hash.startsWith("$argon2id$") || hash.startsWith("$argon2i$"));
}

// The bytes hashed: the same password typed on any keyboard gives the same bytes.
QByteArray Secret(const QString &password)
{
    return password.normalized(QString::NormalizationForm_C).toUtf8();
}

// Runs work on a thread of its own; the windows go on drawing meanwhile, but take no
// clicks or keys until it is done.
template <typename Work>
auto RunAside(Work work)
{
    decltype(work()) result{};
    QEventLoop waiting;
    std::unique_ptr<QThread> thread(QThread::create([&] { result = work(); }));
    QObject::connect(thread.get(), &QThread::finished, &waiting, &QEventLoop::quit, Qt::QueuedConnection);
    thread->start();
    waiting.exec(QEventLoop::ExcludeUserInputEvents);
    thread->wait();
    return result;
}

// A line of the standard input without its line end; from a terminal after a prompt, and
// not shown while it is typed.
QByteArray ReadSecretLine(const char *prompt)
{
    const bool terminal = ::isatty(STDIN_FILENO);
    termios before{};
    if (terminal && ::tcgetattr(STDIN_FILENO, &before) == 0) {
        std::fputs(prompt, stderr);
        termios hidden = before;
        hidden.c_lflag &= ~tcflag_t(ECHO);
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &hidden);
    }
    QByteArray line;
    for (int c; (c = std::getchar()) != EOF && c != '\n';)
        line += char(c);
    if (terminal) {
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &before);
        std::fputs("\n", stderr);
    }
    if (line.endsWith('\r'))
        line.chop(1);
    return line;
}

} // namespace

const QString StoredTeacherPassword::FileName = RecordFiles::Folder + QStringLiteral("/Kennwort.txt");

StoredTeacherPassword::StoredTeacherPassword(Files &files, QByteArray preset, QString presetPlace)
    : m_files(files), m_preset(preset.trimmed()), m_presetPlace(std::move(presetPlace))
{
}

QByteArray StoredTeacherPassword::Hash(const QString &password)
{
    if (sodium_init() < 0)
        return {};
    QByteArray secret = Secret(password);
    char hash[crypto_pwhash_STRBYTES];
    const bool made = crypto_pwhash_str(hash, secret.constData(), quint64(secret.size()),
                                        crypto_pwhash_OPSLIMIT_INTERACTIVE, crypto_pwhash_MEMLIMIT_INTERACTIVE)
        == 0;
    sodium_memzero(secret.data(), size_t(secret.size()));
    return made ? QByteArray(hash) : QByteArray();
}

StoredTeacherPassword::Stored StoredTeacherPassword::stored()
{
    if (!m_preset.isEmpty()) {
        if (IsArgon2(m_preset))
            return {State::Preset, m_preset, {}};
        return {State::Unreadable, {},
                QStringLiteral("Der Eintrag für das Kennwort in %1 ist kein gültiger Hashwert.").arg(m_presetPlace)};
    }
    const FileContents file = m_files.read(FileName, MaxStoredBytes);
    if (file.missing)
        return {};
    const QByteArray hash = file.bytes.trimmed();
    if (file.opened && file.complete && IsArgon2(hash))
        return {State::Kept, hash, {}};
    return {State::Unreadable, {},
            QStringLiteral("Die Datei %1 kann nicht gelesen werden oder ist beschädigt.")
                .arg(ShownPath(m_files, FileName))};
}

TeacherPassword::State StoredTeacherPassword::state() { return stored().state; }

QString StoredTeacherPassword::problem() { return stored().problem; }

bool StoredTeacherPassword::matches(const QString &password)
{
    const Stored kept = stored();
    if ((kept.state != State::Kept && kept.state != State::Preset) || sodium_init() < 0)
        return false;
    return RunAside([hash = kept.hash, secret = Secret(password)]() mutable {
        const bool same = crypto_pwhash_str_verify(hash.constData(), secret.constData(), quint64(secret.size())) == 0;
        sodium_memzero(secret.data(), size_t(secret.size()));
        return same;
    });
}

QString StoredTeacherPassword::keep(const QString &password)
{
    if (!m_preset.isEmpty())
        return QStringLiteral("Das Kennwort ist in %1 vorgegeben und kann nur dort geändert werden.")
            .arg(m_presetPlace);
    const QByteArray hash = RunAside([password] { return Hash(password); });
    if (hash.isEmpty())
        return QStringLiteral("Der Arbeitsspeicher reicht nicht aus.");
    if (const QString failed = m_files.makeFolder(RecordFiles::Folder); !failed.isEmpty())
        return failed;
    return m_files.write(FileName, hash + "\r\n", Writable::ByOwner);
}

int StoredTeacherPassword::PrintSettingLine(const char *key)
{
    QByteArray typed = ReadSecretLine("Kennwort: ");
    const bool mistyped = ::isatty(STDIN_FILENO) && ReadSecretLine("Noch einmal: ") != typed;
    const QString password = QString::fromUtf8(typed);
    sodium_memzero(typed.data(), size_t(typed.size()));
    if (mistyped || password.isEmpty()) {
        std::fputs(mistyped ? "Die beiden Eingaben sind nicht gleich.\n" : "Es wurde kein Kennwort eingegeben.\n",
                   stderr);
        return 1;
    }
    const QByteArray hash = Hash(password);
    if (hash.isEmpty()) {
        std::fputs("Der Arbeitsspeicher reicht nicht aus.\n", stderr);
        return 1;
    }
    // Quoted, so that the commas in the hash do not make it a list.
    std::printf("%s=\"%s\"\n", key, hash.constData());
    return 0;
}
