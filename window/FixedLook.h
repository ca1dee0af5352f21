// SPDX-License-Identifier: MIT
#pragma once

class QPalette;
class QWidget;

// The window is one picture with controls laid over it, so its colours and
// metrics must not follow the desktop's colour scheme or widget style.
namespace FixedLook {

// Every colour role in every group, as Qt's own default palette has them:
// dark text on white, blue selections.
QPalette palette();

// Gives the window and every widget in it one style of the window's own,
// whatever style the application runs with. Call once the controls exist.
void giveOwnStyle(QWidget *window);

} // namespace FixedLook
