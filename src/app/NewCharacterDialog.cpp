#include "NewCharacterDialog.h"

#include "widgets/Controls.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace korvane {

NewCharacterDialog::NewCharacterDialog(const QString& mainFolder, const QString& shownName, QWidget* parent)
    : QDialog(parent), name_(named(new QLineEdit(this), "CharacterName", QStringLiteral("名前"))),
      folder_(named(new QLineEdit(this), "CharacterFolder", QStringLiteral("フォルダ"))),
      fresh_(
          named(new QRadioButton(
                    QStringLiteral("クエスト・内容・報酬だけ（オファーとコンプリートは空、メモなし）"), this),
                "CharacterFresh")) {
    setObjectName(QStringLiteral("NewCharacterDialog"));
    setWindowTitle(QStringLiteral("新しいキャラクター"));
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("名前"), name_);
    auto* where = new QHBoxLayout;
    where->addWidget(folder_, 1);
    auto* browse = new QPushButton(QStringLiteral("参照…"), this);
    where->addWidget(browse);
    form->addRow(QStringLiteral("フォルダ"), where);
    auto* copy = named(
        new QRadioButton(QStringLiteral("いまのチェックリスト「%1」をそのままコピー").arg(shownName), this),
        "CharacterCopy");
    fresh_->setChecked(true);
    form->addRow(QStringLiteral("始め方"), fresh_);
    form->addRow(QString(), copy);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("作る"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("CharacterMake"));
    form->addRow(buttons);
    // The folder follows the name, in the main character's folder, until the player sets one.
    connect(name_, &QLineEdit::textChanged, this, [this, mainFolder](const QString& name) {
        if (!folderTyped_)
            folder_->setText(QDir::toNativeSeparators(characterFolder(mainFolder, name)));
    });
    connect(folder_, &QLineEdit::textEdited, this, [this] { folderTyped_ = true; });
    connect(browse, &QPushButton::clicked, this, [this] {
        const QString chosen = QFileDialog::getExistingDirectory(
            this, windowTitle(), folder(), QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
        if (!chosen.isEmpty()) {
            folderTyped_ = true;
            folder_->setText(QDir::toNativeSeparators(chosen));
        }
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(560, 0);
}

QString NewCharacterDialog::name() const {
    return name_->text().trimmed();
}

QString NewCharacterDialog::folder() const {
    return QDir::fromNativeSeparators(folder_->text().trimmed());
}

NewCharacter NewCharacterDialog::how() const {
    return fresh_->isChecked() ? NewCharacter::Fresh : NewCharacter::FullCopy;
}

} // namespace korvane
