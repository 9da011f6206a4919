#pragma once
// A journal file's lines as the player reads them, for the tests of what edits write into it.

#include "store/CommaText.h"
#include "store/UiText.h"
#include "support/TempFiles.h"

#include <QByteArray>
#include <string>

namespace korvane::test {

// The lines from line `from` on, without the time and the PC, in UTF-8: "0001,オファー 0002,メモ,統合".
inline std::string eventsIn(const QString& path, std::size_t from = 0) {
    std::string out;
    std::size_t lineNo = 0;
    for (const QByteArray& line : QByteArray::fromStdString(readBytes(path)).split('\n')) {
        if (line.isEmpty() || lineNo++ < from)
            continue;
        Fields fields = splitCommaText(std::string_view(line.constData(), std::size_t(line.size() - 1)));
        fields.erase(fields.begin());
        fields.erase(fields.begin() + 2);
        if (!out.empty())
            out += ' ';
        out += joinCommaText(fields);
    }
    return toUi(out).toStdString();
}

} // namespace korvane::test
