#include "tools/ToTraditional.h"

void toTraditional(SignatureSurface &, const CodePage936 &, TraditionalMapper &) {}
