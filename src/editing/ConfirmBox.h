#pragma once

#include <QString>

class QWidget;

namespace korvane {

// The modal confirmation before a destructive edit: caption "確認", a question icon, "はい(&Y)"
// as the default button and "いいえ(&N)", which Esc and closing the box also answer. True only
// for yes.
bool confirm(const QString& question, QWidget* parent);

} // namespace korvane
