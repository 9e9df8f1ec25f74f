// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SecondLanguage.h"

#include "ClassList.h"
#include "ClassListFile.h"
#include "Dialogs.h"
#include "Files.h"
#include "Language.h"
#include "PictureButton.h"

#include <QActionGroup>
#include <QEvent>
#include <QKeyEvent>
#include <QMenu>

namespace {

const QString German = QStringLiteral("d");
const QString English = QStringLiteral("e");
const QString Title = QStringLiteral("S p r a c h e");

QString GermanName(const QString &language)
{
    const Language *found = Language::find(Language::fromSetting(language));
    return found ? found->germanName : QString();
}

// Shift+F10 asks for the menu as the context-menu key does.
class MenuKey : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_F10 || key->modifiers() != Qt::ShiftModifier)
            return false;
        auto *button = static_cast<QWidget *>(watched);
        emit button->customContextMenuRequested(button->rect().center());
        return true;
    }
};

} // namespace

const QString SecondLanguage::GermanPicture = QStringLiteral(":/icons/flag_de.svg");

SecondLanguage::SecondLanguage(const Platform &platform, QObject *parent)
    : QObject(parent), m_platform(platform), m_setting(English)
{
}

QString SecondLanguage::picture(const QString &language)
{
    if (language == German)
        return GermanPicture;
    const QString code = Language::fromSetting(language);
    return code == u"en" ? QStringLiteral(":/icons/flag_gb.svg")
                         : QStringLiteral(":/icons/lang_%1.svg").arg(code);
}

void SecondLanguage::setUser(const QString &name)
{
    m_user = name;
    m_setting = English;
    const FileContents file = m_platform.files.read(ClassList::FileName, ClassList::MaxBytes);
    if (!file.opened)
        return;
    const QString code = ClassList::Parse(file.bytes).secondLanguage(name).toLower();
    if (Language::find(code) && code != u"de")
        m_setting = Language::toSetting(code);
}

void SecondLanguage::switchLanguage(PictureButton &button, QString &language) const
{
    language = button.picture() == GermanPicture ? m_setting : German;
    show(button, language);
}

void SecondLanguage::show(PictureButton &button, const QString &language) const
{
    if (button.picture() != picture(language))
        button.setPicture(picture(language));
    const QString other = language == German ? GermanName(m_setting) : GermanName(German);
    const QString tip = QStringLiteral("Zahlwörter auf %1. Klick: %2. Rechtsklick: eine andere "
                                       "Zweitsprache wählen.")
                            .arg(GermanName(language), other);
    button.setToolTip(tip);
    button.setAccessibleDescription(tip);
}

void SecondLanguage::attach(PictureButton &button)
{
    button.setContextMenuPolicy(Qt::CustomContextMenu);
    button.installEventFilter(new MenuKey(&button));
    connect(&button, &QWidget::customContextMenuRequested, this,
            [this, &button] { openMenu(button); });
}

QMenu *SecondLanguage::menu(QWidget *parent)
{
    auto *menu = new QMenu(parent);
    menu->setTitle(QStringLiteral("Zweitsprache"));
    auto *group = new QActionGroup(menu);
    for (const Language &language : Language::all()) {
        if (language.code == u"de")
            continue;
        QAction *action = menu->addAction(language.menuText());
        action->setCheckable(true);
        action->setChecked(Language::toSetting(language.code) == m_setting);
        group->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, code = language.code] { choose(Language::toSetting(code)); });
    }
    return menu;
}

void SecondLanguage::openMenu(PictureButton &button)
{
    QMenu *shown = menu(&button);
    shown->setAttribute(Qt::WA_DeleteOnClose);
    shown->popup(button.mapToGlobal(QPoint(button.width(), 0)));
}

void SecondLanguage::choose(const QString &language)
{
    m_setting = language;
    const QString failure = keep(Language::fromSetting(language));
    if (!failure.isEmpty())
        m_platform.dialogs.messageBox(failure, MessageStyle::Warning, Title);
    emit chosen();
}

// The class list is changed under its lock, read again just before, so that a teacher's
// edit or another computer's row added meanwhile stays.
QString SecondLanguage::keep(const QString &code)
{
    const QString failure = ChangeClassList(m_platform.files, ClassList::FileName, ClassList::MaxBytes, true,
                                            [&](ClassList &list) {
                                                list.setSecondLanguage(m_user, code);
                                                return true;
                                            });
    return failure.isEmpty() ? failure : failure + QStringLiteral("\rDie Zweitsprache gilt bis zum Ende des Programms.");
}
