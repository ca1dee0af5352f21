// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

// Benchmark builds only: once the watched window has painted its first
// frame, prints "first-paint <monotonic ns>" and quits the application.
class FirstPaintProbe final : public QObject
{
    Q_OBJECT

public:
    explicit FirstPaintProbe(QObject *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
