#include "CommandLine.h"

namespace korvane {

CommandLine parseCommandLine(const QStringList& arguments) {
    CommandLine line;
    bool optionsEnd = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!optionsEnd && argument == QStringLiteral("--")) {
            optionsEnd = true;
        } else if (!optionsEnd &&
                   (argument == QStringLiteral("--help") || argument == QStringLiteral("-h"))) {
            return {CommandLine::Action::Help, {}, {}};
        } else if (!optionsEnd &&
                   (argument == QStringLiteral("--version") || argument == QStringLiteral("-v"))) {
            return {CommandLine::Action::Version, {}, {}};
        } else if (!optionsEnd && argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            return {CommandLine::Action::Error,
                    {},
                    QStringLiteral("korvane: 知らないオプションです: %1").arg(argument)};
        } else if (argument.isEmpty()) {
            return {
                CommandLine::Action::Error, {}, QStringLiteral("korvane: データのフォルダの名前が空です")};
        } else if (line.folder) {
            return {CommandLine::Action::Error,
                    {},
                    QStringLiteral("korvane: データのフォルダは一つだけ指定できます: %1").arg(argument)};
        } else {
            line.folder = argument;
        }
    }
    return line;
}

QString helpText() {
    return QStringLiteral("使い方: korvane [フォルダ]\n"
                          "クエストのチェックリストを開きます。フォルダを指定すると、そのフォルダの\n"
                          "チェックリストを開きます。指定しないときは、プログラムと同じフォルダに\n"
                          "データがあればそれを、なければ前回開いたチェックリストを開きます。\n"
                          "\n"
                          "  -h, --help     この説明を表示して終了します\n"
                          "  -v, --version  版を表示して終了します\n");
}

QString versionText() {
    return QStringLiteral("Korvane %1\n").arg(QStringLiteral(KORVANE_VERSION));
}

} // namespace korvane
