#pragma once
// "お気に入りの編集": the address list's pages, each a title and an address, added, changed,
// deleted and put in order. An address keeps "{no}", "{name}", "{name:euc-jp}" and "{name:sjis}"
// as typed, and the address 調べる would open for the quest on show is shown as it is typed. The
// window writes the list after exec(), from lines().

#include "store/LineFile.h"
#include "store/Quest.h"

#include <QDialog>
#include <optional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class QGridLayout;
class QHBoxLayout;

namespace korvane {

class UrlListDialog : public QDialog {
    Q_OBJECT
public:
    UrlListDialog(Lines lines, std::optional<Quest> quest, QWidget* parent);

    // The list as edited; lines not touched are the bytes read.
    const Lines& lines() const { return lines_; }

private:
    QGridLayout* makeBoxes();
    QHBoxLayout* makeButtons();
    void ListBox1Click();
    void Button18Click(); // 追加
    void Button19Click(); // 変更
    void Button20Click(); // 削除
    void moveRow(int by); // Button21 (上へ), Button22 (下へ)
    // The line the boxes hold, or nothing when code page 932 cannot hold the title (said).
    std::optional<std::string> typedLine();
    void fillList(int current);
    void showPreview();

    Lines lines_;
    std::optional<Quest> quest_;
    QListWidget* ListBox1;
    QLineEdit* Edit8; // title
    QLineEdit* Edit9; // address
    QLabel* Label26;  // the address 調べる would open
    QLabel* Label27;  // what could not be done
};

} // namespace korvane
