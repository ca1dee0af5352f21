#pragma once

class Clipboard;
class SignatureSurface;

// The "复制" command: the whole box text onto the clipboard.
void copySignature(SignatureSurface &surface, Clipboard &clipboard);
