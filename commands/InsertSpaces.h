// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringView>

class SignatureSurface;

// The text's characters other than blanks (U+0020), in order, with one blank
// between each two and none at either end. A character is what the reader
// sees as one (a grapheme cluster), except that CR and LF stay two.
QString spacedText(QStringView text);

// The "加空格" command: one blank between every two characters of the box.
void insertSpaces(SignatureSurface &surface);
