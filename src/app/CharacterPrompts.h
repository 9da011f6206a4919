#pragma once
// The player's characters in the window: which checklist is open (its name, its folder as the
// tooltip), a switch to another in one step (the drop-down, or Ctrl+PgDown and Ctrl+PgUp), a new
// character, an existing folder added, a rename, a checklist taken off the list (its files stay),
// and the other characters' progress of the quest on show.

#include "editing/Characters.h"
#include "store/PlayerChecklists.h"

#include <QComboBox>
#include <QObject>
#include <QToolButton>

namespace korvane {

class CharacterPrompts : public QObject {
    Q_OBJECT
public:
    // window: the questions' parent.
    CharacterPrompts(QWidget* window, QComboBox* names, QToolButton* actions, QObject* parent);

    // The checklist the window now shows; the list refreshed.
    void showing(Checklist* checklist);
    // The list as the user's settings keep it with every character the main folder holds, the
    // checklist on show chosen in it.
    void refresh();
    // Refreshes when a character was made, renamed or taken off since, here or on another PC.
    void follow();
    // The next character in the list, or the one before.
    void step(int by);
    // "ノート: ◎　サブ: ○" for the quest on show: completed, offered, or neither ("－").
    QString othersProgress(std::string_view number);
    OtherCharacters& others() { return others_; }
    // The name of the character on show.
    QString name() const { return names_->currentText(); }
    // The main character's folder: the list's first, where the player's own files are.
    QString mainFolder() const;
    // The favourites of the character on show.
    QString favourites() const;

signals:
    // The character on show took favourites of its own, or gave them up.
    void favouritesChanged(const QString& urlList);
    // The character on show, by its name, for where the eye is.
    void characterShown(const QString& name);
    // The player's whole checklist in main is to go to to.
    void moveAsked(const QString& main, const QString& to);
    // The checklist in folder is to be shown in place of the one on show; the window asks first
    // about typing, and may keep what it shows.
    void showAsked(const QString& folder);

private:
    void chosen(int index);
    void newCharacter();
    void addFolder();
    void rename();
    void takeOff();
    // The checklist on show moved into the main character's folder, with every character.
    void moveIn();
    // The whole checklist, main folder and characters, moved to a folder the player picks.
    void moveAll();
    // The character on show uses favourites of its own (a copy of the player's to begin with), or
    // the player's again.
    void ownFavourites(bool own);
    // A listed checklist whose folder is gone: taken off the list, or found elsewhere.
    void folderGone(const QString& folder);
    PlayerChecklists readList() const;
    // Asks for the checklist in folder; whether the window shows it now.
    bool show(const QString& folder);
    void keepNameOf(const QString& folder, CharacterName name) const;
    // Runs a change of the list through the error box, writes it, and fills the drop-down anew.
    template <class Change> void changeList(Change&& change);

    QWidget* window_;
    Checklist* shown_ = nullptr;
    QComboBox* names_;
    QAction* ownFavourites_;
    PlayerChecklists list_;
    OtherCharacters others_;
};

} // namespace korvane
