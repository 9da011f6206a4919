#include "QuestView.h"

#include "store/UiText.h"

#include "widgets/Colours.h"
#include "widgets/Controls.h"
#include "widgets/FieldTiles.h"

#include <QScrollBar>
#include <QSignalBlocker>

namespace korvane {

namespace {
constexpr int kPaneWidth = 520, kPaneHeight = 124, kHeight = 138;
} // namespace

// One function on purpose: each control at its place on the pane, read as the pane looks.
QuestView::QuestView(QWidget* parent) : QScrollArea(parent) {
    named(this, "ScrollBox1", QStringLiteral("クエストの詳細"));
    setFixedHeight(kHeight);
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff); // the pane is always as high as its fields
    auto* pane = new QWidget;
    pane->setMinimumSize(kPaneWidth, kPaneHeight);
    paint(pane, Colour::ViewPane, Colour::PaneText);
    setWidget(pane);
    setWidgetResizable(true);

    addFieldTiles(pane);
    Label1 = placed(named(textLabel(QString(), pane), "Label1"), 34, 5, 138, 16);
    Label2 = placed(named(textLabel(QString(), pane), "Label2"), 34, 24, 138, 16);
    Label3 = placed(named(textLabel(QString(), pane), "Label3"), 52, 48, 404, 16);
    // The condition and the place end where 調べる and 見送り begin: the pane is 444 pixels wide in
    // the window's restored size, and those two must be seen there without scrolling.
    Label5 = placed(named(textLabel(QString(), pane), "Label5"), 36, 67, 342, 16);
    Label4 = placed(named(textLabel(QString(), pane), "Label4"), 36, 88, 342, 16);
    placed(titleTile(QStringLiteral("記録"), pane), 4, 107);
    Label24 = placed(named(textLabel(QString(), pane), "Label24"), 36, 108, 476, 16);
    Label24->setToolTip(
        QStringLiteral("記録（クエスト履歴.csv）にある、このクエストをオファー・コンプリートした日時"));
    Label14 = placed(named(textLabel(QString(), pane), "Label14"), 462, 6, 56, 18);
    setPixelFont(Label3, 12, true);
    paint(Label3, std::nullopt, Colour::QuestName);
    setPixelFont(Label5, 12, false, true);
    setPixelFont(Label4, 12, false, true);
    setPixelFont(Label14, 14, true);

    const auto boxes = addFlagBoxes(pane, {"CheckBox1", "CheckBox2", "CheckBox3"});
    CheckBox1 = boxes[0];
    CheckBox2 = boxes[1];
    CheckBox3 = boxes[2];

    Button8 =
        placed(named(new QPushButton(QStringLiteral("クエストの修正"), pane), "Button8"), 279, 4, 96, 24);
    Button3 = placed(named(new QPushButton(QStringLiteral("クエスト削除"), pane), "Button3"), 378, 4, 80, 24);
    Button2 = placed(named(new QPushButton(QStringLiteral("メモの修正"), pane), "Button2"), 279, 30, 96, 24);
    Button2->hide();
    Button2->setToolTip(QStringLiteral("メモを保存します（Ctrl+S）"));
    Button17 = placed(named(new QPushButton(QStringLiteral("調べる"), pane), "Button17"), 382, 65, 58, 21);
    Button17->setToolTip(QStringLiteral(
        "アドレス一覧の {name} か {no} を含む最初のアドレスで、このクエストを Web で調べます"));
    Button25 = placed(named(new QPushButton(QStringLiteral("見送り"), pane), "Button25"), 382, 86, 58, 21);
    Button25->setCheckable(true); // down while the quest is set aside
    showSetAside({});
    Label23 = placed(named(textLabel(QString(), pane), "Label23"), 380, 29, 300,
                     15); // right of メモの修正, above the name
    Label23->setToolTip(
        QStringLiteral("ほかのキャラクターの進み具合: ◎ コンプリート　○ オファー　・ まだ　－ クエストなし"));

    for (const QuestField flag : kFlagFields)
        connect(box(flag), &FlagBox::changedByPlayer, this, [this, flag](bool byMouse) {
            if (byMouse)
                emit flagClicked(flag);
            else
                emit flagToggled(flag);
        });
    connect(Button2, &QPushButton::clicked, this, &QuestView::memoSaveAsked);
    connect(Button8, &QPushButton::clicked, this, &QuestView::modifyAsked);
    connect(Button3, &QPushButton::clicked, this, &QuestView::deleteAsked);
    connect(Button17, &QPushButton::clicked, this, &QuestView::lookUpAsked);
    // Toggled, not clicked: a screen reader's Toggle moves the button without a click. The
    // program's own changes come with the signals blocked.
    connect(Button25, &QPushButton::toggled, this, &QuestView::setAsideAsked);
}

void QuestView::showSetAside(const QString& since) {
    const QSignalBlocker shown(Button25);
    Button25->setChecked(!since.isEmpty());
    Button25->setToolTip(
        since.isEmpty() ? QStringLiteral("このクエストを見送りにします。一覧と数から外れます（Ctrl+M）")
                        : QStringLiteral("%1 から見送りにしています。押すと解除します（Ctrl+M）").arg(since));
}

// Narrower than its fields (a small screen, or 150 % on a laptop), the pane scrolls sideways, and
// grows by the scroll bar so that its last row, 記録, stays whole.
void QuestView::resizeEvent(QResizeEvent* event) {
    QScrollArea::resizeEvent(event);
    setFixedHeight(kHeight + (width() < kPaneWidth ? horizontalScrollBar()->sizeHint().height() : 0));
}

FlagBox* QuestView::box(QuestField flag) const {
    return flag == kOffered ? CheckBox1 : flag == kCompleted ? CheckBox2 : CheckBox3;
}

bool QuestView::ticked(QuestField flag) const {
    return box(flag)->isChecked();
}

void QuestView::showQuest(const std::optional<Quest>& quest) {
    const Quest shown = quest.value_or(Quest{});
    Label14->setText(toUi(shown.number));
    for (const auto& [label, field] : {std::pair{Label1, kNation},
                                       {Label2, kArea},
                                       {Label3, kName},
                                       {Label4, kPlace},
                                       {Label5, kCondition}})
        label->setText(toUi(shown.text(field)));
    showFlags(shown);
    emit questShown(quest);
}

void QuestView::showFlags(const Quest& quest) {
    for (const QuestField flag : kFlagFields)
        box(flag)->showTicked(quest.flag(flag));
}

} // namespace korvane
