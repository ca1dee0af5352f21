// SPDX-License-Identifier: MIT
// Click to repaint: for each hot-spot, the time from the click until the
// window has repainted and flushed, on a catalogue pair and on a full box.
// Run it on a real display (Xvfb) to include the flush to the X server.
#include "CatalogueText.h"
#include "commands/SignatureCatalogue.h"
#include "layout/WindowLayout.h"
#include "window/SignatureWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QTest>

#include <algorithm>
#include <cstdio>

namespace {

class UrlSink : public QObject
{
    Q_OBJECT

public slots:
    void open(const QUrl &) {}
};

struct Figures
{
    double median, min, max;
};

Figures measure(const WindowLayout::HotSpotRow &row, const QString &boxText, int runs)
{
    SignatureWindow form(systemAdapters());
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        std::fprintf(stderr, "the window was not exposed\n");
    auto *hotSpot = form.findChild<QAbstractButton *>(QString::fromLatin1(row.objectName));
    std::vector<double> times;
    for (int i = 0; i < runs + 3; ++i) {
        form.setBoxText(boxText);
        QApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        QTest::mouseClick(hotSpot, Qt::LeftButton, {}, hotSpot->rect().center());
        QApplication::processEvents();
        if (i >= 3) // the first clicks warm caches and create the converter
            times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.front(), times.back()};
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    UrlSink sink;
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &sink, "open");
    const int runs = argc > 1 ? std::atoi(argv[1]) : 21;
    const QString pair = SignatureCatalogue::textAt(1, QString());
    const QString full = catalogueText(32767);
    for (const WindowLayout::HotSpotRow &row : WindowLayout::hotSpots) {
        for (const auto &[label, text] :
             {std::pair{"a pair", pair}, std::pair{"32,767 characters", full}}) {
            const Figures figures = measure(row, text, runs);
            std::printf("| click to repaint, %s on %s | %.2f ms | %.2f ms | %.2f ms | %s |\n",
                        row.objectName, label, figures.median, figures.min, figures.max,
                        figures.median < 16.7 ? "within one 60 Hz frame" : "over one frame");
        }
    }
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    return 0;
}

#include "ClickBench.moc"
