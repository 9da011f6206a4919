#pragma once
// Whole-file reading and writing of line files. Reading ends a line at CR LF, a lone CR or a lone
// LF; writing puts CR LF after every line and replaces the file atomically, so that at every moment
// it holds either its old or its new content.

#include <QIODevice>
#include <QString>
#include <functional>
#include <string>
#include <vector>

namespace korvane {

using Lines = std::vector<std::string>;

// Throws "ファイル %s は開けません" when the file cannot be read.
Lines readLines(const QString& path);
std::string readFile(const QString& path);

// Throws "ファイル %s を作成できません" when the file cannot be written; the file then keeps its
// previous content. A file without any write permission is never replaced, even for root.
void writeLines(const QString& path, const Lines& lines);

// The one atomic writer: fills a temporary file in the same folder, syncs it and renames it over
// path. False, with the file untouched, when any step fails or the file is marked read-only.
bool replaceFile(const QString& path, const std::function<bool(QIODevice&)>& fill);

// The bytes writeLines would write.
std::string joinLines(const Lines& lines);

// Splits whole-file content into lines by the reading rule above.
Lines splitLines(std::string_view content);

} // namespace korvane
