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

    addFields(pane);
    placed(titleTile(QStringLiteral("記録"), pane), 4, 107);
    Label24 = placed(named(textLabel(QString(), pane), "Label24"), 36, 108, 476, 16);
    Label24->setToolTip(
        QStringLiteral("記録（クエスト履歴.csv）にある、このクエストをオファー・コンプリートした日時"));

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
        connect(boxes_[flag], &FlagBox::changedByPlayer, this,
                [this, flag](bool byMouse) { emit flagChanged(flag, byMouse); });
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

// Each field's value and box where the table of fields places it.
void QuestView::addFields(QWidget* pane) {
    addFieldTiles(pane);
    boxes_ = addFlagBoxes(pane, Pane::View);
    for (const FieldInfo& info : kQuestFields) {
        if (info.kind == FieldKind::Flag)
            continue;
        QLabel* value = values_[info.field] = placedAs(textLabel(QString(), pane), info.view);
        switch (info.look) {
        case FieldLook::Key:
            setPixelFont(value, 14, true);
            break;
        case FieldLook::Title:
            setPixelFont(value, 12, true);
            paint(value, std::nullopt, Colour::QuestName);
            break;
        case FieldLook::Note:
            setPixelFont(value, 12, false, true);
            break;
        case FieldLook::Plain:
            break;
        }
    }
}

bool QuestView::ticked(QuestField flag) const {
    return boxes_[flag]->isChecked();
}

void QuestView::showQuest(const std::optional<Quest>& quest) {
    const Quest shown = quest.value_or(Quest{});
    values_[kNumber]->setText(toUi(shown.number));
    for (const QuestField field : kTextFields)
        values_[field]->setText(toUi(shown.text(field)));
    showFlags(shown);
    emit questShown(quest);
}

void QuestView::showFlags(const Quest& quest) {
    for (const QuestField flag : kFlagFields)
        boxes_[flag]->showTicked(quest.flag(flag));
}

} // namespace korvane
