#pragma once

class QApplication;

namespace korvane {

// The window font: "ＭＳ Ｐゴシック" 12 pixels high, asked for by that name with a metric-compatible
// Japanese face behind it, so that Japanese never shows as empty boxes.
void applyAppearance(QApplication& app);

} // namespace korvane
