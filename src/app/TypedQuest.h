#pragma once
// A quest's texts as the player typed them in the text views, encoded as they are stored:
// refused, before anything is written, when code page 932 cannot hold a character or a text is
// too long.

#include "browser/TextPanes.h"
#include "editing/QuestEdits.h"

namespace korvane {

// The three texts of a new quest.
QuestTexts newQuestTexts(const TextPanes& texts);

// For a modification: a text the player did not touch since it was shown keeps its stored lines
// exactly as they are.
QuestTexts changedTexts(const TextPanes& texts);

} // namespace korvane
