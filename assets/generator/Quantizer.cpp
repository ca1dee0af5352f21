// SPDX-License-Identifier: MIT
#include "assets/generator/Quantizer.h"

#include <QHash>
#include <QList>

#include <limits>

namespace {

struct Cluster
{
    double red = 0;
    double green = 0;
    double blue = 0;
    double weight = 0;
    QList<QRgb> members;
};

// The growth in squared error if the two clusters were merged (Ward).
double mergeCost(const Cluster &a, const Cluster &b)
{
    const double dr = a.red - b.red;
    const double dg = a.green - b.green;
    const double db = a.blue - b.blue;
    return a.weight * b.weight / (a.weight + b.weight) * (dr * dr + dg * dg + db * db);
}

void merge(Cluster &into, const Cluster &from)
{
    const double total = into.weight + from.weight;
    into.red = (into.red * into.weight + from.red * from.weight) / total;
    into.green = (into.green * into.weight + from.green * from.weight) / total;
    into.blue = (into.blue * into.weight + from.blue * from.weight) / total;
    into.weight = total;
    into.members += from.members;
}

QList<Cluster> clusters(const QImage &image, bool (*included)(QRgb))
{
    QHash<QRgb, qsizetype> index;
    QList<Cluster> result;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (!included(pixel))
                continue;
            const QRgb colour = pixel | 0xFF000000;
            auto found = index.constFind(colour);
            if (found == index.cend()) {
                found = index.insert(colour, result.size());
                result.append({double(qRed(colour)),
                               double(qGreen(colour)),
                               double(qBlue(colour)),
                               0,
                               {colour}});
            }
            result[*found].weight += 1;
        }
    }
    return result;
}

} // namespace

QImage toIndexed8(const QImage &image, bool (*included)(QRgb))
{
    QList<Cluster> palette = clusters(image, included);
    while (palette.size() > 256) {
        double best = std::numeric_limits<double>::max();
        qsizetype bestA = 0;
        qsizetype bestB = 1;
        for (qsizetype a = 0; a < palette.size(); ++a) {
            for (qsizetype b = a + 1; b < palette.size(); ++b) {
                const double cost = mergeCost(palette[a], palette[b]);
                if (cost < best) {
                    best = cost;
                    bestA = a;
                    bestB = b;
                }
            }
        }
        merge(palette[bestA], palette[bestB]);
        palette.removeAt(bestB);
    }

    QList<QRgb> colours(256, qRgb(0, 0, 0));
    QHash<QRgb, int> indexOf;
    for (qsizetype i = 0; i < palette.size(); ++i) {
        const Cluster &cluster = palette[i];
        colours[i] = qRgb(qRound(cluster.red), qRound(cluster.green), qRound(cluster.blue));
        for (QRgb member : cluster.members)
            indexOf.insert(member, int(i));
    }
    QImage result(image.size(), QImage::Format_Indexed8);
    result.setColorTable(colours);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            result.setPixel(x, y, included(pixel) ? indexOf.value(pixel | 0xFF000000) : 0);
        }
    }
    return result;
}
