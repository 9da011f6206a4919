#pragma once
// A line list bound to its file. It remembers whether the file loaded: a list that did not load is
// never written back over its file, since every save rewrites the whole file from the list.

#include "LineList.h"

#include <QString>
#include <initializer_list>

namespace korvane {

class StoredList {
public:
    explicit StoredList(QString path, const Collation& collation = Collation::user())
        : path_(std::move(path)), lines_(collation) {}

    const QString& path() const { return path_; }
    bool loaded() const { return loaded_; }
    LineList& lines() { return lines_; }
    const LineList& lines() const { return lines_; }

    // Reads the file whole; throws "ファイル %s は開けません". The list counts as loaded only when
    // the caller confirms with markLoaded(), after whatever checks its format needs.
    void read();
    void markLoaded() { loaded_ = true; }

    // Throws before anything is written when the list did not load.
    void requireLoaded() const;
    void save() const;

private:
    QString path_;
    LineList lines_;
    bool loaded_ = false;
};

// Refuses, before any file is touched, an action that would write a list that did not load.
void requireLoaded(std::initializer_list<const StoredList*> lists);

// The first four bytes of a line: a quest's key in every file.
bool hasQuestKey(std::string_view line, std::string_view number);

} // namespace korvane
