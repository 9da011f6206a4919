#include "DataSet.h"

#include "app/TForm1.h"
#include "store/DataFiles.h"
#include "store/LineFile.h"
#include "store/UiText.h"
#include "support/Sjis.h"

#include <QTest>

namespace korvane::test {
namespace {

void writeUtf8Lines(const QString& path, const Utf8Lines& lines) {
    std::string bytes;
    for (const auto& line : lines)
        bytes += sj(line) + "\r\n";
    writeBytes(path, bytes);
}

} // namespace

std::unique_ptr<QTemporaryDir> DataSet::write() const {
    auto dir = std::make_unique<QTemporaryDir>();
    if (table)
        writeUtf8Lines(questTablePath(*dir), *table);
    if (content)
        writeUtf8Lines(contentPath(*dir), *content);
    if (reward)
        writeUtf8Lines(rewardPath(*dir), *reward);
    if (memo)
        writeUtf8Lines(memoPath(*dir), *memo);
    for (const QString& name : unreadable)
        QDir(dir->path()).mkdir(name);
    return dir;
}

QString questTablePath(const QTemporaryDir& dir) {
    return files::inFolder(dir.path(), files::kQuestTable);
}
QString contentPath(const QTemporaryDir& dir) {
    return files::inFolder(dir.path(), files::kContent);
}
QString rewardPath(const QTemporaryDir& dir) {
    return files::inFolder(dir.path(), files::kReward);
}
QString memoPath(const QTemporaryDir& dir) {
    return files::inFolder(dir.path(), files::kMemo);
}
QString urlListPath(const QTemporaryDir& dir) {
    return files::inFolder(dir.path(), files::kUrlList);
}

std::vector<std::pair<QString, std::string>> snapshot(const QString& folder) {
    std::vector<std::pair<QString, std::string>> out;
    for (const QString& name : entries(folder))
        out.emplace_back(name, readBytes(QDir(folder).filePath(name)));
    return out;
}

std::vector<std::pair<QString, std::string>> dataSnapshot(const QString& folder) {
    auto out = snapshot(folder);
    std::erase_if(out, [](const auto& entry) { return entry.first == QStringLiteral("korvane.ini"); });
    return out;
}

std::unique_ptr<TForm1> openMainWindow(const QTemporaryDir& dir, const QString& settingsFile) {
    auto form = std::make_unique<TForm1>(
        DataPlace{dir.path(), settingsFile.isEmpty() ? dir.filePath("korvane.ini") : settingsFile});
    form->resize(1100, 700);
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get()))
        qWarning("main window not exposed");
    return form;
}

Utf8Lines readUtf8Lines(const QString& path) {
    Utf8Lines out;
    for (const auto& line : readLines(path))
        out.push_back(toUi(line).toStdString());
    return out;
}

} // namespace korvane::test
