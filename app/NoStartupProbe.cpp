// SPDX-License-Identifier: MIT
#include "app/StartupProbe.h"

void watchFirstPaint(QWidget *) {}
