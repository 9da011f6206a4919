#pragma once
// The address list "URLLIST.txt": one favourite page per line, its title and address as comma
// text, kept sorted with the program's one comparator; equal lines are all kept.

#include "store/LineFile.h"

#include <QString>

namespace korvane {

// Appends the page and saves the sorted list. A list file that does not exist starts empty; one
// that exists and cannot be read is never replaced: the add is refused with "ファイル %s は開けません".
void addToUrlList(const QString& path, const std::string& title, const std::string& address);

} // namespace korvane
