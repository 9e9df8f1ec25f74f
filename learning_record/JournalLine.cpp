// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "JournalLine.h"

#include "Cells.h"

#include <QDate>
#include <QList>
#include <QtEndian>
#include <array>
#include <cstring>

namespace {

constexpr char Tag[] = "Z2";
constexpr char EarlierTag[] = "Z1";
constexpr int CheckDigits = 8;
constexpr qsizetype MaxTextBytes = 1024; // a name or pattern of 100 characters, escaped
constexpr qint64 MaxMs = 24LL * 3600 * 1000;
constexpr quint64 MaxSeq = quint64(1) << 53;
constexpr int SecondsPerDay = 86400;
constexpr int MaxOffsetSeconds = 18 * 3600;
constexpr size_t DateLength = 10; // "2026-03-02"
constexpr qint64 UnixEpochJulianDay = 2440588; // 1970-01-01

// Exactly `count` digits at `at`; -1 otherwise.
int Digits(QByteArrayView text, qsizetype at, int count)
{
    int value = 0;
    for (int i = 0; i < count; ++i) {
        const char c = text[at + i];
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

bool ParseIsoTime(QByteArrayView text, qint64 &utcSeconds, int &offsetSeconds)
{
    if (text.size() != 20 && text.size() != 25)
        return false;
    if (text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':' || text[16] != ':')
        return false;
    // The lines of a journal mostly share their day: it is worked out once.
    thread_local char lastDate[DateLength] = {};
    thread_local qint64 lastDays = 0;
    if (std::memcmp(lastDate, text.data(), DateLength) != 0) {
        const int year = Digits(text, 0, 4), month = Digits(text, 5, 2), day = Digits(text, 8, 2);
        const QDate date(year, month, day); // a year of -1 would be valid: 1 BC
        if (year < 0 || !date.isValid())
            return false;
        lastDays = date.toJulianDay() - UnixEpochJulianDay;
        std::memcpy(lastDate, text.data(), DateLength);
    }
    const int hour = Digits(text, 11, 2), minute = Digits(text, 14, 2), second = Digits(text, 17, 2);
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59)
        return false;
    if (text.size() == 20) {
        if (text[19] != 'Z')
            return false;
        offsetSeconds = 0;
    } else {
        const int offsetHours = Digits(text, 20, 2), offsetMinutes = Digits(text, 23, 2);
        if ((text[19] != '+' && text[19] != '-') || text[22] != ':' || offsetHours < 0
            || offsetMinutes < 0 || offsetMinutes > 59)
            return false;
        offsetSeconds = (offsetHours * 3600 + offsetMinutes * 60) * (text[19] == '-' ? -1 : 1);
        if (std::abs(offsetSeconds) > MaxOffsetSeconds)
            return false;
    }
    const qint64 local = lastDays * SecondsPerDay + hour * 3600 + minute * 60 + second;
    utcSeconds = local - offsetSeconds;
    return true;
}

namespace {

bool ParseNumber(QByteArrayView text, quint64 limit, quint64 &value)
{
    if (text.isEmpty() || text.size() > 16 || (text.size() > 1 && text[0] == '0'))
        return false;
    value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + quint64(c - '0');
    }
    return value <= limit;
}

// A text field: not empty where it must not be, UTF-8, no control characters, escapes whole.
bool IsText(QByteArrayView text, bool mayBeEmpty)
{
    if ((text.isEmpty() && !mayBeEmpty) || text.size() > MaxTextBytes || !text.isValidUtf8())
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c == 0x7f)
            return false;
        if (c == '\\') {
            if (++i == text.size())
                return false;
            const char e = text[i];
            if (e != '\\' && e != 't' && e != 'n' && e != 'r')
                return false;
        }
    }
    return true;
}

// A text field as the one of the line before, checked already; lines mostly repeat the run,
// the name and the pattern of the line before them.
bool IsRepeatedText(QByteArrayView text, bool mayBeEmpty, QByteArray &before)
{
    if (text == before && !before.isNull())
        return true;
    if (!IsText(text, mayBeEmpty))
        return false;
    before = text.toByteArray();
    return true;
}

bool IsLanguage(QByteArrayView code)
{
    if (code.size() < 2 || code.size() > 3)
        return false;
    for (const char c : code)
        if (c < 'a' || c > 'z')
            return false;
    return true;
}

} // namespace

QByteArray EscapedText(const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    QByteArray escaped;
    escaped.reserve(utf8.size());
    for (const char c : utf8) {
        switch (c) {
        case '\\': escaped += "\\\\"; break;
        case '\t': escaped += "\\t"; break;
        case '\n': escaped += "\\n"; break;
        case '\r': escaped += "\\r"; break;
        default:
            // Other control characters have no business in a name; they would make the
            // line unreadable.
            escaped += static_cast<unsigned char>(c) < 0x20 || c == 0x7f ? ' ' : c;
        }
    }
    return escaped;
}

QString UnescapedText(QByteArrayView field)
{
    if (!field.contains('\\'))
        return QString::fromUtf8(field);
    QByteArray plain;
    plain.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] != '\\' || i + 1 == field.size()) {
            plain += field[i];
            continue;
        }
        switch (field[++i]) {
        case 't': plain += '\t'; break;
        case 'n': plain += '\n'; break;
        case 'r': plain += '\r'; break;
        default: plain += field[i];
        }
    }
    return QString::fromUtf8(plain);
}

QByteArray IsoTime(qint64 utcSeconds, int offsetSeconds)
{
    const qint64 local = utcSeconds + offsetSeconds;
    qint64 days = local / SecondsPerDay;
    qint64 rest = local % SecondsPerDay;
    if (rest < 0) {
        rest += SecondsPerDay;
        --days;
    }
    const QDate date = QDate::fromJulianDay(days + UnixEpochJulianDay);
    const int offset = std::abs(offsetSeconds) / 60;
    char text[64]; // room for any year the arithmetic can give
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02lld:%02lld:%02lld%c%02d:%02d",
                  date.year(), date.month(), date.day(),
                  static_cast<long long>(rest / 3600), static_cast<long long>(rest / 60 % 60),
                  static_cast<long long>(rest % 60), offsetSeconds < 0 ? '-' : '+', offset / 60,
                  offset % 60);
    return QByteArray(text);
}

namespace {

// The check of a line: FNV-1a over eight bytes at a time (a class's year is read whole
// when the window opens), as eight lowercase hexadecimal digits.
std::array<char, CheckDigits> Check(QByteArrayView checked)
{
    constexpr quint64 Prime = 1099511628211ull;
    quint64 hash = 14695981039346656037ull ^ quint64(checked.size());
    qsizetype i = 0;
    for (; i + 8 <= checked.size(); i += 8) {
        quint64 word;
        std::memcpy(&word, checked.data() + i, sizeof word);
        hash = (hash ^ qFromLittleEndian(word)) * Prime;
    }
    for (; i < checked.size(); ++i)
        hash = (hash ^ static_cast<unsigned char>(checked[i])) * Prime;
    const quint32 folded = quint32(hash ^ (hash >> 32));
    std::array<char, CheckDigits> digits;
    for (int d = 0; d < CheckDigits; ++d)
        digits[size_t(d)] = "0123456789abcdef"[(folded >> (4 * (CheckDigits - 1 - d))) & 0xf];
    return digits;
}

} // namespace

QByteArray JournalLine(const RecordedAnswer &answer)
{
    QByteArray line = Tag;
    const auto field = [&line](const QByteArray &text) {
        line += '\t';
        line += text;
    };
    field(IsoTime(answer.time.toSecsSinceEpoch(), answer.time.offsetFromUtc()));
    field(EscapedText(answer.run));
    field(QByteArray::number(answer.seq));
    field(EscapedText(answer.name));
    field(answer.mode == RecordedAnswer::Mode::Felder ? "F" : "Z");
    field(answer.language.toLatin1());
    field(EscapedText(answer.pattern));
    field(QByteArray::number(answer.asked));
    field(QByteArray::number(answer.given));
    field(answer.right() ? "r" : "f");
    field(QByteArray::number(std::clamp<qint64>(answer.ms, 0, MaxMs)));
    const std::array<char, CheckDigits> check = Check(line);
    field(QByteArray(check.data(), CheckDigits));
    line += '\n';
    return line;
}

namespace {

constexpr int FieldCount = 12; // without the check

// Splits a line at its tabs into exactly `count` fields; the texts are checked afterwards.
bool SplitLine(QByteArrayView line, std::array<QByteArrayView, FieldCount + 1> &fields, int count)
{
    const char *start = line.data();
    const char *const end = start + line.size();
    for (int i = 0; i < count - 1; ++i) {
        const auto *tab = static_cast<const char *>(std::memchr(start, '\t', size_t(end - start)));
        if (!tab)
            return false;
        fields[size_t(i)] = QByteArrayView(start, tab - start);
        start = tab + 1;
    }
    fields[size_t(count - 1)] = QByteArrayView(start, end - start);
    return !std::memchr(start, '\t', size_t(end - start));
}

bool Is(QByteArrayView field, char c) { return field.size() == 1 && field[0] == c; }

// A line of this release with its check whole, or one of an earlier release.
bool SplitChecked(QByteArrayView line, std::array<QByteArrayView, FieldCount + 1> &f)
{
    if (line.startsWith(EarlierTag))
        return SplitLine(line, f, FieldCount);
    if (!line.startsWith(Tag) || !SplitLine(line, f, FieldCount + 1))
        return false;
    const QByteArrayView check = f[FieldCount];
    if (check.size() != CheckDigits)
        return false;
    const std::array<char, CheckDigits> expected = Check(line.first(line.size() - CheckDigits - 1));
    return std::memcmp(check.data(), expected.data(), CheckDigits) == 0;
}

} // namespace

bool ParseJournalFields(QByteArrayView line, JournalFields &out)
{
    std::array<QByteArrayView, FieldCount + 1> f;
    quint64 seq = 0, asked = 0, given = 0, ms = 0;
    thread_local QByteArray run, name, pattern;
    if (!SplitChecked(line, f) || f[0].size() != 2
        || !ParseIsoTime(f[1], out.utcSeconds, out.offsetSeconds) || !IsRepeatedText(f[2], false, run)
        || !ParseNumber(f[3], MaxSeq, seq) || seq == 0 || !IsRepeatedText(f[4], false, name)
        || !(Is(f[5], 'F') || Is(f[5], 'Z')) || !IsLanguage(f[6]) || !IsRepeatedText(f[7], true, pattern)
        || !ParseNumber(f[8], CellCount, asked) || asked == 0 || !ParseNumber(f[9], CellCount, given)
        || given == 0 || !ParseNumber(f[11], quint64(MaxMs), ms))
        return false;
    const bool right = Is(f[10], 'r');
    if ((!right && !Is(f[10], 'f')) || right != (asked == given))
        return false;
    out.run = f[2];
    out.seq = seq;
    out.name = f[4];
    out.mode = Is(f[5], 'F') ? RecordedAnswer::Mode::Felder : RecordedAnswer::Mode::Zahlen;
    out.language = f[6];
    out.pattern = f[7];
    out.asked = int(asked);
    out.given = int(given);
    out.ms = qint64(ms);
    return true;
}

std::optional<RecordedAnswer> ParseJournalLine(QByteArrayView line)
{
    JournalFields fields;
    if (!ParseJournalFields(line, fields))
        return std::nullopt;
    RecordedAnswer answer;
    answer.time = QDateTime::fromSecsSinceEpoch(fields.utcSeconds, Qt::OffsetFromUTC, fields.offsetSeconds);
    answer.run = UnescapedText(fields.run);
    answer.seq = fields.seq;
    answer.name = UnescapedText(fields.name);
    answer.mode = fields.mode;
    answer.language = QString::fromLatin1(fields.language);
    answer.pattern = UnescapedText(fields.pattern);
    answer.asked = fields.asked;
    answer.given = fields.given;
    answer.ms = fields.ms;
    return answer;
}

QList<QByteArrayView> CompleteLines(QByteArrayView bytes, qsizetype *tornStart)
{
    QList<QByteArrayView> lines;
    qsizetype start = 0;
    for (;;) {
        const qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            break;
        lines.append(bytes.sliced(start, end - start));
        start = end + 1;
    }
    if (tornStart)
        *tornStart = start;
    return lines;
}
