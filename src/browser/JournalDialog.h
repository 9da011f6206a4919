#pragma once
// The list "記録": the journal's entries, newest first, narrowed by quest, by period and by kind.
// Double-clicking an entry closes it with that quest chosen; the window shows the quest once the
// dialog is closed.

#include "JournalRows.h"

#include <QDialog>
#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;

class QHBoxLayout;

namespace korvane {

class JournalModel;

class JournalDialog : public QDialog {
    Q_OBJECT
public:
    // nameOf: the name of a quest the table holds, empty for one it no longer holds.
    JournalDialog(const Journal& journal, std::function<QString(std::uint16_t)> nameOf,
                  std::uint16_t questOnShow, QWidget* parent);
    ~JournalDialog() override;

    QTableView* table() const { return table_; }
    QLineEdit* Edit8 = nullptr;     // the quest's number; empty: every quest
    QComboBox* ComboBox7 = nullptr; // the period
    QComboBox* ComboBox8 = nullptr; // the kind
    // The quest of the entry double-clicked, once the dialog has closed on it.
    const std::optional<std::uint16_t>& choice() const { return choice_; }

private:
    QHBoxLayout* makeFilters(std::uint16_t questOnShow);
    void setUpTable();
    void refill();

    const Journal& journal_;
    JournalModel* model_;
    QTableView* table_;
    QLabel* count_;
    std::optional<std::uint16_t> choice_;
};

} // namespace korvane
