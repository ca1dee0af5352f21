#pragma once

class SignatureSurface;

// The "加空格" command: one blank between every two characters of the box.
void insertSpaces(SignatureSurface &surface);
