#include "OverviewExport.h"

#include "store/UiText.h"

namespace korvane {
namespace {

QString csvField(const QString& field) {
    if (!field.contains(QLatin1Char(',')) && !field.contains(QLatin1Char('"')) &&
        !field.contains(QLatin1Char('\n')) && !field.contains(QLatin1Char('\r')))
        return field;
    QString quoted = field;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

std::string csvLine(const QStringList& fields) {
    QStringList out;
    for (const QString& field : fields)
        out << csvField(field);
    return out.join(QLatin1Char(',')).toStdString();
}

const std::string kByteOrderMark = "\xEF\xBB\xBF";

} // namespace

std::vector<std::string> overviewCsv(const ProgressOverview& overview, const QString& mine,
                                     const std::vector<std::pair<QString, ProgressOverview>>& others) {
    QStringList header{QStringLiteral("国"), QStringLiteral("地域")};
    for (const char16_t* column : {u"クエスト", u"完了", u"残り", u"見送り", u"完了の割合(%)"})
        header << mine + QLatin1Char(' ') + QString::fromUtf16(column);
    for (const auto& [name, unused] : others)
        header << name + QStringLiteral(" 完了") << name + QStringLiteral(" クエスト（見送りを除く）");
    std::vector<std::string> lines{kByteOrderMark + csvLine(header)};
    const auto add = [&](const QString& nation, const QString& area, const ProgressCounts& counts,
                         const auto& theirs) {
        QStringList fields{nation,
                           area,
                           QString::number(counts.quests),
                           QString::number(counts.completed),
                           QString::number(counts.left()),
                           QString::number(counts.setAside),
                           QString::number(counts.percentDone())};
        for (const auto& [name, other] : others) {
            const ProgressCounts their = theirs(other);
            fields << QString::number(their.completed) << QString::number(their.quests - their.setAside);
        }
        lines.push_back(csvLine(fields));
    };
    for (const NationProgress& nation : overview.nations) {
        add(toUi(nation.nation), QString(), nation.counts,
            [&](const ProgressOverview& o) { return countsIn(o, nation.nation, std::nullopt); });
        for (const AreaProgress& area : nation.areas)
            add(toUi(nation.nation), area.area.empty() ? QStringLiteral("（地域なし）") : toUi(area.area),
                area.counts,
                [&](const ProgressOverview& o) { return countsIn(o, nation.nation, area.area); });
    }
    add(QStringLiteral("合計"), QString(), overview.total, [](const ProgressOverview& o) { return o.total; });
    return lines;
}

} // namespace korvane
