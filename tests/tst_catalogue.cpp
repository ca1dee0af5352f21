// SPDX-License-Identifier: MIT
#include "commands/GetSignature.h"
#include "FakeSurface.h"

#include <QCryptographicHash>
#include <QTest>

#include <limits>

namespace {

const QString siteBase = QStringLiteral("http://site.test");

// The box text of each position, 1 to 55, by the first eight hex digits of
// the SHA-256 of its UTF-8: the pairs, their repeats in place, the closing
// notice with the site above.
const char positionDigests[55][9]{
    "1782d9fb", "2f181a9a", "54764c42", "7fe7f6d7", "b8fa06f6", "8dd119cc", "91ae8955", "6cf406b6",
    "fac29829", "edfd4383", "35c3e740", "b0d1e11f", "80afce05", "8dd7941f", "13ec46ab", "8889dcd5",
    "accbd49c", "17cb1aa4", "09da3d99", "9c568afa", "6f274330", "35c3e740", "35e6bd29", "9ef48e31",
    "eb54029a", "6138320c", "aad51204", "1782d9fb", "2f181a9a", "54764c42", "7fe7f6d7", "b8fa06f6",
    "8dd119cc", "91ae8955", "6cf406b6", "fac29829", "edfd4383", "aad51204", "b0d1e11f", "80afce05",
    "8dd7941f", "13ec46ab", "8889dcd5", "accbd49c", "17cb1aa4", "09da3d99", "9c568afa", "6f274330",
    "35c3e740", "35e6bd29", "9ef48e31", "eb54029a", "6138320c", "aad51204", "34ed09db"};

} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    // Each click shows the next position and clears the status line; clicks
    // past the notice leave it in the box.
    void clickShowsPosition_data()
    {
        QTest::addColumn<int>("click");
        QTest::addColumn<QByteArray>("digest");
        for (int click = 1; click <= 55; ++click)
            QTest::addRow("position %d", click) << click << QByteArray(positionDigests[click - 1]);
        QTest::addRow("click 200") << 200 << QByteArray(positionDigests[54]);
    }
    void clickShowsPosition()
    {
        QFETCH(int, click);
        QFETCH(QByteArray, digest);
        FakeSurface surface;
        qint32 pairCount = 0;
        for (int i = 0; i < click; ++i) {
            surface.status = QStringLiteral("left by a tool");
            getSignature(surface, pairCount, siteBase);
        }
        const QByteArray shown =
            QCryptographicHash::hash(surface.box.toUtf8(), QCryptographicHash::Sha256).toHex();
        QVERIFY2(shown.startsWith(digest), qPrintable(QStringLiteral("shows %1").arg(surface.box)));
        QVERIFY(surface.status.isEmpty());
        QCOMPARE(surface.boxWrites, std::min(click, 55));
    }

    void countStopsAtItsMaximum()
    {
        FakeSurface surface;
        surface.box = QStringLiteral("kept");
        qint32 pairCount = std::numeric_limits<qint32>::max() - 1;
        for (int i = 0; i < 3; ++i)
            getSignature(surface, pairCount, siteBase);
        QCOMPARE(pairCount, std::numeric_limits<qint32>::max());
        QCOMPARE(surface.box, QStringLiteral("kept"));
    }
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
