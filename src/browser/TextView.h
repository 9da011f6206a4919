#pragma once
// A multi-line text view that wraps at its edge. Its lines are the lines as displayed: a long
// line that the view wraps counts as several, as the stores keep them.

#include <QPlainTextEdit>
#include <string>
#include <vector>

namespace korvane {

class TextView : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TextView(QWidget* parent = nullptr);

    // Display lines; an empty last line (text ending in a line break) is not one, and a view
    // without text has none.
    QStringList displayLines() const;

    // Shows the lines, each whole; the view then counts as unchanged until its text differs.
    void setLines(const std::vector<std::string>& cp932Lines);
    bool changedByUser() const;
    void scrollToFirstLine();

signals:
    void MouseMove();

protected:
    bool viewportEvent(QEvent* event) override;

private:
    QString shown_; // the text setLines put in
};

} // namespace korvane
