// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

void QtClipboard::put(const ClipboardContents &contents)
{
    auto *data = new QMimeData;
    data->setText(contents.text);
    if (!contents.svg.isEmpty())
        data->setData(QStringLiteral("image/svg+xml"), contents.svg);
    if (!contents.png.isEmpty())
        data->setData(QStringLiteral("image/png"), contents.png);
    QGuiApplication::clipboard()->setMimeData(data);
}
