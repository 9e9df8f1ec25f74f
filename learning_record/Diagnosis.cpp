// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Diagnosis.h"

#include "Cells.h"

#include <cstdlib>

namespace {

bool IsSwapped(int asked, int given)
{
    const int tens = asked / 10, ones = asked % 10;
    return asked < 100 && tens != 0 && ones != 0 && tens != ones && given == 10 * ones + tens;
}

// A multiple of ten taken for the first cell of its own row or of the next one.
bool IsRowStart(int tenner, int other)
{
    return tenner % 10 == 0 && (other == tenner - 9 || other == tenner + 1);
}

} // namespace

ErrorType ClassifyError(int asked, int given)
{
    if (IsSwapped(asked, given))
        return ErrorType::Zahlendreher;
    if (IsRowStart(asked, given) || IsRowStart(given, asked))
        return ErrorType::Zehneruebergang;
    const int distance = std::abs(asked - given);
    if (distance == 1)
        return ErrorType::Nachbarzahl;
    if (distance == 10)
        return ErrorType::Nachbarzehner;
    if (CellRow(asked) == CellRow(given))
        return ErrorType::RichtigeZeile;
    if (CellColumn(asked) == CellColumn(given))
        return ErrorType::RichtigeSpalte;
    return ErrorType::WeitDaneben;
}

QString ErrorTypeName(ErrorType type)
{
    switch (type) {
    case ErrorType::Zahlendreher: return QStringLiteral("Zahlendreher");
    case ErrorType::Zehneruebergang: return QStringLiteral("Zehnerübergang");
    case ErrorType::Nachbarzahl: return QStringLiteral("Nachbarzahl");
    case ErrorType::Nachbarzehner: return QStringLiteral("Nachbarzehner");
    case ErrorType::RichtigeZeile: return QStringLiteral("Richtige Zeile");
    case ErrorType::RichtigeSpalte: return QStringLiteral("Richtige Spalte");
    case ErrorType::WeitDaneben: return QStringLiteral("Weit daneben");
    }
    return {};
}

QString PracticeTip(ErrorType type)
{
    switch (type) {
    case ErrorType::Zahlendreher:
        return QStringLiteral("Zahlen zuerst mit Zehnern sprechen: „47 sind 4 Zehner und 7 Einer“, "
                              "dann mit Zehnerstangen und Einerwürfeln legen und auf dem "
                              "Hunderterfeld zeigen.");
    case ErrorType::Zehneruebergang:
        return QStringLiteral("Die Zehnerzahlen stehen am Ende ihrer Zeile: gemeinsam eine Zeile "
                              "entlang zählen (31, 32, … 40) und zeigen, dass danach die nächste "
                              "Zeile mit 41 beginnt.");
    case ErrorType::Nachbarzahl:
        return QStringLiteral("Vorgänger und Nachfolger üben: „Welche Zahl kommt vor 47, welche "
                              "danach?“ und beide Felder auf dem Hunderterfeld zeigen.");
    case ErrorType::Nachbarzehner:
        return QStringLiteral("In Zehnerschritten springen: 7, 17, 27 … und zurück, dabei auf dem "
                              "Hunderterfeld senkrecht nach unten und oben zeigen.");
    case ErrorType::RichtigeZeile:
        return QStringLiteral("Die Zeile stimmt schon: in ihr von der ersten Zahl aus Feld für Feld "
                              "bis zur gesuchten Zahl weiterzählen.");
    case ErrorType::RichtigeSpalte:
        return QStringLiteral("Die Einer stimmen schon: Die Zehnerziffer sagt die Zeile. Gemeinsam "
                              "die Zeilen von oben abzählen: 1 bis 10, 11 bis 20, 21 bis 30 …");
    case ErrorType::WeitDaneben:
        return QStringLiteral("Das Hunderterfeld erkunden: zuerst die Zehnerzahlen am rechten Rand "
                              "suchen, dann die Zahlen dazwischen.");
    }
    return {};
}
