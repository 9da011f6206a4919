#include "TForm1.h"

#include "FirstStart.h"
#include "Startup.h"

#include "ErrorBox.h"
#include "store/DataFiles.h"
#include "web/KeyDown.h"
#include "widgets/Controls.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QVBoxLayout>

namespace korvane {

// Silent unless asked for (QT_LOGGING_RULES="korvane.startup.info=true"): what a start loaded.
Q_LOGGING_CATEGORY(startupLog, "korvane.startup", QtWarningMsg)

TForm1::TForm1(DataPlace place, std::unique_ptr<FolderClaim> claim, QWidget* parent)
    : QMainWindow(parent), place_(std::move(place)),
      checklist_(std::make_unique<Checklist>(place_.dataFolder, std::move(claim))) {
    if (checklist_->claim())
        checklist_->rememberWritten(UserFolders::fromEnvironment());
    buildWindow();
    connectHandlers();
    bool created = false;
    runHandler([&] {
        FormCreate();
        created = true;
    });
    if (!created) {
        // The window opens with what loaded; its detail view shows that, never layout captions.
        runHandler([this] { showRow(view_.row); });
    }
    // The filter the last run left, unless it no longer fits the data (a nation or area no quest has
    // any more): then all quests.
    runHandler([this] {
        const std::optional<WindowState>& remembered = placement_->restore();
        const auto holds = [this](QuestField field, const std::string& value) {
            return std::any_of(view_.rows.begin(), view_.rows.end(), [&](std::size_t line) {
                return line != kNoLine && fieldOf(checklist_->QuestList().lines()[line], field) == value;
            });
        };
        if (remembered &&
            filters_->chooseRemembered(remembered->nation, remembered->area, remembered->progress, holds))
            RefillQuestGrid();
        filters_->markShown();
    });
    prompts_->watch(checklist_.get());
    Timer4 = new QTimer(this);
    Timer4->setObjectName(QStringLiteral("Timer4"));
    connect(Timer4, &QTimer::timeout, this, [this] {
        runHandler([this] {
            typingKept_.keep(UserFolders::fromEnvironment(),
                             typedDraft(view_, checklist_->folder(), *ScrollBox2, *texts_));
            checklist_->flushKnown();
            characters_->follow(); // a character made, renamed or taken off on another PC
        });
    });
    Timer4->start(kDraftEveryMs);
    runHandler([this] {
        characters_->showing(checklist_.get());
        Panel9->useUrlList(characters_->favourites());
    });
    // The other characters' tables are read once the window is on the screen, never before.
    QTimer::singleShot(0, this, [this] {
        runHandler([this] {
            ScrollBox1->showOthersProgress(characters_->othersProgress(view_.questOnShow));
            showQuestDates();
        });
    });
    StatusBar1->showHistory(checklist_->history());
    qCInfo(startupLog, "%zu quests from %s, quest %s on show", checklist_->QuestList().lines().size(),
           qUtf8Printable(place_.dataFolder), view_.questOnShow.c_str());
    clock_->start();
}

// Its data goes before its controls: a control that signals while it is taken down (an editable
// combo box reports its text when it loses the focus) must reach no handler by then.
TForm1::~TForm1() {
    for (QObject* child : findChildren<QObject*>())
        disconnect(child, nullptr, this, nullptr);
}

// One function on purpose: the window's parts, top to bottom as the screen has them, and the
// prompts that need them all; split, the order they must be made in would be hidden.
void TForm1::buildWindow() {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Korvane Ver" KORVANE_VERSION));
    resize(818, 589);

    auto* central = new QWidget(this);
    setCentralWidget(central);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    Panel1 = named(new QFrame(central), "Panel1");
    Panel1->setFixedHeight(99);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Button5 = placed(named(new QPushButton(QStringLiteral("New Quest"), Panel1), "Button5"), 258, 3, 74, 22);
    Button11 = placed(named(new QPushButton(QStringLiteral("Web表示"), Panel1), "Button11"), 334, 3, 62, 22);
    filters_ = placed(new FilterBar(Panel1), 258, 28, 332, 68);
    searches_ = placed(new SearchBar(Panel1), 590, 4, 222, 92);
    clock_ = new GameClock(Panel1);
    column->addWidget(Panel1);

    Splitter2 = named(new QSplitter(Qt::Vertical, central), "Splitter2");
    Splitter1 = named(new QSplitter(Qt::Horizontal, Splitter2), "Splitter1");
    Splitter1->setHandleWidth(7);
    Splitter1->setChildrenCollapsible(false);
    StringGrid1 = named(new StringGrid(Splitter1), "StringGrid1", QStringLiteral("クエスト一覧"));
    QStringList titles;
    for (std::size_t field = 0; field < kQuestFieldCount; ++field)
        titles << columnTitle(static_cast<QuestField>(field));
    StringGrid1->setTitles(titles);
    StringGrid1->setSource(&checklist_->QuestList().lines());
    StringGrid1->setSetAside(&checklist_->SetAside());
    StringGrid1->setMinimumWidth(367); // the given width is the least; the handle widens it

    Panel2 = named(new QWidget(Splitter1), "Panel2");
    // However wide a grid the user left, the detail view keeps the width it has in the window's
    // restored size (818 px): its lines stay readable.
    Panel2->setMinimumWidth(444);
    auto* detail = new QVBoxLayout(Panel2);
    detail->setContentsMargins(0, 0, 0, 0);
    detail->setSpacing(0);
    ScrollBox1 = new QuestView(Panel2);
    detail->addWidget(ScrollBox1);
    ScrollBox2 = new QuestEditor(Panel2);
    detail->addWidget(ScrollBox2);
    texts_ = new TextPanes(Panel2);
    detail->addWidget(texts_, 1);
    Splitter1->setStretchFactor(1, 1);
    Splitter1->setSizes({367, 444});

    Panel9 = new WebPane(
        files::inFolder(place_.dataFolder, files::kUrlList), place_.settingsFile,
        [this](const std::function<void()>& act) { guarded(act); }, Splitter2);
    Splitter2->setStretchFactor(0, 1);
    Splitter2->setChildrenCollapsible(false);
    column->addWidget(Splitter2, 1);
    placement_.emplace(this, StringGrid1, Splitter1, Splitter2, place_.settingsFile);

    StatusBar1 = new StatusBar(this);
    setStatusBar(StatusBar1);

    prompts_ = new FolderPrompts(this, StatusBar1, view_, *ScrollBox2, *texts_, this);
    connect(prompts_, &FolderPrompts::readAgainAsked, this, handler(&TForm1::reloadKeepingTyping));
    connect(prompts_, &FolderPrompts::filesChanged, this,
            [this] { guarded([this] { showAsFilesAre(view_.questOnShow); }); });
    characters_ = new CharacterPrompts(this, StatusBar1->characterList(), StatusBar1->characterMenu(), this);
    connect(characters_, &CharacterPrompts::showAsked, this, handler(&TForm1::showChecklist));
    connect(characters_, &CharacterPrompts::characterShown, StatusBar1, &StatusBar::showCharacter);
    connect(characters_, &CharacterPrompts::moveAsked, this,
            [this](const QString& main, const QString& to) { handler (&TForm1::moveChecklistTo)(main, to); });
    connect(characters_, &CharacterPrompts::favouritesChanged, this,
            [this](const QString& urlList) { runHandler([&] { Panel9->useUrlList(urlList); }); });
}

void TForm1::connectHandlers() {
    connect(StringGrid1, &StringGrid::SelectCell, this, handler(&TForm1::StringGrid1SelectCell));
    StringGrid1->setLeaveRowGuard([this] {
        bool mayLeave = false;
        guarded([&] { mayLeave = settleTyping(Discards::Editors); });
        return mayLeave;
    });
    // The grid takes the keys as the mouse passes over it, as the reward and the memo do.
    connect(StringGrid1, &StringGrid::MouseMove, StringGrid1, qOverload<>(&QWidget::setFocus));
    connect(filters_, &FilterBar::changed, this, handler(&TForm1::filterChanged));
    // Button1, Button6, Button10 and Enter in their boxes.
    connect(searches_, &SearchBar::searchAsked, this, [this](SearchIn in, const QString& text) {
        guarded([&] {
            if (settleTyping(Discards::Editors))
                runSearch(in, text);
        });
    });
    connect(ScrollBox1, &QuestView::flagChanged, this, handler(&TForm1::storeFlag));
    // The edit pane's boxes run the view pane's action, which reads the view pane's boxes.
    connect(ScrollBox2, &QuestEditor::flagClicked, this,
            [this](QuestField field) { handler (&TForm1::storeFlag)(field, true); });
    connect(texts_, &TextPanes::memoChanged, this, handler(&TForm1::Memo3Change));
    connect(ScrollBox1, &QuestView::memoSaveAsked, this, handler(&TForm1::Button2Click));
    connect(Button5, &QPushButton::clicked, this, handler(&TForm1::Button5Click));
    connect(ScrollBox2, &QuestEditor::addAsked, this, handler(&TForm1::Button4Click));
    connect(ScrollBox2, &QuestEditor::cancelAsked, this, handler(&TForm1::Button7Click));
    connect(ScrollBox1, &QuestView::modifyAsked, this, handler(&TForm1::Button8Click));
    connect(ScrollBox2, &QuestEditor::modifyAsked, this, [this] { handler (&TForm1::Button9Click)(true); });
    connect(ScrollBox1, &QuestView::deleteAsked, this, handler(&TForm1::Button3Click));
    connect(Button11, &QPushButton::clicked, this, handler(&TForm1::Button11Click));
    connect(Panel9, &WebPane::said, StatusBar1, &StatusBar::say);
    connect(StatusBar1, &StatusBar::progressAsked, this, handler(&TForm1::Button12Click));
    connect(StatusBar1, &StatusBar::importAsked, this, handler(&TForm1::Button13Click));
    connect(StatusBar1, &StatusBar::journalAsked, this, handler(&TForm1::Button16Click));
    // 調べる: the web pane opened first.
    connect(ScrollBox1, &QuestView::lookUpAsked, this, [this] {
        guarded([this] {
            if (!view_.webOpen)
                Button11Click();
            Panel9->lookUp();
        });
    });
    connect(ScrollBox1, &QuestView::questShown, Panel9, &WebPane::showQuest);
    connect(ScrollBox1, &QuestView::setAsideAsked, this, handler(&TForm1::Button25Click));
    connect(StatusBar1, &StatusBar::setAsideShownAsked, this, handler(&TForm1::SpeedButton6Click));
    connect(StatusBar1, &StatusBar::undoAsked, this, [this] { handler (&TForm1::stepThroughHistory)(true); });
    connect(StatusBar1, &StatusBar::redoAsked, this,
            [this] { handler (&TForm1::stepThroughHistory)(false); });
    setUpKeys();
}

void TForm1::FormCreate() {
    const QStringList missing = loadChecklist();
    showRow(1);
    filters_->markShown();
    // A file that is not there starts empty; the first edit that needs it creates it.
    if (!missing.isEmpty())
        throw errors::missing(missing);
}

void TForm1::FormShow() {
    StringGrid1->setFocus();
}

// Nothing of the data is written at close: every edit has written its files already. The other
// PCs learn that this one no longer has the folder.
void TForm1::FormClose() {
    runHandler([this] { checklist_->close(UserFolders::fromEnvironment()); });
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Conflict copies left while Korvane was closed are offered once the window shows.
    if (!event->spontaneous()) {
        prompts_->lookSoon(0);
        // A draft the last run kept, offered once the window shows what it belongs to.
        QTimer::singleShot(0, this, [this] {
            guarded([this] {
                if (const auto draft = takeDraft(UserFolders::fromEnvironment(), checklist_->folder()))
                    putBackTyping(*draft);
            });
        });
    }
    if (std::exchange(place_.firstStart, false))
        QTimer::singleShot(0, this, [this, besideProgram = !place_.userFolder] {
            guarded([&] {
                const QString left = checklist_->folder();
                const QString synced = askHowToBegin(this);
                if (synced.isEmpty())
                    return;
                showChecklist(synced);
                if (checklist_->folder() != left && besideProgram)
                    rememberLeftAtFirstStart(left);
            });
        });
    placement_->fitGrid();
    FormShow();
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    placement_->fitGrid();
}

// Coming back to the window, the player sees the files as they are: looked at once the activation
// has settled (a file watch can miss a change on some file systems).
void TForm1::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && prompts_)
        prompts_->lookSoon(0);
}

void TForm1::closeEvent(QCloseEvent* event) {
    // Typing cannot be saved into a folder that is gone: the player chose to close all the same.
    bool closing = prompts_->closingOnVanishedFolder() || endingQuietly_;
    if (!closing)
        guarded([&] { closing = settleTyping(Discards::Everything); });
    if (!closing) {
        event->ignore();
        return;
    }
    // Typing the player saved or let go at close is no draft; what a vanished folder could not take stays
    // one.
    if (!prompts_->closingOnVanishedFolder() && !endingQuietly_)
        typingKept_.drop(UserFolders::fromEnvironment());
    runHandler(
        [this] { placement_->save(view_); }); // settings only: the data files are never written at close
    FormClose();
    QMainWindow::closeEvent(event);
}

} // namespace korvane
