#pragma once

#include <QtGlobal>

constexpr qsizetype spacedBlockSize = 32;

struct SpacedBlocks
{
    qsizetype taken; // units of the text
    char16_t *end;   // past the last unit written
};

// Spaces `text` block by block while every unit of a block lies in one of
// the common runs of standalone units: writes each unit that is not a blank,
// followed by one blank, to `out`, and skips blanks. Stops before the first
// block with another unit or with less than a block left. It may scribble
// past `end`, but never past twice the units taken. Takes nothing on
// processors without the vector instructions it needs.
SpacedBlocks spaceCommonBlocks(const char16_t *text, qsizetype size, char16_t *out);
