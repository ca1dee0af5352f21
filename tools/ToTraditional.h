#pragma once

#include <QString>

class CodePage936;
class SignatureSurface;
class TraditionalMapper;

// The text with its simplified Chinese characters in traditional form, the
// way the command converts the box: through code page 936 and back.
// Characters code page 936 cannot hold come back unchanged, and every
// character keeps its place.
QString traditionalText(const QString &source, const CodePage936 &codePage,
                        TraditionalMapper &mapper);

// The "转繁体" command: the box text in traditional characters.
void toTraditional(SignatureSurface &surface, const CodePage936 &codePage,
                   TraditionalMapper &mapper);
