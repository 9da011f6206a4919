// Windows: a save while another program holds the file open without delete sharing, as sync clients
// and virus scanners do for a moment. Held for a second, the save waits and succeeds; held for ten,
// it is refused naming the file, nothing written and nothing of the checklist lost, and the next
// edit saves.

#include "editing/Checklist.h"
#include "editing/FlagRules.h"
#include "support/LoadedData.h"
#include "support/TempFiles.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>
#include <gtest/gtest.h>
#include <windows.h>

namespace korvane {
namespace {

using test::crlf;
using test::readBytes;

// The helper beside this test, holding path for ms; it has the file once it made its ready file.
class Holder {
public:
    Holder(const QString& path, int ms) {
        wchar_t self[MAX_PATH];
        ::GetModuleFileNameW(nullptr, self, MAX_PATH);
        const QString helper = QFileInfo(QString::fromWCharArray(self)).absolutePath() + "/hold_file.exe";
        ready_ = path + ".ready";
        QFile::remove(ready_); // an earlier holder's
        std::wstring line = QStringLiteral("\"%1\" \"%2\" %3 \"%4\"")
                                .arg(QDir::toNativeSeparators(helper), QDir::toNativeSeparators(path))
                                .arg(ms)
                                .arg(QDir::toNativeSeparators(ready_))
                                .toStdWString();
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        started_ = ::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                    &startup, &process_) != 0;
        QElapsedTimer waited;
        waited.start();
        while (started_ && !QFileInfo::exists(ready_) && waited.elapsed() < 10000)
            QThread::msleep(10);
    }
    ~Holder() { done(); }
    bool holds() const { return started_ && QFileInfo::exists(ready_); }
    void done() {
        if (!started_)
            return;
        ::WaitForSingleObject(process_.hProcess, INFINITE);
        ::CloseHandle(process_.hProcess);
        ::CloseHandle(process_.hThread);
        started_ = false;
    }

private:
    PROCESS_INFORMATION process_{};
    QString ready_;
    bool started_ = false;
};

TEST(HeldFile, ASaveWaitsForAMomentThenSaysWhichFileAndThatNothingWasLost) {
    QTemporaryDir folder;
    const QString table = test::dataFiles(folder.path())[0];
    const std::string before = crlf({"0001,N,A,q,p,c,0,0,0", "0002,N,A,r,p,c,0,0,0"});
    test::writeBytes(table, before);
    Checklist list(folder.path());
    list.load();
    const auto tick = [&](const char* number) {
        list.apply(QStringLiteral("オファー"), number,
                   [&](QuestData d, EditStep* s) { storeFlag(d.table, number, kOffered, "1", s); });
    };

    {
        Holder holder(table, 1000);
        ASSERT_TRUE(holder.holds());
        tick("0001"); // waits for the holder to let go
    }
    EXPECT_EQ(readBytes(table), crlf({"0001,N,A,q,p,c,1,0,0", "0002,N,A,r,p,c,0,0,0"}));

    Holder holder(table, 10000);
    ASSERT_TRUE(holder.holds());
    const std::string saved = readBytes(table);
    try {
        tick("0002");
        ADD_FAILURE() << "saved while the file was held";
    } catch (const KorvaneError& error) {
        EXPECT_TRUE(error.message().contains(QDir::toNativeSeparators(table)))
            << error.message().toStdString();
        EXPECT_TRUE(error.message().contains(QStringLiteral("何も失われていません")));
    }
    EXPECT_EQ(readBytes(table), saved);                             // nothing written
    EXPECT_EQ(list.QuestList().lines()[1], "0002,N,A,r,p,c,0,0,0"); // memory as the file is
    EXPECT_EQ(list.history().size(), 1u);                           // the tick before is still undoable
    holder.done();
    tick("0002");
    EXPECT_EQ(readBytes(table), crlf({"0001,N,A,q,p,c,1,0,0", "0002,N,A,r,p,c,1,0,0"}));
}

} // namespace
} // namespace korvane
