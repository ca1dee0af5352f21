// SPDX-License-Identifier: MIT
#include "commands/CopySignature.h"

#include "commands/SignatureSurface.h"
#include "platform/Clipboard.h"

void copySignature(SignatureSurface &surface, Clipboard &clipboard)
{
    // Another program may hold the clipboard: then no success may stand.
    if (!clipboard.clear() || !clipboard.setText(surface.boxText())) {
        surface.setStatusLine(QStringLiteral(u"复制失败，请重试"));
        return;
    }
    surface.setStatusLine(QStringLiteral(u"你已成功复制签名"));
}
