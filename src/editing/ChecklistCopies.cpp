// The conflict copies of the data files, the journal and the quests set aside, as the checklist
// finds, plans and merges them.

#include "Checklist.h"

#include "sync/SetAsideMerge.h"
#include "store/Backups.h"
#include "store/DataFiles.h"
#include "store/Errors.h"
#include "store/LineFile.h"
#include "store/UiText.h"
#include "sync/ConflictNames.h"

#include <QFileInfo>
#include <algorithm>
#include <map>
#include <set>
#include <thread>

    namespace korvane {
    namespace {

    struct CopyRead {
        std::optional<Lines> lines;
        QString error; // why it could not be read, when it could not
    };

    // Reading very many copies is the file system's time, so they are read on every core at once;
    // what is made of them is made on this thread.
    std::vector<CopyRead> readAhead(const std::vector<const ConflictCopy*>& copies, const QString& folder) {
        std::vector<CopyRead> read(copies.size());
        const std::optional<platform::FileFacts> folderFacts = platform::factsOf(folder);
        const auto readFrom = [&](std::size_t first, std::size_t step) {
            for (std::size_t i = first; i < copies.size(); i += step) {
                try {
                    read[i].lines = readConflictCopy(*copies[i], folderFacts);
                } catch (const KorvaneError& error) {
                    read[i].error = error.message();
                } catch (const std::exception& error) {
                    read[i].error = QString::fromLocal8Bit(error.what());
                }
            }
        };
        const std::size_t workers =
            copies.size() < 64 ? 1 : std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, 8);
        std::vector<std::jthread> threads;
        for (std::size_t w = 1; w < workers; ++w)
            threads.emplace_back(readFrom, w, workers);
        readFrom(0, workers);
        return read;
    }

    } // namespace

    StoredList& Checklist::listOf(const QString& dataFile) {
        for (StoredList* list : editableLists())
            if (QFileInfo(list->path()).fileName() == dataFile)
                return *list;
        return quests_;
    }

    // Which side this PC wrote is told by its own versions, never by which file holds it (a sync tool
    // keeps the newer in place). The other PC is named when only one other has the folder open or
    // wrote the journal; else by the device the copy's name gives.
    MergePlan::SideNames Checklist::sideNames(const ConflictCopy& copy, bool fileIsThisPcs,
                                              bool copyIsThisPcs) const {
        std::set<QString> others;
        for (const OtherPc& pc : otherPcs())
            if (!pc.name.isEmpty())
                others.insert(pc.name);
        if (others.empty())
            for (const std::string& name : journal_.pcNames())
                if (const QString pc = toUi(name); pc != pcName_)
                    others.insert(pc);
        const std::optional<ConflictName> name = conflictNameOf(QFileInfo(copy.path).fileName());
        const QString other = others.size() == 1 ? QStringLiteral("PC「%1」").arg(*others.begin())
                              : name && !name->by.isEmpty()
                                  ? QStringLiteral("%1 のデバイス %2").arg(name->tool, name->by)
                                  : QStringLiteral("別の PC");
        if (!fileIsThisPcs && !copyIsThisPcs) // this PC wrote neither: named by file
            return {QStringLiteral("今の %1").arg(copy.dataFile), QStringLiteral("競合コピー")};
        return {QStringLiteral("この PC「%1」").arg(pcName_), other};
    }

    // A copy that is refused is looked at again at the next look (it may be put right), and said once.
    void Checklist::sayRefused(const ConflictCopy& copy, const QString& why, QStringList& said) {
        offered_.erase(copy.path);
        if (offered_.insert(why).second)
            said << why;
    }

    std::vector<MergePlan> Checklist::newConflictCopies(QStringList & said) {
        flushKnown();
        FoundCopies found = findConflictCopies(folder_, CopyCheck::AtRead);
        for (const QString& refusal : found.refused)
            if (offered_.insert(refusal).second)
                said << refusal;
        // The journal first: its last word decides the quests set aside on one PC only.
        std::stable_partition(found.copies.begin(), found.copies.end(),
                              [](const ConflictCopy& copy) { return copy.dataFile == kJournalFile; });
        std::vector<MergePlan> plans;
        // What every copy of a file is planned against is read once for all of them.
        MergeCache cache;
        std::map<QString, std::vector<KeptVersion>> earlier;
        std::map<QString, bool> fileIsThisPcs;
        std::vector<const ConflictCopy*> dataCopies;
        for (const ConflictCopy& copy : found.copies) {
            if (!offered_.insert(copy.path).second)
                continue;
            if (copy.dataFile != kJournalFile && copy.dataFile != files::kSetAside)
                dataCopies.push_back(&copy);
            else if (const QString refusal = refusalOfCopy(copy.path, folder_); !refusal.isEmpty())
                sayRefused(copy, refusal, said);
            else if (copy.dataFile == kJournalFile)
                mergeJournalCopy(copy);
            else
                mergeSetAsideCopy(copy, said);
        }
        std::vector<CopyRead> read = readAhead(dataCopies, folder_);
        for (std::size_t i = 0; i < dataCopies.size(); ++i) {
            const ConflictCopy& copy = *dataCopies[i];
            if (!read[i].lines) {
                sayRefused(copy, read[i].error, said);
                continue;
            }
            // Which version is this PC's is told by what it wrote, not by which file holds it.
            StoredList& file = listOf(copy.dataFile);
            if (!earlier.contains(copy.dataFile)) {
                earlier[copy.dataFile] = earlierVersions(copy.dataFile);
                fileIsThisPcs[copy.dataFile] = file.wroteVersion(file.path());
            }
            try {
                MergePlan plan = planMerge(edits(), copy, earlier[copy.dataFile],
                                           !fileIsThisPcs[copy.dataFile] && file.wroteVersion(copy.path),
                                           &cache, std::move(read[i].lines));
                plan.sides = sideNames(copy, fileIsThisPcs[copy.dataFile], plan.copyIsThisPcs);
                if (plan.differences.empty() && plan.leftOut.empty() && !plan.notACopy)
                    applyMerge(edits(), plan); // the same lines: the copy only goes to backup/
                else
                    plans.push_back(std::move(plan));
            } catch (const KorvaneError& error) {
                said << error.message();
            }
        }
        // Journal lines that came since the quests set aside were last merged may decide them otherwise.
        if (!asideCopies_.empty() && journal().entries().size() != asideJournalSeen_)
            for (const Lines& lines : asideCopies_) {
                try {
                    settleSetAside(lines, {}, said);
                } catch (const KorvaneError& error) {
                    said << error.message();
                }
            }
        return plans;
    }

    QStringList Checklist::mergeCopies(std::vector<MergePlan> & plans, const std::string& number) {
        QStringList merged;
        std::vector<std::vector<MergePlan*>> byFile;
        for (MergePlan& plan : plans) {
            const qsizetype at = merged.indexOf(plan.copy.dataFile);
            if (at < 0) {
                merged << plan.copy.dataFile;
                byFile.emplace_back();
            }
            byFile[static_cast<std::size_t>(at < 0 ? merged.size() - 1 : at)].push_back(&plan);
        }
        for (std::vector<MergePlan*>& waiting : byFile)
            mergeCopiesOf(std::move(waiting), number);
        return merged;
    }

    // One save takes every copy, in the order they came, that changes no quest an earlier one of the
    // save changes; one that does waits for the next save, and one that meets a quest written since it
    // was planned is planned again on what the file holds now. Many copies cost a few saves, not one
    // each, and give what merging them one after another gives.
    void Checklist::mergeCopiesOf(std::vector<MergePlan*> waiting, const std::string& number) {
        const auto meets = [](const std::vector<std::string>& quests, const std::set<std::string>& set) {
            return std::any_of(quests.begin(), quests.end(),
                               [&](const std::string& q) { return set.contains(q); });
        };
        std::set<std::string> written;
        const std::vector<KeptVersion> earlier = earlierVersions(waiting.front()->copy.dataFile);
        while (!waiting.empty()) {
            MergeCache cache;
            std::set<std::string> inSave, held;
            std::vector<const MergePlan*> save;
            std::vector<MergePlan*> later;
            for (MergePlan* plan : waiting) {
                std::vector<std::string> quests = mergedQuests(*plan);
                if (!meets(quests, inSave) && !meets(quests, held) && meets(quests, written)) {
                    MergePlan again = planMerge(edits(), plan->copy, earlier, plan->copyIsThisPcs, &cache);
                    carryPicks(*plan, again);
                    *plan = std::move(again);
                    quests = mergedQuests(*plan);
                }
                if (meets(quests, inSave) || meets(quests, held)) {
                    held.insert(quests.begin(), quests.end());
                    later.push_back(plan);
                    continue;
                }
                inSave.insert(quests.begin(), quests.end());
                save.push_back(plan);
            }
            apply(
                QStringLiteral("競合の統合 (%1)").arg(save.front()->copy.dataFile), number,
                [&save](QuestData data, EditStep* step) { applyMerges(data, save, step); },
                JournalCause::Merge);
            written.insert(inSave.begin(), inSave.end());
            waiting = std::move(later);
        }
    }

    void Checklist::offerAgain(const std::vector<MergePlan>& plans) {
        for (const MergePlan& plan : plans)
            offered_.erase(plan.copy.path);
    }

    // The journal's copy needs no question: the union of both keeps every line.
    void Checklist::mergeJournalCopy(const ConflictCopy& copy) {
        try {
            const std::size_t added = journal_.mergeCopy(copy.path);
            moveAside(copy.path);
            journalMerge_ = QStringLiteral("記録の競合コピーを統合しました（%1 行を追加）").arg(added);
        } catch (const KorvaneError& error) {
            journalFailure_ =
                QStringLiteral("記録の競合コピーを統合できませんでした: %1").arg(error.message());
        }
    }

    // Quests set aside need no question either: the union, with the journal deciding where the two
    // versions part. The copy's lines are kept for this run, so that the merge is made again when the
    // journal's lines arrive after it: the order a sync tool delivers files in changes nothing.
    void Checklist::mergeSetAsideCopy(const ConflictCopy& copy, QStringList& said) {
        try {
            Lines lines = readLines(copy.path);
            settleSetAside(lines, copy.path, said);
            asideCopies_.push_back(std::move(lines));
        } catch (const KorvaneError& error) {
            said << error.message();
        }
    }

    void Checklist::settleSetAside(const Lines& copyLines, const QString& copyPath, QStringList& said) {
        asideJournalSeen_ = journal().entries().size();
        Lines merged = mergedSetAside(aside_.lines(), copyLines, setAsideInForce(journal()));
        if (merged == aside_.lines().lines()) {
            if (!copyPath.isEmpty())
                moveAside(copyPath); // it holds nothing this version lacks
            return;
        }
        const auto numbers = [](const Lines& lines) {
            std::set<std::uint16_t> out;
            for (const std::string& line : lines)
                out.insert(setAsideNumber(line));
            return out;
        };
        const std::set<std::uint16_t> before = numbers(aside_.lines().lines()), after = numbers(merged);
        const auto missingFrom = [](const std::set<std::uint16_t>& a, const std::set<std::uint16_t>& b) {
            return std::count_if(a.begin(), a.end(), [&](std::uint16_t n) { return !b.contains(n); });
        };
        QString notMoved; // the merge is written and kept in the history all the same
        apply(
            QStringLiteral("競合の統合 (%1)").arg(files::kSetAside), {},
            [&](QuestData data, EditStep* step) {
                std::vector<ListChange> changes{
                    {&data.aside, 0, data.aside.lines().size(), std::move(merged), true}};
                *step = commit(changes);
                if (copyPath.isEmpty())
                    return;
                try {
                    step->moves.push_back({copyPath, moveAside(copyPath)});
                } catch (const KorvaneError& error) {
                    notMoved = QStringLiteral("統合しましたが、%1").arg(error.message());
                }
            },
            JournalCause::Merge);
        if (!notMoved.isEmpty())
            said << notMoved;
        setAsideMerge_ = QStringLiteral("見送りの競合コピーを統合しました（見送り %1 件、解除 %2 件）")
                             .arg(missingFrom(after, before))
                             .arg(missingFrom(before, after));
    }

} // namespace korvane
