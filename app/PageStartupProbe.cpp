// SPDX-License-Identifier: MIT
#include "app/StartupProbe.h"

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <emscripten.h>

namespace {

// Tells the page, which shows a loading bar until then, that the window's
// first frame is drawn.
// clang-format off
EM_JS(void, velmoraTellPageShown, (), { window.dispatchEvent(new Event("velmora-shown")); });
// clang-format on

class PageStartupProbe final : public QObject
{
public:
    explicit PageStartupProbe(QObject *window) : QObject(window)
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // After the whole frame has been painted and flushed.
            QTimer::singleShot(0, [] { velmoraTellPageShown(); });
        }
        return false;
    }
};

} // namespace

void watchFirstPaint(QWidget *window)
{
    new PageStartupProbe(window);
}
