// SPDX-License-Identifier: MIT
// Prints how long the three text tools take on 32,767 and 1,000,000
// characters against their floors (the conversion engine alone, a deep copy),
// and the first "转繁体" with the converter's creation: median, min and max
// over repeated runs after a warm-up, as Markdown table rows. Runs offscreen.

#include "CatalogueText.h"
#include "commands/CopySignature.h"
#include "commands/InsertSpaces.h"
#include "commands/SignatureCatalogue.h"
#include "commands/SignatureSurface.h"
#include "commands/ToTraditional.h"
#include "platform/Clipboard.h"
#include "platform/CodePage936.h"
#include "platform/TraditionalMapper.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLocale>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int warmUps = 3;
constexpr int runs = 25;

class PlainSurface final : public SignatureSurface
{
public:
    QString box;
    QString boxText() const override { return box; }
    void setBoxText(const QString &text) override { box = text; }
    void setStatusLine(const QString &) override {}
};

struct Figures
{
    double median, min, max;
};

Figures figures(QList<double> times)
{
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.first(), times.last()};
}

double timed(const std::function<void()> &prepare, const std::function<void()> &run)
{
    prepare();
    QElapsedTimer timer;
    timer.start();
    run();
    return double(timer.nsecsElapsed()) / 1e6;
}

// Times `run` after `prepare`, which is not timed.
Figures measure(const std::function<void()> &prepare, const std::function<void()> &run)
{
    QList<double> times;
    for (int i = 0; i < warmUps + runs; ++i) {
        const double ms = timed(prepare, run);
        if (i >= warmUps)
            times.append(ms);
    }
    return figures(times);
}

struct Comparison
{
    Figures ours, floor;
    double ratio; // the median of the runs' own ratios
};

// Times a command and its floor in turn and compares each run with its
// neighbour, so that a noisy spell of the machine weighs on both alike.
Comparison measureAgainst(const std::function<void()> &prepare, const std::function<void()> &run,
                          const std::function<void()> &prepareFloor,
                          const std::function<void()> &runFloor)
{
    QList<double> times, floorTimes, ratios;
    for (int i = 0; i < warmUps + runs; ++i) {
        const double ms = timed(prepare, run);
        const double floorMs = timed(prepareFloor, runFloor);
        if (i >= warmUps) {
            times.append(ms);
            floorTimes.append(floorMs);
            ratios.append(ms / floorMs);
        }
    }
    return {figures(times), figures(floorTimes), figures(ratios).median};
}

// A Markdown table row: measure | median | min | max | note.
void row(const QString &name, const Figures &figures, const QString &note)
{
    std::printf("| %s | %.4f ms | %.4f ms | %.4f ms | %s |\n", qPrintable(name), figures.median,
                figures.min, figures.max, qPrintable(note));
}

QString ratio(double value, const char *target)
{
    return QStringLiteral("%1x %2 (target at most %3)")
        .arg(value, 0, 'f', 2)
        .arg(QString::fromUtf8(target).section(u'|', 0, 0))
        .arg(QString::fromUtf8(target).section(u'|', 1, 1));
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    const QString full = catalogueText(32767);
    const QString million = catalogueText(1'000'000);
    const QString p1 = SignatureCatalogue::textAt(1, QString());

    PlainSurface surface;
    const auto fill = [&](const QString &text) {
        return [&surface, &text] { surface.box = text; };
    };
    const std::unique_ptr<CodePage936> codePage = createCodePage936();
    const std::unique_ptr<TraditionalMapper> mapper = createTraditionalMapper();
    const std::unique_ptr<Clipboard> clipboard = createClipboard();

    for (const QString *text : {&full, &million}) {
        const QString size = QLocale(QLocale::English).toString(text->size());
        std::optional<QString> mapped;
        const Comparison conversion = measureAgainst(
            fill(*text), [&] { toTraditional(surface, *codePage, *mapper); }, [] {},
            [&] { mapped = mapper->toTraditional(*text); });
        row(QStringLiteral("toTraditional, %1 characters").arg(size), conversion.ours,
            ratio(conversion.ratio, "the engine alone|1.2x"));
        row(QStringLiteral("OpenCC alone, %1 characters").arg(size), conversion.floor, QString());
    }

    // Building the spaced text cannot beat copying a text of its length.
    for (const QString *text : {&full, &million}) {
        const QString size = QLocale(QLocale::English).toString(text->size());
        const QString source = catalogueText(2 * text->size());
        QString copy;
        const Comparison spacing = measureAgainst(
            fill(*text), [&] { insertSpaces(surface); }, [&] { copy.clear(); },
            [&] { copy = QString(source.constData(), source.size()); });
        row(QStringLiteral("insertSpaces, %1 characters").arg(size), spacing.ours,
            ratio(spacing.ratio, "a deep copy of twice the length|3x"));
        row(QStringLiteral("deep copy of twice %1 characters").arg(size), spacing.floor, QString());
    }

    row(QStringLiteral("copySignature, 32,767 characters"),
        measure(fill(full), [&] { copySignature(surface, *clipboard); }), QString());

    std::unique_ptr<TraditionalMapper> fresh;
    const auto freshMapper = [&](const QString &text) {
        return [&, text] {
            surface.box = text;
            fresh = createTraditionalMapper();
        };
    };
    const Figures first =
        measure(freshMapper(p1), [&] { toTraditional(surface, *codePage, *fresh); });
    row(QStringLiteral("first toTraditional on a pair, converter creation included"), first,
        first.median <= 50 ? QStringLiteral("target at most 50 ms: met")
                           : QStringLiteral("target at most 50 ms: missed"));
    return 0;
}
