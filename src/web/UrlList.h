#pragma once
// The address list "URLLIST.txt": one favourite page per line, its title and address as comma
// text, in the order the player keeps them; a page added to a list still in the program's sorted
// order goes to its sorted place. The one reader and writer of its format.

#include "store/LineFile.h"

#include <QString>
#include <QUrl>

namespace korvane {

// The list's lines, as stored. Throws "ファイル %s は開けません" when the file cannot be read.
Lines readUrlList(const QString& path);

// The list to edit: a list file that does not exist is an empty list.
Lines readUrlListToEdit(const QString& path);

// Appends the page and saves the list. A list file that does not exist starts empty; one that
// exists and cannot be read is never replaced: the add is refused with "ファイル %s は開けません".
void addToUrlList(const QString& path, const std::string& title, const std::string& address);

// Writes the list as the player edited it; read is the list as it was read before the edit. When
// another program changed the file since, nothing is written and that is said.
void writeUrlList(const QString& path, const Lines& read, const Lines& edited);

// A line of the list: title and address as comma text.
std::string urlLine(const std::string& title, const std::string& address);
// The title of a line: its first field.
std::string urlTitle(const std::string& line);
// The address of a line of the list: its second field. Throws the index error (1) when it has none.
std::string urlAddress(const std::string& line);

// An address as it is stored (code page 932); one it cannot hold is kept percent-encoded.
std::string storedAddress(const QString& address);

// The page an address typed or listed names; throws "アドレス %1 を開けません" when it names none.
QUrl urlOfAddress(const QString& address);

// What the pane says of a page it could not open; an address of a domain kept for examples (the
// sample list's) never opens, and the player is told to put the wiki's own address in.
QString unreachableText(const QString& address);

} // namespace korvane
