// SPDX-License-Identifier: MIT
#include "assets/generator/HandCursorArt.h"

#include "layout/ArtworkTable.h"

#include <QFile>

#include <array>
#include <cstdio>

namespace {

// A pointing hand, the index finger's tip at the hot spot.
// 'X' black, '.' white, ' ' transparent.
constexpr std::array<const char *, 32> drawing{{
    "      XX                        ", "     X..X                       ",
    "     X..X                       ", "     X..X                       ",
    "     X..X                       ", "     X..XXX                     ",
    "     X..X..XXX                  ", "     X..X..X..XX                ",
    "     X..X..X..X.X               ", " XX  X..X..X..X..X              ",
    "X..X X..X..X..X..X              ", "X...XX...........X              ",
    " X..X............X              ", " X...............X              ",
    "  X..............X              ", "  X..............X              ",
    "   X............X               ", "   X............X               ",
    "    X..........X                ", "    X..........X                ",
    "    X..........X                ", "    XXXXXXXXXXXX                ",
    "                                ", "                                ",
    "                                ", "                                ",
    "                                ", "                                ",
    "                                ", "                                ",
    "                                ", "                                ",
}};

// One bit a pixel, least significant bit first, rows of whole bytes.
QByteArray bits(char wanted1, char wanted2)
{
    const QSize size = ArtworkTable::cursorSize;
    QByteArray result(size.width() / 8 * size.height(), '\0');
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const char pixel = drawing[std::size_t(y)][x];
            if (pixel == wanted1 || pixel == wanted2) {
                const int at = y * size.width() / 8 + x / 8;
                result[at] = char(result[at] | (1 << (x % 8)));
            }
        }
    }
    return result;
}

QByteArray arrayText(const char *name, const QByteArray &data)
{
    QByteArray text = "inline constexpr std::array<unsigned char, " +
                      QByteArray::number(data.size()) + "> " + name + "{{\n";
    for (qsizetype i = 0; i < data.size(); ++i) {
        text += i % 16 == 0 ? "    " : " ";
        text += "0x" + QByteArray::number(quint8(data[i]), 16).rightJustified(2, '0') + ",";
        if (i % 16 == 15)
            text += "\n";
    }
    return text + "}};\n";
}

} // namespace

bool writeHandCursorHeader(const QString &path)
{
    QByteArray text =
        "// SPDX-License-Identifier: MIT\n"
        "// Written by velmora_artwork from its drawing of the hand cursor.\n"
        "#pragma once\n\n"
        "#include <array>\n\n"
        "// 32 x 32 pixels: four bytes a row, four rows a line, least significant bit first.\n"
        "namespace HandCursorBitmap {\n\n"
        "// Set where the pixel is black.\n";
    text += arrayText("black", bits('X', 'X'));
    text += "\n// Set where the pixel is drawn, black or white.\n";
    text += arrayText("drawn", bits('X', '.'));
    text += "\n} // namespace HandCursorBitmap\n";

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}
