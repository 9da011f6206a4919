#include "ListChange.h"

#include "Errors.h"
#include "LineFile.h"

#include <QDir>
#include <QFile>

namespace korvane {

bool EditStep::inPlace() const {
    for (const Part& part : parts)
        for (const LineRange& range : part.ranges)
            if (range.count != range.insert.size())
                return false;
    return true;
}

bool EditStep::changesNothing() const {
    if (!moves.empty())
        return false;
    for (const Part& part : parts) {
        if (part.fileBefore)
            return false;
        for (const LineRange& range : part.ranges) {
            if (range.count != range.insert.size())
                return false;
            for (std::size_t k = 0; k < range.count; ++k)
                if (part.list->lines()[range.first + k] != range.insert[k])
                    return false;
        }
    }
    return true;
}

std::size_t EditStep::bytes() const {
    const auto of = [](const Lines& lines) {
        std::size_t total = lines.capacity() * sizeof(std::string);
        for (const std::string& line : lines)
            total += line.capacity() > 15 ? line.capacity() + 1 : 0; // beyond the string's own buffer
        return total;
    };
    std::size_t total = parts.capacity() * sizeof(Part);
    for (const Part& part : parts) {
        total += part.ranges.capacity() * sizeof(LineRange) +
                 (part.fileBefore && part.fileBefore->lines ? of(*part.fileBefore->lines) : 0);
        for (const LineRange& range : part.ranges)
            total += of(range.insert);
    }
    return total;
}

EditStep commitEach(const std::vector<StoredList*>& lists, const std::function<ListChange(std::size_t)>& make,
                    const CommitOptions& options) {
    for (const StoredList* list : lists)
        list->requireWritable();
    const QDateTime editTime = QDateTime::currentDateTimeUtc();
    EditStep step;
    QStringList saved;
    const auto stopped = [&](std::size_t i, const KorvaneError& cause) {
        QStringList unsaved;
        for (std::size_t j = i; j < lists.size(); ++j)
            unsaved << lists[j]->path();
        return PartlySavedError(cause, saved, unsaved);
    };
    for (std::size_t i = 0; i < lists.size(); ++i) {
        ListChange change;
        std::optional<FileBefore> fileBefore;
        try {
            // Another program may have written this file while the ones before it were written.
            if (i > 0 && !lists[i]->unchangedOnDisk())
                throw errors::changedOutside(lists[i]->path());
            change = make(i);
            // The first write after a load that cleaned or sorted the file: its lines as they were are
            // kept, so that undoing this edit puts the file back byte for byte.
            if (!change.list->fileHoldsList())
                fileBefore = FileBefore{
                    change.list->fileExists() ? std::optional(readLines(change.list->path())) : std::nullopt};
            if (change.fileAsBefore)
                change.list->putBack(change.fileAsBefore->lines, editTime);
            else
                change.list->write(change.ranges, editTime, options.backupEveryFile);
        } catch (const KorvaneError& error) {
            if (saved.isEmpty())
                throw;
            throw stopped(i, error);
        }
        change.list->take(change.ranges, change.keepsOrder);
        step.parts.push_back({change.list, std::move(change.ranges), std::move(fileBefore)});
        saved << change.list->path();
    }
    return step;
}

EditStep commit(std::vector<ListChange>& changes) {
    std::vector<StoredList*> lists;
    for (const ListChange& change : changes)
        lists.push_back(change.list);
    return commitEach(lists, [&changes](std::size_t i) { return std::move(changes[i]); });
}

void applyStep(EditStep& step) {
    for (const EditStep::Part& part : step.parts)
        part.list->requireWritable();
    std::vector<ListChange> changes;
    for (EditStep::Part& part : step.parts) {
        ListChange change;
        change.list = part.list;
        change.ranges = std::move(part.ranges);
        change.fileAsBefore = std::move(part.fileBefore);
        changes.push_back(std::move(change));
    }
    std::vector<EditStep::Move> moves = std::move(step.moves);
    step = commit(changes);
    for (EditStep::Move& move : moves) {
        if (!QFile::rename(move.to, move.from))
            throw KorvaneError(
                QStringLiteral("ファイル %1 を %2 へ戻せません")
                    .arg(QDir::toNativeSeparators(move.to), QDir::toNativeSeparators(move.from)));
        std::swap(move.from, move.to);
        step.moves.push_back(std::move(move));
    }
}

} // namespace korvane
