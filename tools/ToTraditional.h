#pragma once

class CodePage936;
class SignatureSurface;
class TraditionalMapper;

// The "转繁体" command: the box text in traditional characters.
void toTraditional(SignatureSurface &surface, const CodePage936 &codePage,
                   TraditionalMapper &mapper);
