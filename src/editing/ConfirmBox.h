#pragma once

#include <QString>

class QWidget;

namespace korvane {

// The modal confirmation before a destructive edit: caption "確認", a question icon, "はい(&Y)"
// as the default button and "いいえ(&N)", which Esc and closing the box also answer. True only
// for yes.
bool confirm(const QString& question, QWidget* parent);

enum class UnsavedAnswer { Save, Discard, Cancel };

// The question before typed text that is not saved would be thrown away: "保存" (the default),
// "破棄", or "キャンセル", which Esc and closing the box also answer and which leaves everything as
// it is.
UnsavedAnswer askAboutUnsaved(const QString& question, QWidget* parent);

} // namespace korvane
