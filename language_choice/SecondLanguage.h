// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Platform.h"

#include <QObject>
#include <QString>

class PictureButton;
class QMenu;
class QWidget;

// The second language of the current user: the language the language buttons switch to
// from German. English until the user chooses another one from the buttons' menu; the
// choice is kept per user name in the class list Klasse.csv of the working folder.
// Languages are given as the values of Module1::Language ("d", "e", "tr", …).
class SecondLanguage : public QObject
{
    Q_OBJECT

public:
    static const QString GermanPicture;

    explicit SecondLanguage(const Platform &platform, QObject *parent = nullptr);

    // Reads the user's second language from the class list.
    void setUser(const QString &name);
    QString setting() const { return m_setting; }
    static QString picture(const QString &language);

    // The language buttons' click: from German to the second language, else back to German.
    void switchLanguage(PictureButton &button, QString &language) const;
    // Shows the language's picture on the button and says in its tooltip what a click does.
    void show(PictureButton &button, const QString &language) const;
    // A right click on the button, the context-menu key or Shift+F10 opens the menu.
    void attach(PictureButton &button);
    // The languages in their own script and in German, the second language ticked.
    QMenu *menu(QWidget *parent);
    // Makes the language the user's second language and keeps it in the class list.
    void choose(const QString &language);

signals:
    // A new second language was chosen: the window switches to it.
    void chosen();

private:
    void openMenu(PictureButton &button);
    QString keep(const QString &code);

    Platform m_platform;
    QString m_user;
    QString m_setting;
};
