// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TeacherPassword.h"

#include <QByteArray>

class Files;

// The password kept as libsodium's Argon2id string (salted, at its interactive limits) in
// the working folder's "Lernstand/Kennwort.txt", so that every computer of a class asks
// for the same one; written by its owner alone, so that no other account can change it.
// An administrator's line in the system-wide setting wins over the folder's file.
class StoredTeacherPassword : public TeacherPassword
{
public:
    static const QString FileName;
    static constexpr auto HashOption = "--hash-password";

    // preset: the administrator's hash, empty when there is none; presetPlace names where
    // it is set, for messages.
    StoredTeacherPassword(Files &files, QByteArray preset, QString presetPlace);

    State state() override;
    QString problem() override;
    bool matches(const QString &password) override;
    QString keep(const QString &password) override;

    // The stored form of a password, a new salt each time; empty when the memory for it
    // cannot be had. Takes a good part of a second and 64 MB.
    static QByteArray Hash(const QString &password);

    // For the administrator (zep100 --hash-password): reads a password from the standard
    // input (twice, not shown, from a terminal) and prints the system-wide setting's line
    // "key="hash"" for it. The exit code.
    static int PrintSettingLine(const char *key);

private:
    struct Stored
    {
        State state = State::Unset;
        QByteArray hash;
        QString problem;
    };
    Stored stored();

    Files &m_files;
    QByteArray m_preset;
    QString m_presetPlace;
};
