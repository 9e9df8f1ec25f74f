// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtFiles.h"

#include "FolderRights.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QRandomGenerator>
#include <QThread>

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>

Q_LOGGING_CATEGORY(lcFiles, "zep.files")

namespace {

constexpr int MaxLinkHops = 40;
constexpr qsizetype ReadChunk = 64 * 1024;
constexpr int LockPollMs = 20;
constexpr const char *TemporaryInfix = ".tmp-";
constexpr int TemporaryRandomChars = 6; // mkostemp's XXXXXX

QByteArray Path(const QString &name) { return QFile::encodeName(name); }

struct PathParts
{
    QByteArray folder;
    QByteArray base;
};

PathParts Split(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return {QByteArrayLiteral("."), path};
    return {slash == 0 ? QByteArrayLiteral("/") : path.left(slash), path.mid(slash + 1)};
}

// Follows symbolic links to the file a save has to replace, which may not exist yet.
std::optional<QByteArray> FollowLinks(QByteArray path)
{
    for (int hop = 0; hop < MaxLinkHops; ++hop) {
        struct stat st;
        if (::lstat(path.constData(), &st) != 0 || !S_ISLNK(st.st_mode))
            return path;
        char target[PATH_MAX];
        const ssize_t length = ::readlink(path.constData(), target, sizeof target);
        if (length < 0)
            return path;
        QByteArray next(target, length);
        if (!next.startsWith('/')) {
            const qsizetype slash = path.lastIndexOf('/');
            next.prepend(slash < 0 ? QByteArray() : path.left(slash + 1));
        }
        path = next;
    }
    return std::nullopt;
}

// An open-file-description lock: it belongs to this descriptor alone and ends with it.
bool LockWhole(int fd)
{
    struct flock range = {};
    range.l_type = F_WRLCK;
    range.l_whence = SEEK_SET;
    return ::fcntl(fd, F_OFD_SETLK, &range) == 0;
}

QByteArray TemporaryPrefix(const QByteArray &base) { return '.' + base + TemporaryInfix; }

// A temporary file of a save of base, or of any save when base is empty.
bool IsTemporaryName(const QByteArray &entry, const QByteArray &base)
{
    const qsizetype infix = entry.size() - TemporaryRandomChars - qsizetype(std::strlen(TemporaryInfix));
    if (infix < 2 || !entry.startsWith('.') || entry.mid(infix).indexOf(TemporaryInfix) != 0
        || (!base.isEmpty() && entry.sliced(1, infix - 1) != base))
        return false;
    for (const char c : entry.mid(entry.size() - TemporaryRandomChars))
        if (!std::isalnum(static_cast<unsigned char>(c)))
            return false;
    return true;
}

// A temporary file of an earlier save is left over when that save was killed; one that a
// running save still holds is locked and stays.
QStringList RemoveLeftoverTemporaries(const QByteArray &folderPath, const QByteArray &base)
{
    QStringList removed;
    DIR *folder = ::opendir(folderPath.constData());
    if (!folder)
        return removed;
    while (const dirent *entry = ::readdir(folder)) {
        const QByteArray name(entry->d_name);
        if (!IsTemporaryName(name, base))
            continue;
        const int fd = ::openat(::dirfd(folder), name.constData(),
                                O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat st;
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && LockWhole(fd)) {
            qCInfo(lcFiles) << "removing the leftover" << name;
            if (::unlinkat(::dirfd(folder), name.constData(), 0) == 0)
                removed.append(QFile::decodeName(name));
        }
        ::close(fd);
    }
    ::closedir(folder);
    return removed;
}

// Opens the file, or makes it with the rights its folder gives when nothing has the name.
int OpenOrCreate(const QByteArray &path, int flags)
{
    for (;;) {
        const int fd = ::open(path.constData(), flags);
        if (fd >= 0 || errno != ENOENT)
            return fd;
        const int made = FolderRights::ForEntryAt(path).createFile(path, flags, Writable::AsFolder);
        if (made >= 0 || errno != EEXIST)
            return made;
    }
}

// The rights of a file that replaces one with the mode: its own, but never more open than
// the folder, and in a folder that a group shares, the group's as the folder gives them (a
// file an earlier version made under a strict umask would shut the class out). Under a
// default ACL the ACL decides.
mode_t KeptMode(mode_t mode, const FolderRights &rights, Writable writable)
{
    mode &= 07777;
    if (writable == Writable::ByOwner)
        mode &= ~(S_IWGRP | S_IWOTH);
    if (rights.hasDefaultAcl())
        return mode;
    const mode_t allowed = rights.fileMode(writable);
    mode &= ~((S_IRWXG | S_IRWXO) & ~allowed);
    return rights.shared() ? mode | (allowed & S_IRWXG) : mode;
}

// A new file beside the target with a free name ".BASE.tmp-XXXXXX"; the descriptor, or -1.
int CreateTemporary(QByteArray &temporary, const PathParts &target, bool replacing, Writable writable)
{
    static constexpr char Letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    constexpr int Tries = 100;
    for (int attempt = 0; attempt < Tries; ++attempt) {
        QByteArray random(TemporaryRandomChars, Qt::Uninitialized);
        for (char &c : random)
            c = Letters[QRandomGenerator::system()->bounded(int(sizeof Letters - 1))];
        temporary = target.folder + '/' + TemporaryPrefix(target.base) + random;
        const int flags = O_RDWR | O_NOFOLLOW | O_CLOEXEC;
        // A replaced file's own rights are given once it is made.
        const int fd = replacing ? ::open(temporary.constData(), flags | O_CREAT | O_EXCL, S_IRUSR | S_IWUSR)
                                 : FolderRights::Of(target.folder).createFile(temporary, flags, writable);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

QString NotRegular(mode_t mode)
{
    const char *what = S_ISDIR(mode)                     ? "ein Ordner"
        : (S_ISCHR(mode) || S_ISBLK(mode))               ? "ein Gerät"
        : S_ISFIFO(mode)                                 ? "eine Pipe"
        : S_ISSOCK(mode)                                 ? "ein Socket"
                                                         : "keine gewöhnliche Datei";
    return QStringLiteral("Unter diesem Namen steht %1, keine Datei. Es wurde nichts ersetzt.")
        .arg(QString::fromUtf8(what));
}

class DescriptorLock : public FileLock
{
public:
    explicit DescriptorLock(int fd) : m_fd(fd) {}
    ~DescriptorLock() override { ::close(m_fd); }

private:
    int m_fd;
};

} // namespace

QtFiles::QtFiles(SystemCalls calls, std::chrono::milliseconds lockWait)
    : m_calls(calls), m_lockWait(lockWait)
{
}

QString QtFiles::Reason(int error)
{
    switch (error) {
    case ENOSPC: return QStringLiteral("Auf dem Datenträger ist kein Platz mehr frei.");
    case EDQUOT: return QStringLiteral("Der zugeteilte Speicherplatz ist aufgebraucht.");
    case EROFS: return QStringLiteral("Der Datenträger ist schreibgeschützt.");
    case EACCES:
    case EPERM: return QStringLiteral("Es fehlt die Berechtigung, hier zu schreiben.");
    case EIO: return QStringLiteral("Der Datenträger meldet einen Lese- oder Schreibfehler.");
    case ENOENT: return QStringLiteral("Den Ordner gibt es nicht.");
    case ENOTDIR: return QStringLiteral("Ein Teil des Pfades ist kein Ordner.");
    case EISDIR: return QStringLiteral("Unter diesem Namen steht ein Ordner.");
    case ENAMETOOLONG: return QStringLiteral("Der Name ist zu lang.");
    case ELOOP: return QStringLiteral("Der Name führt über zu viele Verknüpfungen.");
    case EMFILE:
    case ENFILE: return QStringLiteral("Es sind zu viele Dateien geöffnet.");
    case EFBIG: return QStringLiteral("Die Datei wird zu groß.");
    case EBUSY:
    case ETXTBSY: return QStringLiteral("Die Datei ist gerade in Benutzung.");
    case ESTALE: return QStringLiteral("Die Verbindung zum Netzlaufwerk ist abgerissen.");
    case ENOMEM: return QStringLiteral("Der Arbeitsspeicher reicht nicht aus.");
    default: return QStringLiteral("Das System meldet den Fehler Nummer %1.").arg(error);
    }
}

FileContents QtFiles::read(const QString &name, qsizetype maxBytes)
{
    FileContents contents;
    // Non-blocking, so that a pipe under this name cannot hold the program up.
    const int fd = ::open(Path(name).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        contents.missing = errno == ENOENT;
        return contents;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return contents;
    }
    contents.opened = true;
    QByteArray &bytes = contents.bytes;
    // One byte more than the file holds, so that its end is found without growing.
    bytes.resize(std::min<qint64>(maxBytes, st.st_size + 1));
    qsizetype got = 0;
    for (;;) {
        if (got == bytes.size()) {
            if (got >= maxBytes) {
                char probe;
                contents.complete = m_calls.read(fd, &probe, 1) == 0;
                break;
            }
            bytes.resize(std::min(maxBytes, got + ReadChunk));
        }
        const ssize_t n = m_calls.read(fd, bytes.data() + got, size_t(bytes.size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            contents.complete = n == 0;
            if (n < 0)
                qCWarning(lcFiles) << "reading" << name << "failed:" << Reason(errno);
            break;
        }
        got += n;
    }
    bytes.resize(got);
    ::close(fd);
    return contents;
}

QString QtFiles::write(const QString &name, const QByteArray &bytes, Writable writable)
{
    const std::optional<QByteArray> target = FollowLinks(Path(name));
    if (!target)
        return Reason(ELOOP);
    return replace(*target, bytes, writable);
}

QString QtFiles::replace(const QByteArray &target, const QByteArray &bytes, Writable writable)
{
    struct stat old;
    const bool replacing = ::stat(target.constData(), &old) == 0;
    if (!replacing && errno != ENOENT)
        return Reason(errno);
    if (replacing && !S_ISREG(old.st_mode))
        return NotRegular(old.st_mode);
    const PathParts parts = Split(target);
    RemoveLeftoverTemporaries(parts.folder, parts.base);

    const mode_t keptMode = replacing ? KeptMode(old.st_mode, FolderRights::Of(parts.folder), writable) : 0;
    QByteArray temporary;
    int fd = CreateTemporary(temporary, parts, replacing, writable);
    if (fd < 0)
        return Reason(errno);
    // A second descriptor holds a lock until the rename, so that another save of the same
    // file does not take this temporary file for a leftover once fd is closed.
    const int lockFd = ::open(temporary.constData(), O_RDWR | O_CLOEXEC);
    if (lockFd >= 0)
        LockWhole(lockFd);
    const auto fail = [&](int error) {
        if (fd >= 0)
            ::close(fd);
        ::unlink(temporary.constData());
        if (lockFd >= 0)
            ::close(lockFd);
        return Reason(error);
    };
    if (replacing)
        ::fchmod(fd, keptMode);
    if (replacing && ::geteuid() == 0 && ::fchown(fd, old.st_uid, old.st_gid) != 0)
        qCInfo(lcFiles) << "the owner of" << target << "could not be kept";
    else if (replacing && ::fchown(fd, uid_t(-1), old.st_gid) != 0) // kept where this account may
        qCDebug(lcFiles) << "the group of" << target << "is the folder's or this account's now";

    if (const int error = writeAll(fd, bytes))
        return fail(error);
    if (m_calls.fsync(fd) != 0)
        return fail(errno);
    const int closed = m_calls.close(fd);
    fd = -1;
    if (closed != 0)
        return fail(errno);
    if (m_calls.rename(temporary.constData(), target.constData()) != 0)
        return fail(errno);
    if (lockFd >= 0)
        ::close(lockFd);

    // The new file is in place; a folder that cannot be synced only costs durability.
    const int folder = ::open(parts.folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0 || m_calls.fsync(folder) != 0)
        qCWarning(lcFiles) << "the folder of" << target << "could not be synced";
    if (folder >= 0)
        ::close(folder);
    return {};
}

// 0 when every byte was written, else the error; done counts the bytes written.
int QtFiles::writeAll(int fd, const QByteArray &bytes, qsizetype *done)
{
    qsizetype written = 0;
    const auto finish = [&](int error) {
        if (done)
            *done = written;
        return error;
    };
    while (written < bytes.size()) {
        const ssize_t n = m_calls.write(fd, bytes.constData() + written, size_t(bytes.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return finish(n < 0 ? errno : EIO);
        written += n;
    }
    return finish(0);
}

QString QtFiles::currentDirectory() const { return QDir::currentPath(); }

bool QtFiles::exists(const QString &name) const
{
    struct stat st;
    return ::lstat(Path(name).constData(), &st) == 0;
}

std::unique_ptr<FileLock> QtFiles::lock(const QString &name)
{
    const PathParts parts = Split(Path(name));
    const QByteArray lockName = parts.folder + "/." + parts.base + ".lock";
    // Whoever may write in the folder may lock: the lock file is as open as the folder.
    const int fd = OpenOrCreate(lockName, O_RDWR | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        qCWarning(lcFiles) << "no lock file" << lockName << Reason(errno);
        return nullptr;
    }
    // A lock file that an earlier version opened to every account is narrowed by its owner,
    // so that no account beyond the folder's can hold the lock.
    const FolderRights rights = FolderRights::Of(parts.folder);
    const mode_t allowed = rights.fileMode(Writable::AsFolder);
    struct stat st;
    if (!rights.hasDefaultAcl() && ::fstat(fd, &st) == 0 && st.st_uid == ::geteuid() && (st.st_mode & 0777 & ~allowed))
        ::fchmod(fd, st.st_mode & 0777 & allowed);
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        if (LockWhole(fd))
            return std::make_unique<DescriptorLock>(fd);
        if ((errno != EAGAIN && errno != EACCES) || waited.elapsed() >= m_lockWait.count()) {
            qCWarning(lcFiles) << "no lock on" << lockName << Reason(errno);
            ::close(fd);
            return nullptr;
        }
        QThread::msleep(LockPollMs);
    }
}

QStringList QtFiles::entries(const QString &folder)
{
    QStringList names;
    DIR *listed = ::opendir(Path(folder).constData());
    if (!listed)
        return names;
    while (const dirent *entry = ::readdir(listed)) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..")
            names.append(QFile::decodeName(name));
    }
    ::closedir(listed);
    return names;
}

QString QtFiles::makeFolder(const QString &name)
{
    const QByteArray path = Path(name);
    const int error = FolderRights::ForEntryAt(path).createFolder(path);
    if (error == 0)
        return {};
    struct stat st;
    if (error == EEXIST && ::stat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode))
        return {};
    return error == EEXIST ? QStringLiteral("Unter diesem Namen steht schon eine Datei, kein Ordner.")
                           : Reason(error);
}

AppendOutcome QtFiles::append(const QString &name, const QByteArray &bytes)
{
    AppendOutcome outcome;
    // Non-blocking, so that a pipe under this name cannot hold the program up.
    const int fd = OpenOrCreate(Path(name), O_WRONLY | O_APPEND | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        outcome.error = Reason(errno);
        return outcome;
    }
    struct stat st;
    const bool known = ::fstat(fd, &st) == 0;
    if (!known || !S_ISREG(st.st_mode)) {
        outcome.error = known ? NotRegular(st.st_mode) : Reason(errno);
        ::close(fd);
        return outcome;
    }
    if (const int error = writeAll(fd, bytes, &outcome.written))
        outcome.error = Reason(error);
    // A network file system may tell only now that the bytes did not arrive.
    if (m_calls.close(fd) != 0 && outcome.error.isEmpty()) {
        outcome.error = Reason(errno);
        outcome.written = 0;
    }
    return outcome;
}

QString QtFiles::sync(const QString &name)
{
    const int fd = ::open(Path(name).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return Reason(errno);
    const int synced = m_calls.fsync(fd);
    const int error = errno;
    ::close(fd);
    return synced == 0 ? QString() : Reason(error);
}

QString QtFiles::remove(const QString &name)
{
    if (::unlink(Path(name).constData()) == 0 || errno == ENOENT)
        return {};
    return Reason(errno);
}

QString QtFiles::empty(const QString &name)
{
    const int fd = ::open(Path(name).constData(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return Reason(errno);
    struct stat st;
    QString failure;
    if (::fstat(fd, &st) != 0)
        failure = Reason(errno);
    else if (!S_ISREG(st.st_mode))
        failure = NotRegular(st.st_mode);
    else if (::ftruncate(fd, 0) != 0)
        failure = Reason(errno);
    ::close(fd);
    return failure;
}

QStringList QtFiles::removeLeftovers(const QString &folder)
{
    return RemoveLeftoverTemporaries(Path(folder), QByteArray());
}
