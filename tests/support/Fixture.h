#pragma once
// The main window over a data folder of the test's own, with the controls a test acts on.

#include "DataSet.h"
#include "ModalAnswerer.h"
#include "Ui.h"

#include "app/TForm1.h"
#include "platform/Platform.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

namespace korvane::test {

class Fixture {
public:
    void open(const DataSet& data) {
        close();
        answerer.clear();
        answerer.setAnswer({});
        dir = data.write();
        form = openMainWindow(*dir);
    }
    void reopen() {
        form.reset();
        form = openMainWindow(*dir);
    }
    void close() {
        form.reset();
        dir.reset();
    }

    template <class W> W* get(const char* name) const { return child<W>(*form, name); }
    StringGrid* grid() const { return get<StringGrid>("StringGrid1"); }
    QPushButton* button(const char* name) const { return get<QPushButton>(name); }
    FlagBox* box(const char* name) const { return get<FlagBox>(name); }
    TextView* text(const char* name) const { return get<TextView>(name); }
    QLineEdit* field(const char* name) const { return get<QLineEdit>(name); }
    DropDown* dropDown(const char* name) const { return get<DropDown>(name); }
    QString label(const char* name) const { return get<QLabel>(name)->text(); }
    DetailView detail() const { return detailView(*form); }

    QString table() const { return questTablePath(*dir); }
    QString content() const { return contentPath(*dir); }
    QString reward() const { return rewardPath(*dir); }
    QString memo() const { return memoPath(*dir); }

    ModalAnswerer answerer;
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<TForm1> form;
};

// Identity of a file's content on disk: an atomic rewrite gives it a new inode (a new file index).
inline std::uint64_t inodeOf(const QString& path) {
    const auto facts = platform::factsOf(path);
    return facts ? facts->inode : 0;
}

} // namespace korvane::test
