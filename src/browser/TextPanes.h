#pragma once
// The three text views below the panes: content, reward and memo, each with its title strip. They
// hold what the player typed and not yet saved; nothing else keeps a copy of it.

#include "TextView.h"

#include <QWidget>
#include <array>

namespace korvane {

enum class QuestText { Content, Reward, Memo };
inline constexpr std::array kQuestTexts{QuestText::Content, QuestText::Reward, QuestText::Memo};

class TextPanes : public QWidget {
    Q_OBJECT
public:
    explicit TextPanes(QWidget* parent = nullptr);

    // Shows the stored lines, each text as not typed in; the content from its first line.
    void showText(QuestText which, const std::vector<std::string>& cp932Lines);
    void showTexts(const std::vector<std::string>& content, const std::vector<std::string>& reward,
                   const std::vector<std::string>& memo);
    const TextView& view(QuestText which) const { return *views_[static_cast<std::size_t>(which)]; }

    bool memoTyped() const { return Memo3->changedByUser(); }
    bool anyTyped() const;
    // The text as it stands counts as not typed in: saved, or about to be thrown away.
    void forgetTyping();
    void forgetMemoTyping() { Memo3->forgetTyping(); }
    // Typing put back into the memo, still to be saved.
    void typeMemo(const QString& text) { Memo3->setPlainText(text); }
    QString plainText(QuestText which) const { return view(which).toPlainText(); }
    // The memo gives way to the web pane.
    void showMemo(bool shown) { Panel4->setVisible(shown); }
    void focusContent() { RichEdit1->setFocus(); }

signals:
    // The player typed in the memo, or undid typing.
    void memoChanged();

private:
    TextView* RichEdit1; // content
    TextView* Memo2;     // reward
    TextView* Memo3;     // memo
    QWidget* Panel4;     // the memo with its strip
    std::array<TextView*, 3> views_;
};

} // namespace korvane
