#pragma once

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
void applyAppearance(QApplication& app);

} // namespace korvane
