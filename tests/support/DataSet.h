#pragma once
// A data folder made by a test: the four files written from UTF-8 lines as code page 932 with
// CR LF, and the main window built over it.

#include "TempFiles.h"

#include <QTemporaryDir>
#include <memory>
#include <optional>
#include <vector>

namespace korvane {
class TForm1;
}

namespace korvane::test {

using Utf8Lines = std::vector<std::string>;

struct DataSet {
    std::optional<Utf8Lines> table, content, reward, memo; // nothing: the file is not written
    QStringList unreadable = {}; // names of data files made as folders: there, but not readable

    // A folder with these files; the folder lives as long as the returned object.
    std::unique_ptr<QTemporaryDir> write() const;
};

QString questTablePath(const QTemporaryDir& dir);
QString contentPath(const QTemporaryDir& dir);
QString rewardPath(const QTemporaryDir& dir);
QString memoPath(const QTemporaryDir& dir);
QString urlListPath(const QTemporaryDir& dir);

// Every file of the folder with its bytes, to prove that nothing changed.
std::vector<std::pair<QString, std::string>> snapshot(const QString& folder);
// The same without the settings file, which closing the window writes.
std::vector<std::pair<QString, std::string>> dataSnapshot(const QString& folder);

// The main window over the folder, shown and laid out.
std::unique_ptr<TForm1> openMainWindow(const QTemporaryDir& dir, const QString& settingsFile = {});

// The lines of a code page 932 file as UTF-8, for comparing with what a test wrote.
Utf8Lines readUtf8Lines(const QString& path);

} // namespace korvane::test
