// SPDX-License-Identifier: MIT
#include "app/FirstPaintProbe.h"

#include "app/StartupProbe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>

FirstPaintProbe::FirstPaintProbe(QObject *window) : QObject(window)
{
    window->installEventFilter(this);
}

bool FirstPaintProbe::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        // The timer fires after the whole frame has been painted and flushed.
        QTimer::singleShot(0, [] {
            timespec now{};
            clock_gettime(CLOCK_MONOTONIC, &now);
            std::printf("first-paint %lld\n", now.tv_sec * 1000000000LL + now.tv_nsec);
            std::fflush(stdout);
            QCoreApplication::quit();
        });
    }
    return false;
}

void watchFirstPaint(QWidget *window)
{
    new FirstPaintProbe(window);
}
