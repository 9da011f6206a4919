#include "ConflictNames.h"

#include <QRegularExpression>
#include <vector>

namespace korvane {
namespace {

// "stem" and "ext" give the file's own name.
struct CopyPattern {
    const char* tool;
    QRegularExpression name; // "d" then "t": when the name says it was made, year first
};

const std::vector<CopyPattern>& copyPatterns() {
    static const std::vector<CopyPattern> patterns = [] {
        std::vector<CopyPattern> list;
        // クエスト.sync-conflict-20261209-033510-ZOVNQVO.csv
        list.push_back(
            {"Syncthing",
             QRegularExpression(QStringLiteral(
                 R"(^(?<stem>.+)\.sync-conflict-(?<d>\d{8})-(?<t>\d{6})-(?<by>[A-Z0-9]{7})(?<ext>\.[^.]*)?$)"))});
        // クエスト.korvane-conflict-20261211-021600.csv: Korvane's own, where it wrote back a
        // checklist it held over files put back meanwhile
        list.push_back(
            {"Korvane", QRegularExpression(QStringLiteral(
                            R"(^(?<stem>.+)\.korvane-conflict-(?<d>\d{8})-(?<t>\d{6})(?<ext>\.[^.]*)?$)"))});
        // クエスト (conflicted copy 2026-12-09 033510).csv, also "(conflicted copy by someone …)"
        list.push_back(
            {"Nextcloud",
             QRegularExpression(QStringLiteral(
                 R"(^(?<stem>.+) \(conflicted copy (?:by (?<by>.+) )?(?<d>\d{4}-\d{2}-\d{2}) (?<t>\d{6})\)(?<ext>\.[^.]*)?$)"))});
        // クエスト_conflict-20261209-033510.csv (ownCloud, and Nextcloud before it)
        list.push_back(
            {"Nextcloud", QRegularExpression(QStringLiteral(
                              R"(^(?<stem>.+)_conflict-(?<d>\d{8})-(?<t>\d{6})(?<ext>\.[^.]*)?$)"))});
        // クエスト (Taro's conflicted copy 2026-12-09).csv, with " (1)" when there are several
        list.push_back(
            {"Dropbox",
             QRegularExpression(
                 QStringLiteral(
                     R"(^(?<stem>.+) \((?:(?<by>.+)'s )?conflicted copy(?: (?<d>\d{4}-\d{2}-\d{2}))?(?: \(\d+\))?\)(?<ext>\.[^.]*)?$)"),
                 QRegularExpression::CaseInsensitiveOption)});
        return list;
    }();
    return patterns;
}

// The date and time a name gives, its digits in the pattern's order (year, month, day, then hour,
// minute and second when there are); read by hand, since a format parser costs more than the rest of
// finding a copy, and a folder may hold very many.
QDateTime madeAt(const QString& date, const QString& time) {
    QString digits = date + time;
    digits.remove(QLatin1Char('-'));
    if (digits.size() != 8 && digits.size() != 14)
        return {};
    const auto number = [&](qsizetype at, qsizetype size) {
        return QStringView(digits).mid(at, size).toInt();
    };
    const QDate day(number(0, 4), number(4, 2), number(6, 2));
    const QTime clock = digits.size() == 14 ? QTime(number(8, 2), number(10, 2), number(12, 2)) : QTime(0, 0);
    return day.isValid() && clock.isValid() ? QDateTime(day, clock) : QDateTime();
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
        return ConflictName{match.captured(QStringLiteral("stem")) + match.captured(QStringLiteral("ext")),
                            QString::fromLatin1(pattern.tool),
                            madeAt(match.captured(QStringLiteral("d")), match.captured(QStringLiteral("t"))),
                            match.captured(QStringLiteral("by"))};
    }
    return std::nullopt;
}

} // namespace korvane
