#pragma once
// The player's whole checklist moved to another folder (a sync folder, another disk): the main
// folder with its characters, its backups and every file Korvane keeps there, in one step that is
// done whole or not at all, and what this PC keeps of each of its folders following it.

#include "store/DataFolder.h"

#include <QString>
#include <map>

namespace korvane {

// Where the checklist in main goes when the player picks chosen: into chosen itself when it is an
// empty folder or is not there yet, into a folder of main's name within it otherwise.
QString moveTargetOf(const QString& main, const QString& chosen);

// Why main cannot be moved to to, for the player; empty when it can. Refused: to is there and is
// not an empty folder, to is in main (or main in to), or a folder of the checklist is open on
// another PC, as its announcement says.
QString moveRefusal(const QString& main, const QString& to);

struct ChecklistMoved {
    QString to;   // the main folder now
    QString left; // an old folder a program still held, for the player to remove; empty when none
};

// Moves main (its canonical path) to to: by a rename when both are on one disk, else by a copy
// that is put in place only once it is whole, the old folder removed after. Throws, saying why,
// with main as it was and nothing left at to; refused as moveRefusal says, and while a Korvane of
// this PC has a folder of it open (this one's own let go first). The list of checklists and what
// this PC keeps of each folder (its versions of the files, which of them it wrote) follow.
// A main folder that holds the program too (programFolder: a copy beside its data, the per-user
// install) keeps the program and its settings: only the checklist's own files and folders go.
ChecklistMoved moveChecklist(const QString& main, const QString& to, const UserFolders& user,
                             const QString& programFolder = {});

// folder as it is named after main moved to to: itself when it was not in main.
QString movedFolder(const QString& folder, const QString& main, const QString& to);

// What is kept by folder (each character's undo, say), moved with the checklist from main to to.
template <class Kept>
void followMove(std::map<QString, Kept>& byFolder, const QString& main, const QString& to) {
    for (auto it = byFolder.begin(); it != byFolder.end();)
        if (const QString there = movedFolder(it->first, main, to); there != it->first) {
            byFolder.insert_or_assign(there, std::move(it->second));
            it = byFolder.erase(it);
        } else {
            ++it;
        }
}

} // namespace korvane
