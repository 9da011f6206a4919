#pragma once
// The player's checklists, one a character, as the user's settings keep them
// (<configHome>/korvane/checklists.ini): each one's name and folder, the one opened last, and
// whether the sample set was given. A checklist's folder works alone all the same (`korvane
// FOLDER`, a copy beside its data, a sync tool): nothing of this is in the data files.

#include "DataFolder.h"

#include <QString>
#include <optional>
#include <vector>

namespace korvane {

struct ChecklistEntry {
    QString name;   // the character's
    QString folder; // absolute, as the checklist is opened
    bool operator==(const ChecklistEntry&) const = default;
};

// More than any player keeps; the rest of a list past it is not read.
constexpr int kMostCharacters = 300;

class PlayerChecklists {
public:
    std::vector<ChecklistEntry> entries; // in the player's order
    int skipped = 0;                     // entries read that were no entry, or past kMostCharacters
    QString lastOpened;                  // the data folder last opened
    bool sampleGiven = false;            // the sample set was copied once: never again
    // The program's own folder the player left for another checklist at the first start (the
    // per-user install keeps the sample set beside the program): started plainly, Korvane opens
    // the checklist opened last, not the one beside it.
    QString leftProgramFolder;

    static PlayerChecklists read(const UserFolders& user);
    // Nothing is remembered without a settings folder; throws "%s に書き込めません" otherwise.
    void write(const UserFolders& user) const;

    // The entry of folder; nothing when it is not listed.
    const ChecklistEntry* find(const QString& folder) const;
    // The folder opened is the last one opened, and is listed when it was not: the list's first as
    // "メイン" (a character opened first comes after its main checklist), any other under its
    // folder's name.
    void opened(const QString& folder);
    // Lists another checklist. Refused, saying why, for an empty name, a name another has, or a
    // folder listed already.
    void add(const QString& name, const QString& folder);
    void rename(const QString& folder, const QString& name);
    // The entry of folder names to instead (the checklist was moved, or found elsewhere); refused
    // when to is listed already.
    void moveTo(const QString& folder, const QString& to);
    // Off the list; its files stay where they are.
    void remove(const QString& folder);

    // Every character in the main checklist's (the list's first) folder "キャラクター" is the
    // player's on every PC: found there, named as its name file says, so that every PC shows the
    // name the player gave it; one listed there that is gone, or that the player took off on any
    // PC, is no longer listed. A checklist outside the main folder is this PC's own and stays as
    // listed. Found characters come after the listed ones, by folder name.
    void findCharacters();

private:
    void requireFreeName(const QString& name, const QString& folder) const;
};

// A folder as the list names it, one for every spelling of it: its canonical path while it exists.
QString sameFolder(const QString& folder);

// The folder at path, found where it is in another Unicode form (a sync tool renames names to the
// composed form, NFC; macOS writes them decomposed); a path that is in no form is given in NFC,
// the form every folder Korvane makes is named in.
QString folderInAnyForm(const QString& path);

// Where a character's checklist goes unless the player says otherwise: in the folder
// "キャラクター" of the main character's (the list's first) folder, so that the one folder a player
// backs up, moves or syncs holds every character.
QString characterFolder(const QString& mainFolder, const QString& name);
inline constexpr char16_t kCharactersFolder[] = u"キャラクター";

// Whether folder is a character's folder in the main folder's "キャラクター".
bool isCharacterIn(const QString& mainFolder, const QString& folder);
// The main checklist's folder that folder is a character of (the folder above its "キャラクター",
// when that holds a checklist); folder itself otherwise.
QString mainFolderOf(const QString& folder);

// A character's name, kept with it ("キャラクター名.txt" in its folder, UTF-8: the name, then
// "外した" when the player took it off the list, "自分のお気に入り" when it has favourites of its
// own), so that every PC that syncs the folder reads it.
struct CharacterName {
    QString name;
    bool takenOff = false;
    bool ownFavourites = false;
};
inline constexpr char16_t kCharacterNameFile[] = u"キャラクター名.txt";
std::optional<CharacterName> keptCharacterName(const QString& folder);
// Written through the one atomic writer; throws when it cannot be.
void keepCharacterName(const QString& folder, const CharacterName& name);

// The favourites the checklist in folder uses: the player's, in the main folder, unless it is a
// character the player gave favourites of its own.
QString favouritesOf(const QString& mainFolder, const QString& folder);

} // namespace korvane
