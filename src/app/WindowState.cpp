#include "WindowState.h"

#include "web/ProfileFile.h"

#include <QStringList>

namespace korvane {
namespace {

constexpr std::string_view kSection = "Window";

template <class Values> std::string numbers(const Values& values) {
    std::string out;
    for (const int v : values) {
        if (!out.empty())
            out += ',';
        out += std::to_string(v);
    }
    return out;
}

QList<int> numbersOf(const std::optional<std::string>& text) {
    QList<int> out;
    if (!text)
        return out;
    for (const QString& part : QString::fromStdString(*text).split(QLatin1Char(','))) {
        bool ok = false;
        const int value = part.trimmed().toInt(&ok);
        if (!ok)
            return {};
        out << value;
    }
    return out;
}

} // namespace

std::optional<WindowState> readWindowState(const QString& settingsFile) {
    const std::string content = readProfileFile(settingsFile).value_or(std::string());
    const auto read = [&](std::string_view key) { return profileString(content, kSection, key); };
    const QList<int> geometry = numbersOf(read("geometry"));
    if (geometry.size() != 4)
        return std::nullopt;
    WindowState state;
    state.geometry = QRect(geometry[0], geometry[1], geometry[2], geometry[3]);
    state.maximized = read("maximized").value_or("1") != "0";
    const QList<int> columns = numbersOf(read("columns"));
    for (std::size_t c = 0; c < state.columnWidths.size() && c < static_cast<std::size_t>(columns.size());
         ++c)
        state.columnWidths[c] = std::max(0, columns[static_cast<qsizetype>(c)]);
    state.gridWidth = numbersOf(read("grid")).value(0);
    state.webHeight = numbersOf(read("web")).value(0);
    state.nation = read("nation").value_or("");
    state.area = read("area").value_or("");
    state.progress = numbersOf(read("progress")).value(0, 4);
    return state;
}

void writeWindowState(const QString& settingsFile, const WindowState& state) {
    const std::array<int, kQuestFieldCount>& w = state.columnWidths;
    writeProfileStrings(
        settingsFile, kSection,
        {{"geometry", numbers(std::initializer_list<int>{state.geometry.x(), state.geometry.y(),
                                                         state.geometry.width(), state.geometry.height()})},
         {"maximized", state.maximized ? "1" : "0"},
         {"columns", numbers(w)},
         {"grid", std::to_string(state.gridWidth)},
         {"web", std::to_string(state.webHeight)},
         {"nation", state.nation},
         {"area", state.area},
         {"progress", std::to_string(state.progress)}});
}

} // namespace korvane
