// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM and SIGHUP as a Qt signal on the user-interface thread. The handler only writes
// a byte into a pipe, which is all it may safely do; the pipe is read by the event loop.
// One instance per program.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

signals:
    void received();

private:
    void drain();

    QSocketNotifier *m_notifier = nullptr;
};
