#pragma once
// A multi-line text view that wraps at its edge. Its lines are the lines as typed: a line ends
// where Enter was pressed, however the view wraps it on the screen.

#include <QPlainTextEdit>
#include <string>
#include <vector>

namespace korvane {

class TextView : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TextView(QWidget* parent = nullptr);

    // The typed lines; an empty last line (text ending in a line break) is not one, and a view
    // without text has none.
    QStringList typedLines() const;

    // Shows the lines, each whole; the view then counts as unchanged until its text differs.
    void setLines(const std::vector<std::string>& cp932Lines);
    bool changedByUser() const;
    // The text as it stands counts as unchanged: it was saved, or is about to be thrown away.
    void forgetTyping() { shown_ = toPlainText(); }
    void scrollToFirstLine();

signals:
    void MouseMove();

protected:
    bool viewportEvent(QEvent* event) override;

private:
    QString shown_; // the text setLines put in
};

} // namespace korvane
