#include "StatusBar.h"

#include "editing/EditHistory.h"
#include "store/Backups.h"
#include "widgets/Colours.h"
#include "widgets/Controls.h"

#include <QDir>
#include <QTime>

namespace korvane {
namespace {

QLabel* redLabel(const char* name, QWidget* parent) {
    QLabel* label = named(textLabel(QString(), parent), name);
    paint(label, std::nullopt, Colour::Warning);
    label->hide();
    return label;
}

} // namespace

StatusBar::StatusBar(QWidget* parent)
    : QStatusBar(parent), Label29(named(textLabel(QString(), this), "Label29")),
      Label18(named(textLabel(QString(), this), "Label18")),
      SpeedButton6(named(new QToolButton(this), "SpeedButton6")),
      Label19(named(textLabel(QString(), this), "Label19")), Label20(redLabel("Label20", this)),
      Label22(redLabel("Label22", this)),
      ComboBox6(named(new QComboBox(this), "ComboBox6", QStringLiteral("キャラクター"))),
      SpeedButton4(named(new QToolButton(this), "SpeedButton4", QStringLiteral("キャラクターの操作"))),
      Button14(named(new QPushButton(QStringLiteral("元に戻す"), this), "Button14")),
      Button15(named(new QPushButton(QStringLiteral("やり直し"), this), "Button15")),
      Button12(named(new QPushButton(QStringLiteral("進捗"), this), "Button12")),
      Button16(named(new QPushButton(QStringLiteral("記録"), this), "Button16")),
      Button13(named(new QPushButton(QStringLiteral("取り込み…"), this), "Button13")) {
    setObjectName(QStringLiteral("StatusBar1"));
    // Texts never make the window wider than the player left it: they are cut instead.
    for (QLabel* label : {Label18, Label19})
        label->setMinimumWidth(1);
    QFont bold = Label29->font();
    bold.setBold(true);
    Label29->setFont(bold);
    Label29->setToolTip(QStringLiteral("表示中のキャラクター"));
    addWidget(Label29);
    addWidget(Label18); // read as its text: the counts
    addWidget(SpeedButton6);
    SpeedButton6->setCheckable(true);
    SpeedButton6->setAutoRaise(true);
    SpeedButton6->hide();
    connect(SpeedButton6, &QToolButton::clicked, this, &StatusBar::setAsideShownAsked);
    connect(Button14, &QPushButton::clicked, this, &StatusBar::undoAsked);
    connect(Button15, &QPushButton::clicked, this, &StatusBar::redoAsked);
    connect(Button12, &QPushButton::clicked, this, &StatusBar::progressAsked);
    connect(Button16, &QPushButton::clicked, this, &StatusBar::journalAsked);
    connect(Button13, &QPushButton::clicked, this, &StatusBar::importAsked);
    addWidget(Label19, 1);
    addWidget(Label20);
    addWidget(Label22);
    addPermanentWidget(ComboBox6);
    addPermanentWidget(SpeedButton4);
    ComboBox6->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    SpeedButton4->setText(QStringLiteral("キャラクター"));
    addPermanentWidget(Button14);
    addPermanentWidget(Button15);
    addPermanentWidget(Button12);
    addPermanentWidget(Button16);
    addPermanentWidget(Button13);
    Button12->setToolTip(QStringLiteral("国と地域ごとの進み具合"));
    Button16->setToolTip(QStringLiteral("いつ、どのクエストで何をしたか（クエスト履歴.csv）"));
    Button13->setToolTip(
        QStringLiteral("別のフォルダのクエスト一覧を取り込みます（進み具合とメモは残ります）"));
}

void StatusBar::showSetAside(std::size_t count, bool shown, bool searching) {
    SpeedButton6->setText(QStringLiteral("見送り %1 件").arg(count));
    SpeedButton6->setChecked(shown);
    SpeedButton6->setToolTip(
        shown ? QStringLiteral("見送りにしたクエストも一覧に出しています。押すと隠します")
              : QStringLiteral("見送りにしたクエストを一覧から外しています。押すと出します"));
    SpeedButton6->setVisible(!searching && (count > 0 || shown)); // a search lists them anyway
}

void StatusBar::showCounts(const QString& text) {
    Label18->setText(text);
}

void StatusBar::forgetSaid() {
    Label19->clear();
}

void StatusBar::say(const QString& what) {
    Label19->setText(
        QStringLiteral("%1 (%2)").arg(what, QTime::currentTime().toString(QStringLiteral("HH:mm:ss"))));
}

void StatusBar::showCharacter(const QString& name) {
    Label29->setText(name);
}

void StatusBar::showBackupFailure() {
    const QString failure = lastBackupFailure();
    Label20->setText(failure);
    Label20->setVisible(!failure.isEmpty());
}

void StatusBar::showOtherPcs(const QStringList& names) {
    Label22->setText(
        names.isEmpty()
            ? QString()
            : QStringLiteral("別の PC「%1」でも開いています").arg(names.join(QStringLiteral("」「"))));
    Label22->setVisible(!names.isEmpty());
}

void StatusBar::showHistory(const EditHistory& history) {
    const auto tip = [](const QString& action, const EditHistory::Step* step, const QString& key) {
        return step ? QStringLiteral("%1: %2 (%3)").arg(action, step->name, key)
                    : QStringLiteral("%1 (%2)").arg(action, key);
    };
    Button14->setEnabled(history.canUndo());
    Button14->setToolTip(tip(QStringLiteral("元に戻す"), history.nextUndo(), QStringLiteral("Ctrl+Z")));
    Button15->setEnabled(history.canRedo());
    Button15->setToolTip(tip(QStringLiteral("やり直し"), history.nextRedo(), QStringLiteral("Ctrl+Y")));
}

} // namespace korvane
