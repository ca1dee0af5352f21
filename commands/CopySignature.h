// SPDX-License-Identifier: MIT
#pragma once

class Clipboard;
class SignatureSurface;

// The "复制" command: the whole box text onto the clipboard, or a failure
// message when the clipboard cannot be taken.
void copySignature(SignatureSurface &surface, Clipboard &clipboard);
