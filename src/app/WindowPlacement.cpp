#include "WindowPlacement.h"

namespace korvane {
namespace {

constexpr int kWebPaneHeight = 173;

} // namespace

WindowPlacement::WindowPlacement(QMainWindow* window, StringGrid* grid, QSplitter* gridAndDetail,
                                 QSplitter* mainAndWeb, QString settingsFile)
    : window_(window), grid_(grid), gridAndDetail_(gridAndDetail), mainAndWeb_(mainAndWeb),
      settingsFile_(std::move(settingsFile)) {
    QObject::connect(gridAndDetail_, &QSplitter::splitterMoved, window_, [this] { gridWidthChosen_ = true; });
}

const std::optional<WindowState>& WindowPlacement::restore() {
    remembered_ = readWindowState(settingsFile_);
    if (!remembered_)
        return remembered_;
    grid_->setUserWidths(remembered_->columnWidths);
    if (remembered_->gridWidth > 0) {
        gridAndDetail_->setSizes(
            {remembered_->gridWidth, std::max(window_->width() - remembered_->gridWidth, 1)});
        gridWidthChosen_ = true;
    }
    webHeight_ = remembered_->webHeight;
    return remembered_;
}

void WindowPlacement::show() {
    if (remembered_ && !remembered_->maximized) {
        window_->setGeometry(remembered_->geometry);
        window_->show();
    } else {
        if (remembered_)
            window_->setGeometry(remembered_->geometry); // where it goes when restored
        window_->showMaximized();
    }
}

void WindowPlacement::fitGrid() {
    if (gridWidthChosen_)
        return;
    const int total = gridAndDetail_->sizes().value(0) + gridAndDetail_->sizes().value(1);
    const int grid =
        std::clamp(grid_->wholeWidth(), grid_->minimumWidth(), std::max(grid_->minimumWidth(), total - 640));
    gridAndDetail_->setSizes({grid, std::max(total - grid, 1)});
}

void WindowPlacement::openWeb() {
    const int height = webHeight_ > 0 ? webHeight_ : kWebPaneHeight;
    const int total = mainAndWeb_->sizes().value(0) + mainAndWeb_->sizes().value(1);
    mainAndWeb_->setSizes({std::max(total - height, 1), height});
}

void WindowPlacement::closeWeb() {
    webHeight_ = mainAndWeb_->sizes().value(1);
}

void WindowPlacement::save(const ViewState& view) const {
    if (settingsFile_.isEmpty())
        return; // no home to keep settings in
    WindowState state;
    state.geometry = window_->normalGeometry().isValid() ? window_->normalGeometry() : window_->geometry();
    state.maximized = window_->isMaximized();
    state.columnWidths = grid_->userWidths();
    state.gridWidth = gridAndDetail_->sizes().value(0);
    state.webHeight = view.webOpen ? mainAndWeb_->sizes().value(1) : webHeight_;
    state.nation = view.filter.nation.value_or(std::string());
    state.area = view.filter.area.value_or(std::string());
    state.progress = static_cast<int>(view.search ? Progress::All : view.filter.progress);
    writeWindowState(settingsFile_, state);
}

} // namespace korvane
