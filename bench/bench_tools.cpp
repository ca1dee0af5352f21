// Prints how long the three text tools take on a full 32,767-character box
// (spacing also on 1,000,000 characters, beside the deep copy of a text as
// long as its result), and the first "转繁体" click with the converter's
// creation, as median, min and max over repeated runs after a warm-up. Runs
// offscreen by default.

#include "app/Form1.h"
#include "catalogue/SignatureCatalogue.h"
#include "platform/QtClipboard.h"
#include "tools/CopySignature.h"
#include "tools/InsertSpaces.h"
#include "tools/ToTraditional.h"

#include <QAbstractButton>
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

// Catalogue text, position after position, cut to the given length.
QString catalogueText(qsizetype length)
{
    QString text;
    for (int position = 1; text.size() < length; position = position % 54 + 1)
        text += SignatureCatalogue::textAt(position) + QStringLiteral("\r\n");
    text.truncate(length);
    return text;
}

// Times `run` after `prepare`, which is not timed.
void measure(const char *name, const std::function<void()> &prepare,
             const std::function<void()> &run)
{
    QList<double> times;
    for (int i = 0; i < warmUps + runs; ++i) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        run();
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        if (i >= warmUps)
            times.append(ms);
    }
    std::sort(times.begin(), times.end());
    std::printf("%-46s median %9.4f ms  min %9.4f ms  max %9.4f ms\n", name, times[runs / 2],
                times.first(), times.last());
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    const QString full = catalogueText(32767);
    const QString p1 = SignatureCatalogue::textAt(1);
    std::printf("box: %lld UTF-16 units; %d warm-up runs, %d timed runs\n",
                static_cast<long long>(full.size()), warmUps, runs);

    PlainSurface surface;
    const auto fill = [&](const QString &text) {
        return [&surface, &text] { surface.box = text; };
    };
    const std::unique_ptr<CodePage936> codePage = createCodePage936();
    const std::unique_ptr<TraditionalMapper> mapper = createTraditionalMapper();
    QtClipboard clipboard;

    measure("toTraditional, 32,767 characters", fill(full),
            [&] { toTraditional(surface, *codePage, *mapper); });
    QString mapped;
    measure(
        "  of which the mapper alone", [] {}, [&] { mapped = mapper->toTraditional(full); });
    measure("insertSpaces, 32,767 characters", fill(full), [&] { insertSpaces(surface); });
    const QString million = catalogueText(1'000'000);
    measure("insertSpaces, 1,000,000 characters", fill(million), [&] { insertSpaces(surface); });
    // Building the spaced text cannot beat copying a text of its length.
    QString copy;
    for (const qsizetype length : {2 * full.size(), 2 * million.size()}) {
        const QString source = catalogueText(length);
        const QByteArray name =
            "deep copy, " + QLocale(QLocale::English).toString(length).toLatin1() + " characters";
        measure(
            name.constData(), [&] { copy.clear(); },
            [&] { copy = QString(source.constData(), source.size()); });
    }
    measure("copySignature, 32,767 characters", fill(full),
            [&] { copySignature(surface, clipboard); });

    std::unique_ptr<TraditionalMapper> fresh;
    const auto freshMapper = [&](const QString &text) {
        return [&, text] {
            surface.box = text;
            fresh = createTraditionalMapper();
        };
    };
    measure("first toTraditional (creation), P1", freshMapper(p1),
            [&] { toTraditional(surface, *codePage, *fresh); });
    measure("first toTraditional (creation), 32,767", freshMapper(full),
            [&] { toTraditional(surface, *codePage, *fresh); });

    // The same clicks on the real window, with the box redrawn.
    Form1 form(systemAdapters());
    form.show();
    for (const char *label : {"Label2", "Label3", "Label4"}) {
        auto *hotSpot = form.findChild<QAbstractButton *>(QString::fromLatin1(label));
        const QByteArray name = QByteArray("Form1 click on ") + label + ", 32,767 characters";
        measure(
            name.constData(), [&] { form.setBoxText(full); }, [&] { hotSpot->click(); });
    }
    return 0;
}
