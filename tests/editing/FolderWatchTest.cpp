// What to do about a data folder that other programs change: a table of looks, each case a run of
// looks as the window makes them, and the step each gets.

#include "editing/FolderWatch.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

FileStamp stampOf(std::int64_t size) {
    return *FileStamp::fromText(QStringLiteral("1 2 %1 3").arg(size));
}

TEST(WatchPolicy, EachLookGetsItsStep) {
    const FolderLook quiet, busy{true, false, false, {}, {}};
    const FolderLook changed{true, true, false, {QStringLiteral("クエスト.csv")}, {stampOf(10)}};
    const FolderLook changedAgain{true, true, false, {QStringLiteral("クエスト.csv")}, {stampOf(11)}};
    const FolderLook missing{true, true, true, {QStringLiteral("クエスト.csv")}, {FileStamp::absent()}};
    const FolderLook gone{false, true, false, {}, {}};
    const FolderLook renamed{false, true, false, {}, {}, QStringLiteral("/home/p/ガイド")};
    using S = WatchStep;
    struct Case {
        const char* what;
        std::vector<FolderLook> looks;
        std::vector<WatchStep> steps;
        bool declinedFirst = false; // the player declined to read the changed files before
    };
    const Case cases[] = {
        {"nothing changed: new copies are offered", {quiet}, {S::OfferCopies}},
        {"the folder renamed to its name in another Unicode form is followed", {renamed}, {S::FolderRenamed}},
        {"a change is read again", {changed}, {S::ReadAgain}},
        {"while the player is busy it waits",
         {busy, busy, changed},
         {S::LookLater, S::LookLater, S::ReadAgain}},
        {"a file that stays gone is said, never read as an empty list",
         {missing, missing, missing, missing, missing},
         {S::LookLater, S::LookLater, S::LookLater, S::LookLater, S::FilesGone}},
        {"a file back in place is read at once", {missing, changed}, {S::LookLater, S::ReadAgain}},
        {"the files declined stay unread, a later change is read",
         {changed, changedAgain},
         {S::KeepDeclined, S::ReadAgain},
         true},
        {"a vanished folder is said, busy or not",
         {gone, FolderLook{false, false, false, {}, {}}},
         {S::FolderGone, S::FolderGone}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WatchPolicy policy;
        if (c.declinedFirst)
            policy.declined({stampOf(10)});
        std::vector<WatchStep> steps;
        for (const FolderLook& look : c.looks)
            steps.push_back(policy.next(look));
        EXPECT_EQ(steps, c.steps);
    }
}

} // namespace
} // namespace korvane
