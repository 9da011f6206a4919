#include "Colours.h"

#include <QPalette>
#include <QWidget>
#include <array>
#include <cmath>
#include <utility>

namespace korvane {
namespace {

struct Values {
    Colour colour;
    QRgb light, dark;
};

// The light values are the window's own since its first version; the dark ones keep each pane's
// hue at a low lightness, and each text light, so that every pair below reads.
constexpr Values kValues[] = {
    {Colour::Window, 0xF0F0F0, 0x2B2B2B},       {Colour::WindowText, 0x000000, 0xE6E6E6},
    {Colour::ViewPane, 0xFFFFAC, 0x3A3921},     {Colour::EditPane, 0xA0DEDE, 0x1E4040},
    {Colour::PaneText, 0x000000, 0xECECEC},     {Colour::QuestName, 0x0000FF, 0x9CC2FF},
    {Colour::ContentStrip, 0xC0FFC0, 0x2E4A2E}, {Colour::RewardStrip, 0x80FF80, 0x285A28},
    {Colour::MemoStrip, 0x00FF40, 0x146B2E},    {Colour::StripText, 0x000000, 0xECECEC},
    {Colour::Warning, 0xA00000, 0xFF8A80},      {Colour::WarningPane, 0xFFF4F4, 0x3A1F1F},
    {Colour::Renamed, 0xA04000, 0xFFB070},      {Colour::ChartTrack, 0xEEF1F4, 0x33383D},
    {Colour::ChartEdge, 0xB8C2CC, 0x5A6570},    {Colour::ChartBar, 0x3C9A5A, 0x4CB86E},
};

constexpr ColourPair kReadable[] = {
    {Colour::WindowText, Colour::Window},      {Colour::PaneText, Colour::ViewPane},
    {Colour::QuestName, Colour::ViewPane},     {Colour::PaneText, Colour::EditPane},
    {Colour::StripText, Colour::ContentStrip}, {Colour::StripText, Colour::RewardStrip},
    {Colour::StripText, Colour::MemoStrip},    {Colour::Warning, Colour::Window},
    {Colour::Warning, Colour::WarningPane},    {Colour::Renamed, Colour::Window},
};

Shade inUse = Shade::Light;

// Told when the shade changes; painted widgets listen, each for as long as it lives.
class ShadeNotice : public QObject {
    Q_OBJECT
signals:
    void changed();
};

ShadeNotice& shadeNotice() {
    static ShadeNotice notice;
    return notice;
}

void paintNow(QWidget* widget, std::optional<Colour> back, std::optional<Colour> text) {
    QPalette palette = widget->palette();
    if (back) {
        palette.setColor(QPalette::Window, colour(*back));
        widget->setAutoFillBackground(true);
    }
    if (text) {
        palette.setColor(QPalette::WindowText, colour(*text));
        palette.setColor(QPalette::Text, colour(*text));
    }
    widget->setPalette(palette);
}

double luminance(const QColor& c) {
    const auto channel = [](int value) {
        const double v = value / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

} // namespace

QColor colour(Colour which, Shade shade) {
    for (const Values& v : kValues)
        if (v.colour == which)
            return QColor::fromRgb(shade == Shade::Light ? v.light : v.dark);
    return {};
}

QColor colour(Colour which) {
    return colour(which, inUse);
}

Shade shadeInUse() {
    return inUse;
}

void useShade(Shade shade) {
    if (std::exchange(inUse, shade) != shade)
        emit shadeNotice().changed();
}

void paint(QWidget* widget, std::optional<Colour> back, std::optional<Colour> text) {
    paintNow(widget, back, text);
    QObject::connect(&shadeNotice(), &ShadeNotice::changed, widget,
                     [widget, back, text] { paintNow(widget, back, text); });
}

std::span<const ColourPair> readablePairs() {
    return kReadable;
}

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool paletteIsDark(const QPalette& palette) {
    return palette.color(QPalette::Window).lightness() < palette.color(QPalette::WindowText).lightness();
}

QString shadeChoiceName(ShadeChoice choice) {
    switch (choice) {
    case ShadeChoice::Light:
        return QStringLiteral("明るい");
    case ShadeChoice::Dark:
        return QStringLiteral("暗い");
    case ShadeChoice::Auto:
        break;
    }
    return QStringLiteral("自動");
}

std::optional<ShadeChoice> shadeChoiceNamed(const QString& name) {
    for (const ShadeChoice choice : {ShadeChoice::Auto, ShadeChoice::Light, ShadeChoice::Dark})
        if (shadeChoiceName(choice) == name.trimmed())
            return choice;
    return std::nullopt;
}

} // namespace korvane

#include "Colours.moc"
