// Two PCs that share a folder through a sync tool, each a checklist of its own: random ticks, quests
// set aside and taken back, memos, deliveries of any file in any order, conflicts where both PCs
// changed a file, and clocks a day apart either way. Once every file has been delivered both ways,
// on every input:
//   both PCs hold the same bytes in every file (they converge);
//   the journal holds every line either PC wrote;
//   a flag either PC set stays set unless a PC cleared it;
//   a quest stands set aside exactly as the journal's last word on it says, where it says one.
// The sync tool is modelled as Syncthing behaves: a file changed on one side only replaces the
// other's, one changed on both leaves the arriving version beside it as a conflict copy.

#include "FuzzSupport.h"
#include "editing/Checklist.h"
#include "editing/FlagRules.h"
#include "store/DataFiles.h"
#include "store/LineFile.h"
#include "store/Quest.h"
#include "store/QuestDates.h"

#include <QTemporaryDir>
#include <filesystem>
#include <fuzzer/FuzzedDataProvider.h>
#include <map>
#include <set>

using namespace korvane;

namespace {

constexpr int kQuests = 6;
constexpr std::int64_t kDay = 86400;
const QString kSynced[] = {files::kQuestTable, files::kMemo, files::kSetAside, kJournalFile};

std::string number(int n) {
    char text[8];
    std::snprintf(text, sizeof text, "%04d", n);
    return text;
}

std::string contentOf(const QString& path) {
    return QFileInfo::exists(path) ? readFile(path) : std::string("<none>");
}

struct Pc {
    QString folder;
    std::unique_ptr<Checklist> list;
    std::int64_t skew = 0;
};

class World {
public:
    explicit World(const QString& root) {
        for (int p = 0; p < 2; ++p) {
            pcs_[p].folder = QDir(root).filePath(p == 0 ? QStringLiteral("a") : QStringLiteral("b"));
            QDir().mkpath(pcs_[p].folder);
            std::string table;
            for (int n = 1; n <= kQuests; ++n)
                table += number(n) + ",N,A,q,p,c,0,0,0\r\n";
            for (const QString& name : files::kDataFiles)
                writeBytes(files::inFolder(pcs_[p].folder, name), name == files::kQuestTable ? table : "");
        }
        for (const QString& name : kSynced)
            base_[name] = contentOf(files::inFolder(pcs_[0].folder, name));
        for (int p = 0; p < 2; ++p) {
            Pc& pc = pcs_[p];
            pc.list = std::make_unique<Checklist>(pc.folder);
            // A name of its own each, as two PCs have; the PC's clock, skewed, always moving on.
            pc.list->setClock([this, p] { return 1'800'000'000 + ++ticks_ + pcs_[p].skew; });
            pc.list->load();
        }
    }
    ~World() {
        for (Pc& pc : pcs_)
            QDir(pc.list->known().folder()).removeRecursively();
    }

    Checklist& list(int p) { return *pcs_[p].list; }
    void skew(int p, std::int64_t by) { pcs_[p].skew = by; }

    void tick(int p, int quest, QuestField flag) {
        const std::string n = number(quest);
        const bool set = !flagSet(list(p).QuestList().recordOf(n)[static_cast<std::size_t>(flag)]);
        list(p).apply(QStringLiteral("チェック"), n, [&](QuestData d, EditStep* step) {
            storeFlag(d.table, n, flag, set ? "1" : "0", step);
        });
        (set ? setBy_ : clearedBy_).insert({quest, flag});
    }
    void setAside(int p, int quest) {
        const std::string n = number(quest);
        const bool aside = !list(p).SetAside().holds(number(quest));
        list(p).apply(QStringLiteral("見送り"), n,
                      [&](QuestData d, EditStep* step) { setQuestAside(d, n, aside, "2026/12/10", step); });
    }
    void memo(int p, int quest, int text) {
        const std::string n = number(quest);
        list(p).apply(QStringLiteral("メモ"), n, [&](QuestData d, EditStep* step) {
            saveMemo(d, n, {QStringLiteral("m%1").arg(text)}, step);
        });
    }

    // The sync tool brings one file from PC `from` to the other, which then looks at its folder.
    void deliver(int from, const QString& name) {
        const QString source = files::inFolder(pcs_[from].folder, name),
                      target = files::inFolder(pcs_[1 - from].folder, name);
        const std::string theirs = contentOf(source), mine = contentOf(target);
        if (theirs == mine) {
            base_[name] = theirs;
            return;
        }
        if (theirs == base_[name] || theirs == "<none>")
            return; // nothing new to bring
        // Changed on both: the arrival goes beside as a conflict copy, and the version that settles
        // it supersedes both.
        QString put = target;
        if (mine != base_[name])
            put = files::inFolder(pcs_[1 - from].folder,
                                  QFileInfo(name).completeBaseName() +
                                      QStringLiteral(".sync-conflict-20261211-0%1-ZOVNQVO.")
                                          .arg(++copies_, 5, 10, QLatin1Char('0')) +
                                      QFileInfo(name).suffix());
        base_[name] = theirs;
        writeBytes(put + QStringLiteral(".tmp"), theirs);
        std::filesystem::rename((put + QStringLiteral(".tmp")).toStdString(), put.toStdString());
        look(1 - from);
    }

    // What the window does when the folder changed: read what changed, then merge every copy with
    // the merge's own choices.
    void look(int p) {
        Checklist& l = list(p);
        if (!l.look(true).changed.isEmpty())
            l.load();
        l.journal(); // as the window shows the quest's dates
        QStringList said;
        std::vector<MergePlan> plans = l.newConflictCopies(said);
        if (!plans.empty())
            l.mergeCopies(plans, {});
    }

    bool settled() {
        for (const QString& name : kSynced)
            if (contentOf(files::inFolder(pcs_[0].folder, name)) !=
                contentOf(files::inFolder(pcs_[1].folder, name)))
                return false;
        return true;
    }

    std::set<std::pair<int, QuestField>> setBy_, clearedBy_;

private:
    static void writeBytes(const QString& path, const std::string& bytes) {
        QFile file(path);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }

    Pc pcs_[2];
    std::map<QString, std::string> base_; // each file as both PCs last had it
    std::int64_t ticks_ = 0;
    int copies_ = 0;
};

std::set<std::string> linesOf(const std::string& content) {
    std::set<std::string> out;
    if (content == "<none>")
        return out;
    std::size_t start = 0;
    while (start < content.size()) {
        const std::size_t end = content.find("\r\n", start);
        out.insert(content.substr(start, end - start));
        start = end == std::string::npos ? content.size() : end + 2;
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool environment = [] {
        // On memory: the saves sync every file to the disk.
        qputenv("XDG_STATE_HOME", "/dev/shm/korvane-fuzz-state");
        return true;
    }();
    (void)environment;
    FuzzedDataProvider in(data, size);
    QTemporaryDir root(QStringLiteral("/dev/shm/korvane-converge-XXXXXX"));
    World world(root.path());
    std::set<std::string> written; // every journal line either PC wrote
    const auto noteJournal = [&](int p) {
        for (const std::string& line : linesOf(
                 contentOf(files::inFolder(p == 0 ? root.filePath("a") : root.filePath("b"), kJournalFile))))
            written.insert(line);
    };
    for (int step = 0; step < 24 && in.remaining_bytes() > 0; ++step) {
        const int p = in.ConsumeIntegralInRange<int>(0, 1);
        const int quest = in.ConsumeIntegralInRange<int>(1, kQuests);
        switch (in.ConsumeIntegralInRange<int>(0, 5)) {
        case 0:
            world.tick(p, quest, kOffered);
            break;
        case 1:
            world.tick(p, quest, kCompleted);
            break;
        case 2:
            world.setAside(p, quest);
            break;
        case 3:
            world.memo(p, quest, step);
            break;
        case 4:
            world.deliver(p, kSynced[in.ConsumeIntegralInRange<int>(0, 3)]);
            break;
        default:
            world.skew(p, in.ConsumeIntegralInRange<int>(-1, 1) * kDay);
            break;
        }
        noteJournal(p);
    }
    for (int round = 0; round < 8 && !world.settled(); ++round)
        for (const int from : {0, 1})
            for (const QString& name : kSynced)
                world.deliver(from, name);

    world.look(0);
    FUZZ_REQUIRE(world.settled());
    const std::set<std::string> journal =
        linesOf(contentOf(files::inFolder(root.filePath("a"), kJournalFile)));
    for (const std::string& line : written)
        FUZZ_REQUIRE(journal.contains(line));
    const QuestTable& table = world.list(0).QuestList();
    for (const auto& [quest, flag] : world.setBy_)
        if (!world.clearedBy_.contains({quest, flag}))
            FUZZ_REQUIRE(flagSet(table.recordOf(number(quest))[static_cast<std::size_t>(flag)]));
    const std::vector<std::optional<bool>> inForce = setAsideInForce(world.list(0).journal());
    for (int quest = 1; quest <= kQuests; ++quest)
        if (inForce[static_cast<std::size_t>(quest)])
            FUZZ_REQUIRE(*inForce[static_cast<std::size_t>(quest)] ==
                         world.list(0).SetAside().holds(number(quest)));
    return 0;
}
