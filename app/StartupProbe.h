// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

// Benchmark builds time the window's first frame; other builds do nothing.
void watchFirstPaint(QWidget *window);
