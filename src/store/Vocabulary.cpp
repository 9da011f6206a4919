#include "Vocabulary.h"

#include "Cp932.h"

namespace korvane::vocabulary {
namespace {

struct Nation {
    std::string name;
    std::vector<std::string> areas;
};

std::vector<std::string> encodeAll(std::initializer_list<std::string_view> texts) {
    std::vector<std::string> out;
    for (std::string_view text : texts)
        out.push_back(cp932::fromUtf8(text));
    return out;
}

const std::vector<Nation>& table() {
    static const std::vector<Nation> nations = {
        {cp932::fromUtf8("ウィンダス"), encodeAll({"石の区", "水の区", "森の区", "港", "天の塔"})},
        {cp932::fromUtf8("サンドリア"),
         encodeAll({"南サンドリア", "北サンドリア", "サンドリア港", "ドラギーユ城"})},
        {cp932::fromUtf8("バストゥーク"), encodeAll({"商業区", "鉱山区", "港区", "大工房"})},
        // The dot is the full-width middle dot, 0x81 0x45.
        {cp932::fromUtf8("ジュノ"), encodeAll({"ル・ルデの庭", "ジュノ上層", "ジュノ下層", "ジュノ港"})},
        {cp932::fromUtf8("マウラ"), encodeAll({"マウラ"})},
        {cp932::fromUtf8("セルビナ"), encodeAll({"セルビナ"})},
        {cp932::fromUtf8("ジラート"), {}},
    };
    return nations;
}

} // namespace

const std::vector<std::string>& nations() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> out;
        for (const Nation& nation : table())
            out.push_back(nation.name);
        return out;
    }();
    return names;
}

const std::string& allNations() {
    static const std::string text = cp932::fromUtf8("全国");
    return text;
}

const std::string& allAreas() {
    static const std::string text = cp932::fromUtf8("全地域");
    return text;
}

std::vector<std::string> areasOf(std::string_view nation) {
    for (const Nation& entry : table())
        if (entry.name == nation)
            return entry.areas;
    return {};
}

} // namespace korvane::vocabulary
