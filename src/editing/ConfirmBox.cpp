#include "ConfirmBox.h"

#include <QMessageBox>
#include <QPushButton>
#include <memory>

namespace korvane {
namespace {

// The question names a quest as stored: text, never markup.
QMessageBox* questionBox(const QString& question, QWidget* parent) {
    auto* box = new QMessageBox(QMessageBox::Question, QStringLiteral("確認"), question,
                                QMessageBox::NoButton, parent);
    box->setObjectName(QStringLiteral("ConfirmBox"));
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose, false);
    return box;
}

} // namespace

bool confirm(const QString& question, QWidget* parent) {
    const std::unique_ptr<QMessageBox> box(questionBox(question, parent));
    QPushButton* yes = box->addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
    QPushButton* no = box->addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
    box->setDefaultButton(yes);
    box->setEscapeButton(no);
    box->exec();
    return box->clickedButton() == yes;
}

UnsavedAnswer askAboutUnsaved(const QString& question, QWidget* parent) {
    const std::unique_ptr<QMessageBox> box(questionBox(question, parent));
    QPushButton* save = box->addButton(QStringLiteral("保存"), QMessageBox::AcceptRole);
    QPushButton* discard = box->addButton(QStringLiteral("破棄"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box->addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
    box->setDefaultButton(save);
    box->setEscapeButton(cancel);
    box->exec();
    if (box->clickedButton() == save)
        return UnsavedAnswer::Save;
    return box->clickedButton() == discard ? UnsavedAnswer::Discard : UnsavedAnswer::Cancel;
}

} // namespace korvane
