#include "tools/InsertSpaces.h"

void insertSpaces(SignatureSurface &) {}
