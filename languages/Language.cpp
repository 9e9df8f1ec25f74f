// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Language.h"

namespace {

const QString GermanSetting = QStringLiteral("d");
const QString EnglishSetting = QStringLiteral("e");
const QString GermanCode = QStringLiteral("de");
const QString EnglishCode = QStringLiteral("en");

// English keeps its own words ("hundred" standing alone), which the voice reads as written;
// Vietnamese is written as it is said, and the voice's number reading says 15 wrongly.
QList<Language> MakeList()
{
    auto language = [](const char16_t *code, const char16_t *autonym, const char16_t *german,
                       const char16_t *shortName, const char16_t *voice) {
        return Language{QString::fromUtf16(code),      QString::fromUtf16(autonym),
                        QString::fromUtf16(german),    QString::fromUtf16(shortName),
                        QString::fromUtf16(voice),     false, true};
    };
    QList<Language> list{
        language(u"de", u"Deutsch", u"Deutsch", u"DE", u"de"),
        language(u"en", u"English", u"Englisch", u"EN", u"en"),
        language(u"tr", u"Türkçe", u"Türkisch", u"TR", u"tr"),
        language(u"ar", u"العربية", u"Arabisch", u"عربي", u"ar"),
        language(u"ru", u"Русский", u"Russisch", u"РУ", u"ru"),
        language(u"uk", u"Українська", u"Ukrainisch", u"УК", u"uk"),
        language(u"pl", u"Polski", u"Polnisch", u"PL", u"pl"),
        language(u"ro", u"Română", u"Rumänisch", u"RO", u"ro"),
        language(u"fa", u"فارسی", u"Persisch", u"فا", u"fa"),
        language(u"sq", u"Shqip", u"Albanisch", u"SQ", u"sq"),
        language(u"it", u"Italiano", u"Italienisch", u"IT", u"it"),
        language(u"el", u"Ελληνικά", u"Griechisch", u"ΕΛ", u"el"),
        language(u"es", u"Español", u"Spanisch", u"ES", u"es"),
        language(u"fr", u"Français", u"Französisch", u"FR", u"fr"),
        language(u"hr", u"Hrvatski", u"Kroatisch", u"HR", u"hr"),
        language(u"sr", u"Srpski", u"Serbisch", u"SR", u"sr"),
        language(u"bg", u"Български", u"Bulgarisch", u"БГ", u"bg"),
        language(u"vi", u"Tiếng Việt", u"Vietnamesisch", u"VI", u"vi"),
    };
    for (Language &entry : list) {
        entry.rightToLeft = entry.code == u"ar" || entry.code == u"fa";
        entry.readsNumeral = entry.code != EnglishCode && entry.code != u"vi";
    }
    return list;
}

} // namespace

const QList<Language> &Language::all()
{
    static const QList<Language> list = MakeList();
    return list;
}

const Language *Language::find(const QString &code)
{
    for (const Language &language : all())
        if (language.code == code)
            return &language;
    return nullptr;
}

QString Language::fromSetting(const QString &setting)
{
    if (setting == GermanSetting)
        return GermanCode;
    return setting == EnglishSetting || !find(setting) ? EnglishCode : setting;
}

QString Language::toSetting(const QString &code)
{
    if (code == GermanCode)
        return GermanSetting;
    return code == EnglishCode || !find(code) ? EnglishSetting : code;
}

QString Language::menuText() const { return autonym + QStringLiteral(" – ") + germanName; }

QString Language::spoken(int n, const QString &word) const
{
    return readsNumeral ? QString::number(n) : word;
}
