#pragma once
// The fixed names of the data files in a checklist's data folder.

#include <QDir>
#include <QString>

namespace korvane::files {

inline const QString kQuestTable = QStringLiteral("クエスト.csv");
inline const QString kContent = QStringLiteral("クエスト内容.txt");
inline const QString kReward = QStringLiteral("クエスト報酬.txt");
inline const QString kMemo = QStringLiteral("クエストメモ.txt");
inline const QString kUrlList = QStringLiteral("URLLIST.txt");
// The quests a character set aside: a file of its own, so that the table keeps its nine fields.
inline const QString kSetAside = QStringLiteral("クエスト見送り.csv");
// The quests each quest needs first: quest data of a file of its own, for the same reason.
inline const QString kChains = QStringLiteral("クエスト前提.csv");

// The four files of a checklist, in writing order.
inline const QString kDataFiles[] = {kQuestTable, kContent, kReward, kMemo};

// File names are appended to the folder as they stand.
inline QString inFolder(const QString& folder, const QString& name) {
    return QDir(folder).filePath(name);
}

} // namespace korvane::files
