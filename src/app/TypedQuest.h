#pragma once
// A quest as the player typed it in the edit pane and the text views, encoded as it is stored:
// refused, before anything is written, when code page 932 cannot hold a character or a text is
// too long.

#include "browser/TextPanes.h"
#include "editing/EditPane.h"
#include "editing/QuestEdits.h"

namespace korvane {

// The pane's fields under number, its progress boxes as they are ticked.
QuestRecord composeRecord(const EditPaneControls& pane, const std::string& number);

// The three texts of a new quest.
QuestTexts newQuestTexts(const TextPaneControls& texts);

// For a modification: a text the player did not touch since it was shown keeps its stored lines
// exactly as they are.
QuestTexts changedTexts(const TextPaneControls& texts);

// The pane's one-line fields as they read now, to tell later whether the player typed in them.
QStringList paneFields(const EditPaneControls& pane);

} // namespace korvane
