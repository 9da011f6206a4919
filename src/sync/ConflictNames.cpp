#include "ConflictNames.h"

#include <QRegularExpression>
#include <vector>

namespace korvane {
namespace {

// "stem" and "ext" give the file's own name.
struct CopyPattern {
    const char* tool;
    QRegularExpression name;
    const char* dateFormat; // of "d" followed by "t", when the name says when
};

const std::vector<CopyPattern>& copyPatterns() {
    static const std::vector<CopyPattern> patterns = [] {
        std::vector<CopyPattern> list;
        // クエスト.sync-conflict-20261209-033510-ZOVNQVO.csv
        list.push_back(
            {"Syncthing",
             QRegularExpression(QStringLiteral(
                 R"(^(?<stem>.+)\.sync-conflict-(?<d>\d{8})-(?<t>\d{6})-[A-Z0-9]{7}(?<ext>\.[^.]*)?$)")),
             "yyyyMMddHHmmss"});
        // クエスト.korvane-conflict-20261211-021600.csv: Korvane's own, where it wrote back a
        // checklist it held over files put back meanwhile
        list.push_back({"Korvane",
                        QRegularExpression(QStringLiteral(
                            R"(^(?<stem>.+)\.korvane-conflict-(?<d>\d{8})-(?<t>\d{6})(?<ext>\.[^.]*)?$)")),
                        "yyyyMMddHHmmss"});
        // クエスト (conflicted copy 2026-12-09 033510).csv, also "(conflicted copy by someone …)"
        list.push_back(
            {"Nextcloud",
             QRegularExpression(QStringLiteral(
                 R"(^(?<stem>.+) \(conflicted copy (?:by .+ )?(?<d>\d{4}-\d{2}-\d{2}) (?<t>\d{6})\)(?<ext>\.[^.]*)?$)")),
             "yyyy-MM-ddHHmmss"});
        // クエスト_conflict-20261209-033510.csv (ownCloud, and Nextcloud before it)
        list.push_back({"Nextcloud",
                        QRegularExpression(QStringLiteral(
                            R"(^(?<stem>.+)_conflict-(?<d>\d{8})-(?<t>\d{6})(?<ext>\.[^.]*)?$)")),
                        "yyyyMMddHHmmss"});
        // クエスト (Taro's conflicted copy 2026-12-09).csv, with " (1)" when there are several
        list.push_back(
            {"Dropbox",
             QRegularExpression(
                 QStringLiteral(
                     R"(^(?<stem>.+) \((?:.+'s )?conflicted copy(?: (?<d>\d{4}-\d{2}-\d{2}))?(?: \(\d+\))?\)(?<ext>\.[^.]*)?$)"),
                 QRegularExpression::CaseInsensitiveOption),
             "yyyy-MM-dd"});
        return list;
    }();
    return patterns;
}

} // namespace

QString korvaneCopyName(const QString& file, const QDateTime& when) {
    const qsizetype dot = file.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot > 0 ? file.left(dot) : file, ext = dot > 0 ? file.mid(dot) : QString();
    return stem + QStringLiteral(".korvane-conflict-") + when.toString(QStringLiteral("yyyyMMdd-HHmmss")) +
           ext;
}

std::optional<ConflictName> conflictNameOf(const QString& name) {
    for (const CopyPattern& pattern : copyPatterns()) {
        const QRegularExpressionMatch match = pattern.name.match(name);
        if (!match.hasMatch())
            continue;
        return ConflictName{
            match.captured(QStringLiteral("stem")) + match.captured(QStringLiteral("ext")),
            QString::fromLatin1(pattern.tool),
            QDateTime::fromString(match.captured(QStringLiteral("d")) + match.captured(QStringLiteral("t")),
                                  QString::fromLatin1(pattern.dateFormat))};
    }
    return std::nullopt;
}

} // namespace korvane
