#pragma once
// The command line: `korvane [FOLDER]`, `--help` and `--version`. Qt's own options (-platform, …) are
// taken by the application object before this reads what is left.

#include <QString>
#include <QStringList>
#include <optional>

namespace korvane {

struct CommandLine {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    std::optional<QString> folder;
    QString error; // for Error: what is wrong, said on standard error
};

// arguments: the program's, its own name first.
CommandLine parseCommandLine(const QStringList& arguments);

// What --help and --version print.
QString helpText();
QString versionText();

// Exit statuses: an unknown option or a second folder is a usage error.
constexpr int kExitUsage = 2;

} // namespace korvane
