#include "CharacterPrompts.h"

#include "ErrorBox.h"
#include "NewCharacterDialog.h"
#include "StatusBar.h"
#include "editing/ChecklistMove.h"
#include "editing/ConfirmBox.h"
#include "store/DataFiles.h"
#include "store/Errors.h"
#include "sync/Presence.h"

#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>

namespace korvane {
namespace {

QString normal(const QString& folder) {
    return sameFolder(folder);
}

} // namespace

CharacterPrompts::CharacterPrompts(QWidget* window, QComboBox* names, QToolButton* actions, QObject* parent)
    : QObject(parent), window_(window), names_(names) {
    // A menu of its own name, which assistive technology reads as the button's menu.
    auto* menu = new QMenu(QStringLiteral("キャラクター"), actions);
    menu->setObjectName(QStringLiteral("CharacterMenu"));
    menu->setAccessibleName(QStringLiteral("キャラクター"));
    const auto item = [&](const char* objectName, const QString& text, void (CharacterPrompts::*act)()) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QString::fromLatin1(objectName));
        connect(action, &QAction::triggered, this, [this, act] { runHandler([&] { (this->*act)(); }); });
    };
    item("NewCharacter", QStringLiteral("新しいキャラクター…"), &CharacterPrompts::newCharacter);
    item("AddCharacterFolder", QStringLiteral("フォルダを一覧に加える…"), &CharacterPrompts::addFolder);
    item("RenameCharacter", QStringLiteral("名前を変える…"), &CharacterPrompts::rename);
    item("TakeCharacterOff", QStringLiteral("一覧から外す（ファイルは残ります）"),
         &CharacterPrompts::takeOff);
    item("MoveCharacterIn", QStringLiteral("メインのフォルダに移す…"), &CharacterPrompts::moveIn);
    ownFavourites_ = menu->addAction(QStringLiteral("このキャラクターだけのお気に入りを使う"));
    ownFavourites_->setObjectName(QStringLiteral("OwnFavourites"));
    ownFavourites_->setCheckable(true);
    connect(ownFavourites_, &QAction::triggered, this,
            [this](bool own) { runHandler([&] { ownFavourites(own); }); });
    menu->addSeparator();
    item("MoveChecklist", QStringLiteral("チェックリストを別のフォルダに移す…"), &CharacterPrompts::moveAll);
    actions->setMenu(menu);
    actions->setPopupMode(QToolButton::InstantPopup);
    connect(names_, &QComboBox::activated, this, [this](int index) { runHandler([&] { chosen(index); }); });
}

// The list as this PC keeps it, with every character the main folder holds.
PlayerChecklists CharacterPrompts::readList() const {
    PlayerChecklists list = PlayerChecklists::read(UserFolders::fromEnvironment());
    const QString current = normal(shown_->folder());
    if (list.entries.empty())
        list.opened(current); // the first one opened, or the main one of a character opened first
    list.findCharacters();
    if (!list.find(current))
        list.opened(current); // shown all the same, as the settings will have it
    return list;
}

void CharacterPrompts::follow() {
    if (readList().entries != list_.entries)
        refresh();
}

void CharacterPrompts::refresh() {
    list_ = readList();
    const QString current = normal(shown_->folder());
    std::vector<ChecklistEntry> others;
    const QSignalBlocker quiet(names_);
    names_->clear();
    for (const ChecklistEntry& entry : list_.entries) {
        names_->addItem(entry.name, entry.folder);
        names_->setItemData(names_->count() - 1, QDir::toNativeSeparators(entry.folder), Qt::ToolTipRole);
        if (normal(entry.folder) == current)
            names_->setCurrentIndex(names_->count() - 1);
        else
            others.push_back(entry);
    }
    names_->setToolTip(QDir::toNativeSeparators(current));
    emit characterShown(names_->currentText());
    const std::optional<CharacterName> kept = keptCharacterName(current);
    ownFavourites_->setEnabled(isCharacterIn(mainFolder(), current));
    ownFavourites_->setChecked(ownFavourites_->isEnabled() && kept && kept->ownFavourites);
    others_.setCharacters(std::move(others));
    if (list_.skipped > 0)
        if (auto* window = qobject_cast<QMainWindow*>(window_);
            auto* status = window ? dynamic_cast<StatusBar*>(window->statusBar()) : nullptr)
            status->say(QStringLiteral("キャラクターの一覧（%1）の %2 項目は読めないため、飛ばしました")
                            .arg(QDir::toNativeSeparators(UserFolders::fromEnvironment().checklistsFile()))
                            .arg(list_.skipped));
}

void CharacterPrompts::showing(Checklist* checklist) {
    shown_ = checklist;
    refresh();
}

bool CharacterPrompts::show(const QString& folder) {
    emit showAsked(folder);
    return normal(shown_->folder()) == normal(folder);
}

void CharacterPrompts::chosen(int index) {
    const QString folder = names_->itemData(index).toString();
    if (!QFileInfo(folder).isDir()) {
        refresh(); // the drop-down shows the checklist that stays on show
        return folderGone(folder);
    }
    if (normal(folder) != normal(shown_->folder()) && !show(folder))
        return refresh(); // the drop-down shows the checklist that stayed
    refresh();
}

void CharacterPrompts::step(int by) {
    const int count = names_->count();
    if (count > 1)
        chosen(((names_->currentIndex() + by) % count + count) % count);
}

QString CharacterPrompts::othersProgress(std::string_view number) {
    if (number.empty())
        return {};
    QStringList parts;
    for (const OtherCharacters::Progress& other : others_.progressOf(number))
        parts << QStringLiteral("%1: %2").arg(other.name, !other.hasQuest   ? QStringLiteral("－")
                                                          : other.completed ? QStringLiteral("◎")
                                                          : other.offered   ? QStringLiteral("○")
                                                                            : QStringLiteral("・"));
    return parts.join(QStringLiteral("　"));
}

// The list as this PC keeps it: the characters found in the main folder are found again each time.
template <class Change> void CharacterPrompts::changeList(Change&& change) {
    PlayerChecklists list = PlayerChecklists::read(UserFolders::fromEnvironment());
    list.opened(shown_->folder());
    change(list);
    list.write(UserFolders::fromEnvironment());
    refresh();
}

QString CharacterPrompts::mainFolder() const {
    return list_.entries.empty() ? shown_->folder() : list_.entries.front().folder;
}

QString CharacterPrompts::favourites() const {
    return favouritesOf(mainFolder(), normal(shown_->folder()));
}

// A list the character has already (an older Korvane copied one in) is its own as it stands.
void CharacterPrompts::ownFavourites(bool own) {
    const QString folder = normal(shown_->folder());
    const QString ownList = files::inFolder(folder, files::kUrlList);
    const QString players = files::inFolder(mainFolder(), files::kUrlList);
    if (own && !QFileInfo::exists(ownList) && QFileInfo::exists(players) && !QFile::copy(players, ownList))
        throw errors::cannotCreate(ownList);
    keepCharacterName(folder, {names_->currentText(), false, own});
    emit favouritesChanged(favourites());
}

void CharacterPrompts::newCharacter() {
    NewCharacterDialog dialog(mainFolder(), names_->currentText(), window_);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString folder = normal(dialog.folder());
    changeList([&](PlayerChecklists& list) {
        list.add(dialog.name(), folder); // refused before anything is made
        makeCharacterChecklist(*shown_, folder, dialog.how());
        keepNameOf(folder, {dialog.name()});
    });
    show(folder);
    refresh();
}

void CharacterPrompts::addFolder() {
    const QString folder = QFileDialog::getExistingDirectory(
        window_, QStringLiteral("一覧に加えるチェックリストのフォルダ"), QDir::homePath(),
        QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    if (folder.isEmpty())
        return;
    bool given = false;
    const QString name =
        QInputDialog::getText(window_, QStringLiteral("キャラクターの名前"), QStringLiteral("名前"),
                              QLineEdit::Normal, QDir(folder).dirName(), &given);
    if (given)
        changeList([&](PlayerChecklists& list) {
            list.add(name, normal(folder));
            keepNameOf(normal(folder), {name}); // on the list again, on every PC
        });
}

void CharacterPrompts::rename() {
    const QString folder = normal(shown_->folder());
    bool given = false;
    const QString name =
        QInputDialog::getText(window_, QStringLiteral("キャラクターの名前"), QStringLiteral("名前"),
                              QLineEdit::Normal, names_->currentText(), &given);
    if (given)
        changeList([&](PlayerChecklists& list) {
            list.rename(folder, name);
            keepNameOf(folder, {name});
        });
}

// A character of the main folder keeps its name with it, so that every PC shows the same.
void CharacterPrompts::keepNameOf(const QString& folder, CharacterName name) const {
    if (!isCharacterIn(mainFolder(), folder))
        return;
    if (const std::optional<CharacterName> kept = keptCharacterName(folder))
        name.ownFavourites = kept->ownFavourites; // a rename keeps the character's own favourites
    keepCharacterName(folder, name);
}

// The checklist on show stays open; it leaves the list, its files stay where they are.
void CharacterPrompts::takeOff() {
    const QString folder = normal(shown_->folder());
    if (!confirm(QStringLiteral("「%1」を一覧から外します。フォルダ %2 のファイルはそのまま残ります")
                     .arg(names_->currentText(), QDir::toNativeSeparators(folder)),
                 window_))
        return;
    keepNameOf(folder, {names_->currentText(), true}); // off the list on every PC
    PlayerChecklists list = PlayerChecklists::read(UserFolders::fromEnvironment());
    list.remove(folder);
    list.write(UserFolders::fromEnvironment());
    list_ = readList();
    const QSignalBlocker quiet(names_);
    names_->removeItem(names_->currentIndex());
    names_->insertItem(0, QStringLiteral("（一覧にない）%1").arg(QDir(folder).dirName()), folder);
    names_->setCurrentIndex(0);
    emit characterShown(names_->currentText());
}

// Moved by a rename within one file system, once the window shows another checklist: the lock
// and the announcement of this PC leave with it. Refused while another PC has it open.
void CharacterPrompts::moveIn() {
    const QString from = normal(shown_->folder());
    const QString main = normal(mainFolder());
    const QString name = names_->currentText();
    const QString to = characterFolder(main, name);
    if (from == main || QFileInfo(from).absolutePath() == QFileInfo(to).absolutePath())
        return showErrorBox(QStringLiteral("「%1」はもうメインのフォルダにあります").arg(name));
    if (!QFileInfo(main).isDir())
        return showErrorBox(
            QStringLiteral("メインのフォルダ %1 がありません").arg(QDir::toNativeSeparators(main)));
    if (QFileInfo::exists(to))
        return showErrorBox(QStringLiteral("フォルダ %1 はもうあります").arg(QDir::toNativeSeparators(to)));
    if (!otherPcsIn(from, ThisPc::here()).empty())
        return showErrorBox(QStringLiteral("ほかの PC が開いているため、「%1」は移せません").arg(name));
    if (!confirm(QStringLiteral("「%1」のフォルダ %2 を %3 に移します")
                     .arg(name, QDir::toNativeSeparators(from), QDir::toNativeSeparators(to)),
                 window_) ||
        !show(main))
        return;
    if (!QDir().mkpath(QFileInfo(to).absolutePath()) || !QDir().rename(from, to)) {
        show(from);
        return showErrorBox(
            QStringLiteral("フォルダ %1 を %2 に移せません。Korvane を閉じてから、フォルダごと移してください")
                .arg(QDir::toNativeSeparators(from), QDir::toNativeSeparators(to)));
    }
    changeList([&](PlayerChecklists& list) { list.moveTo(from, to); });
    show(to);
    refresh();
}

// Everything the player keeps goes, so that a sync folder or another disk holds the whole player.
void CharacterPrompts::moveAll() {
    const QString main = normal(mainFolder());
    const QString chosen = QFileDialog::getExistingDirectory(
        window_, QStringLiteral("チェックリストの移し先のフォルダ"), QDir::homePath(),
        QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    if (chosen.isEmpty())
        return;
    const QString to = moveTargetOf(main, chosen);
    if (const QString refusal = moveRefusal(main, to); !refusal.isEmpty())
        return showErrorBox(refusal);
    if (!confirm(QStringLiteral(
                     "チェックリストのフォルダ %1 を、キャラクター、バックアップとともに %2 に移します。"
                     "同期するフォルダに移せば、ほかの PC でも開けます")
                     .arg(QDir::toNativeSeparators(main), QDir::toNativeSeparators(to)),
                 window_))
        return;
    emit moveAsked(main, to);
    refresh();
}

void CharacterPrompts::folderGone(const QString& folder) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Korvane"),
                    QStringLiteral("フォルダ %1 がありません。移したか消したかもしれません")
                        .arg(QDir::toNativeSeparators(folder)),
                    QMessageBox::Cancel, window_);
    box.setTextFormat(Qt::PlainText);
    box.setObjectName(QStringLiteral("CharacterFolderGone"));
    QPushButton* off = box.addButton(QStringLiteral("一覧から外す"), QMessageBox::DestructiveRole);
    QPushButton* find = box.addButton(QStringLiteral("探す…"), QMessageBox::AcceptRole);
    off->setObjectName(QStringLiteral("TakeGoneOff"));
    find->setObjectName(QStringLiteral("FindGone"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("キャンセル"));
    box.exec();
    if (box.clickedButton() == off)
        return changeList([&](PlayerChecklists& list) { list.remove(folder); });
    if (box.clickedButton() != find)
        return;
    const QString found = QFileDialog::getExistingDirectory(
        window_, QStringLiteral("チェックリストのフォルダ"), QDir::homePath(),
        QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    if (found.isEmpty())
        return;
    changeList([&](PlayerChecklists& list) { list.moveTo(folder, normal(found)); });
    show(normal(found));
    refresh();
}

} // namespace korvane
