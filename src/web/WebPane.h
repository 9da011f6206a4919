#pragma once
// The web pane across the bottom of the window: a tool bar with the address box, back, forward,
// add-to-list, the address list and its editor, above the browser. It goes about the web on its own; what it
// does runs through the window's one error path (guard), and what it has to say goes to said.

#include "Browser.h"
#include "store/Quest.h"
#include "widgets/DropDown.h"

#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <functional>
#include <optional>

namespace korvane {

class WebPane : public QWidget {
    Q_OBJECT
public:
    using Guard = std::function<void(const std::function<void()>&)>;
    // urlList: the address list's file; settings: the user's settings file, which keeps the address
    // on show when the pane closes.
    WebPane(QString urlList, QString settings, Guard guard, QWidget* parent = nullptr);

    // The quest on show in the window: the one a look-up address puts in.
    void showQuest(const std::optional<Quest>& quest) { quest_ = quest; }

    // The home page on show, the address box holding the one remembered (Enter goes there), the
    // list read.
    void open();
    // Hidden, the address box holding the address on show, which is remembered.
    void close();
    // 調べる: the first address of the list that looks a quest up, picked as the list would pick it.
    void lookUp();
    // The favourites are the player's, not a character's: the main checklist's list, whichever
    // character is on show. Read again when it is another file.
    void useUrlList(const QString& urlList);

signals:
    void said(const QString& text);

private:
    Browser& ensureBrowser();
    void Edit7KeyDown(int Key);
    void SpeedButton3Click();
    void SpeedButton5Click();
    // Opens address in the browser, remembered as asked for.
    void go(const QString& address);
    void pageLoaded(bool ok, const QString& address);
    void LoadUrlList();
    void ComboBox5Change();

    QString urlList_;
    QString settings_;
    Guard guard_;
    std::optional<Quest> quest_;
    Lines urlLines_; // the address list's lines, as ComboBox5 shows them
    QString asked_;  // the address last asked for, as typed

    QWidget* Panel10 = nullptr;
    QLineEdit* Edit7 = nullptr;
    QToolButton* SpeedButton1 = nullptr; // back
    QToolButton* SpeedButton2 = nullptr; // forward
    QToolButton* SpeedButton3 = nullptr; // add to the address list
    DropDown* ComboBox5 = nullptr;       // address list, pick only
    QToolButton* SpeedButton5 = nullptr; // the address list edited
    QLabel* Label28 = nullptr;           // a page that could not be opened
    Browser* WebBrowser1 = nullptr;
    std::unique_ptr<Browser> browser_; // made when the pane first opens; it is hidden at start
};

} // namespace korvane
