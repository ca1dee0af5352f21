// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class SignatureSurface;

// The "获取情侣签名" command: raises pairCount and shows the catalogue
// position it names; past the closing notice it only clears the status line.
// The closing notice shows siteBase.
void getSignature(SignatureSurface &surface, qint32 &pairCount, const QString &siteBase);
