// SPDX-License-Identifier: MIT
// Soak: clicks through all seven hot-spots in turn on a long box, offscreen,
// and prints the resident memory after the first 1,000 clicks and at the end.
#include "CatalogueText.h"
#include "layout/WindowLayout.h"
#include "window/SignatureWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include <cstdio>

namespace {

// Catches the link buttons' addresses instead of starting a browser.
class UrlSink : public QObject
{
    Q_OBJECT

public:
    int opened = 0;

public slots:
    void open(const QUrl &) { ++opened; }
};

long residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int clicks = argc > 1 ? std::atoi(argv[1]) : 100000;
    UrlSink sink;
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &sink, "open");

    SignatureWindow form(systemAdapters());
    form.show();
    const QString longText = catalogueText(32767);
    QList<QAbstractButton *> hotSpots;
    for (const WindowLayout::HotSpotRow &row : WindowLayout::hotSpots)
        hotSpots.append(form.findChild<QAbstractButton *>(QString::fromLatin1(row.objectName)));

    QElapsedTimer timer;
    timer.start();
    long afterWarmUp = 0;
    for (int i = 0; i < clicks; ++i) {
        QAbstractButton *hotSpot = hotSpots.at(i % hotSpots.size());
        QTest::mouseClick(hotSpot, Qt::LeftButton, {}, hotSpot->rect().center());
        // As between a user's clicks: repaints, deferred deletions and the rest run.
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        // The tools work on a full box, as if the user pasted one after each pair.
        if (i % hotSpots.size() == 0)
            form.setBoxText(longText);
        if (i + 1 == 1000)
            afterWarmUp = residentKilobytes();
    }
    const long atEnd = residentKilobytes();
    std::printf("| soak, %d clicks through all hot-spots on a full box | %.1f s | | | %d pages "
                "opened |\n",
                clicks, timer.elapsed() / 1000.0, sink.opened);
    std::printf("| soak, resident memory after 1,000 clicks and at the end | %.2f MiB | | | "
                "%.2f MiB at the end, growth %.2f MiB |\n",
                afterWarmUp / 1024.0, atEnd / 1024.0, (atEnd - afterWarmUp) / 1024.0);
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    return 0;
}

#include "SoakBench.moc"
