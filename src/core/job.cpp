#include "core/job.h"

#include <cmath>
#include <nlohmann/json.hpp>

#include "core/catalogue.h"
#include "core/export_range.h"

namespace korvel {
namespace {

using Json = nlohmann::ordered_json;

// The most fittings of one kind an entry counts: more than any order holds,
// and far from overflowing a count of pieces.
constexpr long long kMaxQuantity = 1000000;

constexpr const char* kKnownFields[] = {"format", "version", "name", "customer", "drawing", "material", "entries"};
constexpr const char* kEntryFields[] = {"mark", "fitting", "quantity", "inputs", "choices"};

bool known(const std::string& key, const auto& names) {
    for (const char* name : names)
        if (key == name) return true;
    return false;
}

// A value as the file writes it, for a message: "\"abc\"", 2.5, null.
std::string shownValue(const Json& value) {
    return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

// A box text or choice from the file: a text as it is, a number as written.
std::optional<std::string> valueText(const Json& value) {
    if (value.is_string()) return value.get<std::string>();
    if (value.is_number()) return value.dump();
    return std::nullopt;
}

// Reads what an entry holds into `entry`; the faults found, one each (empty: read).
std::vector<std::string> readEntry(const Json& item, JobEntry& entry) {
    std::vector<std::string> faults;
    if (!item.is_object()) return {"应为一个对象（{…}）"};
    for (const auto& [key, value] : item.items())
        if (!known(key, kEntryFields)) faults.push_back("未知的字段“" + key + "”");
    if (const auto mark = item.find("mark"); mark != item.end()) {
        if (mark->is_string()) entry.mark = mark->get<std::string>();
        else faults.push_back("“mark”（件号）应为文字");
    }
    const auto quantity = item.find("quantity");
    if (quantity == item.end()) {
        faults.push_back("缺少“quantity”（数量）");
    } else if (!quantity->is_number_integer() || quantity->get<long long>() < 1 ||
               quantity->get<long long>() > kMaxQuantity) {
        faults.push_back("“quantity”（数量）应为 1 到 " + std::to_string(kMaxQuantity) + " 的整数，文件中是 " +
                         shownValue(*quantity));
    } else {
        entry.quantity = static_cast<int>(quantity->get<long long>());
    }
    const auto fitting = item.find("fitting");
    const WindowDesign* design = nullptr;
    if (fitting == item.end()) {
        faults.push_back("缺少“fitting”（配件）");
    } else if (!fitting->is_string()) {
        faults.push_back("“fitting”（配件）应为文字，文件中是 " + shownValue(*fitting));
    } else {
        entry.fitting = fitting->get<std::string>();
        design = patternDesign(entry.fitting);
        if (design == nullptr) faults.push_back("未知的配件“" + entry.fitting + "”");
    }
    if (design == nullptr) return faults;

    std::vector<NamedInput> inputs;
    if (const auto given = item.find("inputs"); given != item.end()) {
        if (!given->is_object()) faults.push_back("“inputs”（输入）应为一个对象（{…}）");
        else
            for (const auto& [name, value] : given->items()) {
                const std::optional<std::string> text = valueText(value);
                if (!hasInput(*design, name)) faults.push_back("配件 " + entry.fitting + " 没有输入“" + name + "”");
                else if (!text) faults.push_back("输入“" + name + "”应为文字或数字，文件中是 " + shownValue(value));
                else inputs.emplace_back(name, *text);
            }
    }
    FormState state = design->presetState();
    for (int pass = 0; pass < 2; ++pass)
        for (const auto& [name, value] : inputs)
            if (picksVariant(*design, name) == (pass == 0) && !applyInput(*design, entry.fitting, state, name, value).empty())
                faults.push_back("输入“" + name + "”的值“" + value + "”不可用");
    entry.inputs = namedInputs(*design, state);

    ExportChoices choices;
    if (const auto given = item.find("choices"); given != item.end()) {
        if (!given->is_object()) faults.push_back("“choices”（导出选项）应为一个对象（{…}）");
        else
            for (const auto& [name, value] : given->items()) {
                const std::optional<std::string> text = valueText(value);
                if (!isExportChoice(name)) faults.push_back("未知的导出选项“" + name + "”");
                else if (!text || !applyExportChoice(*design, name, *text, choices).empty())
                    faults.push_back("导出选项“" + name + "”的值 " + shownValue(value) + " 不可用");
                else entry.choices.emplace_back(name, *text);
            }
    }
    if (choices.plateThickness && windowGivesThickness(*design, state))
        faults.push_back("“plate-t”只用于没有板厚输入的配件，此配件已有板厚 t");
    return faults;
}

// A job field of text: read into `field`, or named in the problems.
void readText(const Json& root, const char* key, const char* what, std::string& field, JobReading& reading) {
    const auto found = root.find(key);
    if (found == root.end()) return;
    if (found->is_string()) {
        field = found->get<std::string>();
        return;
    }
    reading.problems.push_back(std::string("“") + key + "”（" + what + "）应为文字，文件中是 " + shownValue(*found) +
                               "，未读入；保存会改写它。");
    reading.keepsAll = false;
}

void readMaterial(const Json& root, Material& material, JobReading& reading) {
    const auto found = root.find("material");
    const Material preset = materialPresets().front();
    const std::string fallback = "按" + preset.name + " 7.85 g/cm³ 计";
    if (found == root.end()) {
        reading.problems.push_back("缺少“material”（材料），" + fallback + "。");
        return;
    }
    const bool read = found->is_object() && found->contains("name") && (*found)["name"].is_string() &&
                      found->contains("density") && (*found)["density"].is_number() &&
                      std::isfinite((*found)["density"].get<double>()) && (*found)["density"].get<double>() > 0 &&
                      (*found)["density"].get<double>() < 100;
    if (!read) {
        reading.problems.push_back("“material”（材料）应有文字“name”和大于 0 的“density”（g/cm³），文件中是 " +
                                   shownValue(*found) + "，" + fallback + "；保存会改写它。");
        reading.keepsAll = false;
        return;
    }
    material = {(*found)["name"].get<std::string>(), (*found)["density"].get<double>()};
}

}  // namespace

const std::vector<Material>& materialPresets() {
    static const std::vector<Material> presets{{"碳钢", 7.85}, {"不锈钢", 7.93}, {"铝", 2.70}};
    return presets;
}

std::string refusalLine(const Outcome& rejection) {
    std::string text;
    for (const auto& effect : rejection.effects)
        if (const auto* message = std::get_if<ShowMessage>(&effect))
            for (char c : (text.empty() ? "" : " ") + message->text)
                if (c != '\n' && c != '\r') text += c;
    return text;
}

std::vector<DevelopedEntry> developedEntries(const Job& job, std::vector<std::string>& leftOut) {
    std::vector<DevelopedEntry> developed;
    for (size_t i = 0; i < job.entries.size(); ++i) {
        const JobEntry& entry = job.entries[i];
        const std::string label = entryLabel(i, entry.mark);
        if (!entry.readable()) {
            leftOut.push_back(label + "：此项未读入");
            continue;
        }
        PatternExport e = entryPattern(job, entry);
        if (e.rejected()) {
            leftOut.push_back(label + "：配件 " + entry.fitting + " 不接受这些输入：" + refusalLine(e.rejection));
            continue;
        }
        developed.push_back({i, &entry, std::move(e)});
    }
    return developed;
}

std::string entryLabel(size_t index, const std::string& mark) {
    const std::string number = "第 " + std::to_string(index + 1) + " 项";
    return mark.empty() ? number : number + "（" + mark + "）";
}

JobReading readJob(const std::string& bytes) {
    JobReading reading;
    Json root;
    try {
        root = Json::parse(bytes);
    } catch (const Json::parse_error& e) {
        reading.problems.push_back("任务文件不是可读的 JSON 文本（第 " + std::to_string(e.byte) +
                                   " 个字节处有误），未打开。");
        return reading;
    }
    if (!root.is_object() || !root.contains("format") || root["format"] != kJobFormat) {
        reading.problems.push_back(std::string("这不是任务文件（没有 \"format\": \"") + kJobFormat + "\"），未打开。");
        return reading;
    }
    if (!root.contains("version") || !root["version"].is_number_integer()) {
        reading.problems.push_back("任务文件没有可读的版本号“version”，未打开。");
        return reading;
    }
    if (root["version"].get<long long>() != kJobVersion) {
        reading.problems.push_back("任务文件的版本是 " + shownValue(root["version"]) + "，本程序只读版本 " +
                                   std::to_string(kJobVersion) + "，未打开。");
        return reading;
    }
    Job job;
    readText(root, "name", "任务名称", job.name, reading);
    readText(root, "customer", "客户", job.customer, reading);
    readText(root, "drawing", "图号", job.drawing, reading);
    readMaterial(root, job.material, reading);
    Json unknown = Json::object();
    for (const auto& [key, value] : root.items())
        if (!known(key, kKnownFields)) unknown[key] = value;
    if (!unknown.empty()) job.unknownFields = unknown.dump();

    const auto entries = root.find("entries");
    if (entries == root.end()) {
        reading.problems.push_back("缺少“entries”（各项），任务是空的。");
    } else if (!entries->is_array()) {
        reading.problems.push_back("“entries”（各项）应为一个数组（[…]），未读入；保存会改写它。");
        reading.keepsAll = false;
    } else {
        for (const Json& item : *entries) {
            JobEntry entry;
            const std::vector<std::string> faults = readEntry(item, entry);
            const std::string label = entryLabel(job.entries.size(), entry.mark);
            if (!faults.empty()) {
                for (const std::string& fault : faults) reading.problems.push_back(label + "：" + fault + "，此项未读入。");
                JobEntry kept;
                kept.mark = entry.mark;
                kept.unread = item.dump(-1, ' ', false, Json::error_handler_t::replace);
                job.entries.push_back(std::move(kept));
                continue;
            }
            const PatternExport pattern = entryPattern(job, entry);
            if (pattern.rejected())
                reading.problems.push_back(label + "：配件 " + entry.fitting + " 不接受这些输入：" +
                                           refusalLine(pattern.rejection) + "（此项已读入，不能展开）");
            job.entries.push_back(std::move(entry));
        }
    }
    reading.job = std::move(job);
    return reading;
}

std::string jobBytes(const Job& job) {
    Json root = Json::object();
    root["format"] = kJobFormat;
    root["version"] = kJobVersion;
    root["name"] = job.name;
    root["customer"] = job.customer;
    root["drawing"] = job.drawing;
    root["material"] = Json{{"name", job.material.name}, {"density", job.material.density}};
    Json entries = Json::array();
    for (const JobEntry& entry : job.entries) {
        if (!entry.readable()) {
            entries.push_back(Json::parse(entry.unread));
            continue;
        }
        Json inputs = Json::object(), choices = Json::object();
        for (const auto& [name, value] : entry.inputs) inputs[name] = value;
        for (const auto& [name, value] : entry.choices) choices[name] = value;
        entries.push_back(Json{{"mark", entry.mark},
                               {"fitting", entry.fitting},
                               {"quantity", entry.quantity},
                               {"inputs", std::move(inputs)},
                               {"choices", std::move(choices)}});
    }
    root["entries"] = std::move(entries);
    if (!job.unknownFields.empty()) {
        const Json unknown = Json::parse(job.unknownFields);
        for (const auto& [key, value] : unknown.items())
            if (!known(key, kKnownFields)) root[key] = value;
    }
    // Text that is not UTF-8 (a mark typed in another encoding) is written
    // as U+FFFD: the file stays JSON.
    return root.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

EntryMaking makeEntry(const std::string& fitting, const std::vector<NamedInput>& inputs,
                      const std::vector<NamedInput>& choices) {
    EntryMaking making;
    const WindowDesign* design = patternDesign(fitting);
    if (design == nullptr) {
        making.error = "unknown FITTING '" + fitting + "' (try korvel --help)";
        return making;
    }
    FormState state = design->presetState();
    making.error = applyInputs(*design, fitting, state, inputs);
    ExportChoices chosen;
    for (const auto& [name, value] : choices)
        if (making.error.empty()) making.error = applyExportChoice(*design, name, value, chosen);
    if (making.error.empty() && chosen.plateThickness && windowGivesThickness(*design, state))
        making.error = "plate-t is for a window without a plate thickness; " + fitting + " has its own, t=" +
                       state.text(design->input("t")->box.key());
    if (!making.error.empty()) return making;
    making.entry.fitting = fitting;
    making.entry.inputs = namedInputs(*design, state);
    making.entry.choices = choices;
    return making;
}

EntryInputs entryInputs(const JobEntry& entry) {
    EntryInputs in;
    if (!entry.readable()) return in;
    in.design = patternDesign(entry.fitting);
    if (in.design == nullptr) return in;
    in.state = in.design->presetState();
    applyInputs(*in.design, entry.fitting, in.state, entry.inputs);
    for (const auto& [name, value] : entry.choices) applyExportChoice(*in.design, name, value, in.choices);
    return in;
}

PatternExport entryPattern(const Job& job, const JobEntry& entry) {
    const EntryInputs in = entryInputs(entry);
    if (in.design == nullptr) {
        PatternExport refused;
        refused.rejection.effect(ShowMessage{"此项未读入，不能展开。", MessageIcon::Error, "错误："});
        refused.rejection.stopped = true;
        return refused;
    }
    PatternExport pattern = exportedPattern(*in.design, in.state, in.choices);
    if (!pattern.rejected()) pattern.job = jobTitle(job, entry);
    return pattern;
}

JobTitle jobTitle(const Job& job, const JobEntry& entry) {
    return {job.name, job.customer, job.drawing, entry.mark, job.material.name, job.material.density, entry.quantity};
}

}  // namespace korvel
