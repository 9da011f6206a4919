#pragma once

#include "widgets/Colours.h"

#include <QStringList>

class QApplication;

namespace korvane {

// The window font's families, in the order they are asked for: "ＭＳ Ｐゴシック" first; on Windows
// then the Japanese UI faces, each taking the glyphs the ones before it lack.
QStringList windowFontFamilies();

// The window font: "ＭＳ Ｐゴシック" 12 pixels high, asked for by that name with a metric-compatible
// Japanese face behind it, so that Japanese never shows as empty boxes.
// Also the program's icon, on every window, and the desktop entry it belongs to ("korvane"), so
// that the desktop groups its windows under the launcher.
// The shade of Korvane's colours as the player chose it (kept for this user), the desktop's as it
// is: see useShadeChoice.
void applyAppearance(QApplication& app);

// The player's choice of shade, kept in the user's settings folder ("自動" when none).
ShadeChoice keptShadeChoice();
// Keeps the choice and takes its shade into use at once: 自動 follows the desktop (its palette, or on
// Windows the system's "apps use dark theme"); a shade the desktop's palette does not have is given
// with Qt's Fusion style and a palette of Korvane's own colours, and the desktop's comes back with
// 自動 or the desktop's own shade.
void useShadeChoice(QApplication& app, ShadeChoice choice, bool keep = true);

} // namespace korvane
