// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

// Benchmark builds time the window's first frame; the web build tells the
// page of it; other builds do nothing.
void watchFirstPaint(QWidget *window);
