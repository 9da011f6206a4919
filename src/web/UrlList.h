#pragma once
// The address list "URLLIST.txt": one favourite page per line, its title and address as comma
// text, kept sorted with the program's one comparator; equal lines are all kept. The one reader
// and writer of its format.

#include "store/LineFile.h"

#include <QString>

namespace korvane {

// The list's lines, as stored. Throws "ファイル %s は開けません" when the file cannot be read.
Lines readUrlList(const QString& path);

// Appends the page and saves the sorted list. A list file that does not exist starts empty; one
// that exists and cannot be read is never replaced: the add is refused with "ファイル %s は開けません".
void addToUrlList(const QString& path, const std::string& title, const std::string& address);

// The address of a line of the list: its second field. Throws the index error (1) when it has none.
std::string urlAddress(const std::string& line);

// An address as it is stored (code page 932); one it cannot hold is kept percent-encoded.
std::string storedAddress(const QString& address);

} // namespace korvane
