// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>

class CodePage936;
class SignatureSurface;
class TraditionalMapper;

// The text with its simplified Chinese characters in traditional form, the
// way the command converts the box: through code page 936 and back.
// Characters code page 936 cannot hold come back unchanged, and every
// character keeps its place. Nothing when the mapping cannot be made.
std::optional<QString> traditionalText(const QString &source, const CodePage936 &codePage,
                                       TraditionalMapper &mapper);

// The "转繁体" command: the box text in traditional characters, or a failure
// message and the box untouched when the dictionaries are missing.
void toTraditional(SignatureSurface &surface, const CodePage936 &codePage,
                   TraditionalMapper &mapper);
