#pragma once
// The address list "URLLIST.txt": one favourite page per line, its title and address as comma
// text, kept sorted with the program's one comparator; equal lines are all kept.

#include "store/LineFile.h"

#include <QString>

namespace korvane {

// Appends the page and saves the sorted list; a list file that cannot be read starts empty.
void addToUrlList(const QString& path, const std::string& title, const std::string& address);

} // namespace korvane
