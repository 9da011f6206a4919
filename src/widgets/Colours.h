#pragma once
// Korvane's own colours (the panes, the title strips of the texts, the warnings, the chart), each
// with its value on a light desktop (the colours the window has always had, exactly) and on a dark
// one. One shade is in use at a time; a widget painted with paint() follows when it changes.

#include <QColor>
#include <QObject>
#include <QString>
#include <optional>
#include <span>

class QPalette;
class QWidget;

namespace korvane {

enum class Shade { Light, Dark };
enum class ShadeChoice { Auto, Light, Dark }; // the player's setting: 自動, 明るい, 暗い

enum class Colour {
    Window,     // the window's own background where Korvane gives the palette
    WindowText, // ... and its text
    ViewPane,
    EditPane,
    PaneText, // text on the two panes
    QuestName,
    ContentStrip,
    RewardStrip,
    MemoStrip,
    StripText,
    Warning, // red text on the window
    WarningPane,
    Renamed, // a quest an import renames
    ChartTrack,
    ChartEdge,
    ChartBar,
};

QColor colour(Colour colour, Shade shade);
QColor colour(Colour colour); // in the shade in use

Shade shadeInUse();
// Takes the shade into use; every widget painted with paint() is painted again.
void useShade(Shade shade);

// Paints widget's background (and its text, when given) in Korvane's colours, now and whenever the
// shade changes.
void paint(QWidget* widget, std::optional<Colour> back, std::optional<Colour> text = std::nullopt);

// Text on background that must read, in both shades: WCAG AA, 4.5:1 at least.
struct ColourPair {
    Colour text, back;
};
std::span<const ColourPair> readablePairs();
double contrastRatio(const QColor& a, const QColor& b);

// A desktop is dark when its window is darker than its text.
bool paletteIsDark(const QPalette& palette);

QString shadeChoiceName(ShadeChoice choice);
std::optional<ShadeChoice> shadeChoiceNamed(const QString& name);

} // namespace korvane
