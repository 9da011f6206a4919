#pragma once
// Typed text that is not saved, as the window's values tell it: the question asked before it would
// be thrown away, and the draft it is kept as when it cannot be asked about.

#include "browser/TextPanes.h"
#include "browser/ViewState.h"
#include "editing/Draft.h"
#include "editing/QuestEditor.h"

#include <optional>

namespace korvane {

// Another quest shown while the edit pane stays open throws away the editors' text only.
enum class Discards { Editors, Everything };

// Empty when nothing typed would be thrown away.
QString unsavedQuestion(const ViewState& view, const QuestEditor& editor, const TextPanes& texts,
                        Discards what);

// The player is busy: a handler of the window runs, a pane is open, or typing is not saved.
bool playerBusy(const ViewState& view, const QuestEditor& editor, const TextPanes& texts);

// Nothing when nothing is typed; in the view pane the memo, in the edit pane every box.
std::optional<Draft> typedDraft(const ViewState& view, const QString& folder, const QuestEditor& editor,
                                const TextPanes& texts);

} // namespace korvane
