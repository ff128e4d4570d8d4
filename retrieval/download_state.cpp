#include "retrieval/download_state.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <set>

#include "platform/text.h"
#include "platform/utf8.h"
#include "retrieval/address.h"

namespace {

using nlohmann::json;

constexpr int kStateVersion = 1;

std::wstring FolderOf(const std::wstring& path) { return SiblingPath(path, L""); }

bool IsHexDigest(const std::string& text) {
    return text.size() == 64 && std::all_of(text.begin(), text.end(),
                                            [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

std::optional<RememberedDownload> RecordFrom(const json& value) {
    if (!value.is_object()) return std::nullopt;
    const auto bytes = [&](const char* key) {
        const auto found = value.find(key);
        return found != value.end() && found->is_string() ? found->get<std::string>() : std::string();
    };
    const auto text = [&](const char* key) { return WideFromUtf8(bytes(key)); };
    RememberedDownload record{text("etag"), text("lastModified"), 0, bytes("sha256"), text("target")};
    const auto size = value.find("size");
    if (size == value.end() || !size->is_number_unsigned() || !IsHexDigest(record.sha256) || record.target.empty() ||
        HasControlCharacter(record.etag) || HasControlCharacter(record.lastModified))
        return std::nullopt;
    record.size = size->get<std::uint64_t>();
    if (const auto modified = value.find("modified"); modified != value.end() && modified->is_number_unsigned())
        record.modified = modified->get<std::uint64_t>();
    return record;
}

// The words the file keeps for each result; a status with none is not kept.
constexpr std::pair<EntryResult, const char*> kResultWords[] = {
    {EntryResult::Downloaded, "downloaded"}, {EntryResult::Unchanged, "unchanged"}, {EntryResult::Failed, "failed"}};

// Nothing for a result that is not kept.
const char* ResultWord(EntryResult result) {
    const auto kind = std::find_if(std::begin(kResultWords), std::end(kResultWords),
                                   [&](const auto& known) { return result == known.first; });
    return kind == std::end(kResultWords) ? nullptr : kind->second;
}

json ResultValue(const EntryStatus& status) {
    const LocalTime& t = status.time;
    return {{"result", ResultWord(status.result)},
            {"failedRuns", status.failedRuns},
            {"time", {t.year, t.month, t.day, t.hour, t.minute, t.second}},
            {"words", Utf8FromWide(status.words)},
            {"bytes", status.bytes},
            {"target", Utf8FromWide(status.targetPath)}};
}

std::optional<EntryStatus> ResultFrom(const json& value) {
    if (!value.is_object()) return std::nullopt;
    const auto result = value.find("result");
    const auto failedRuns = value.find("failedRuns");
    const auto time = value.find("time");
    const auto words = value.find("words");
    const auto bytes = value.find("bytes");
    const auto target = value.find("target");
    if (result == value.end() || !result->is_string() || failedRuns == value.end() ||
        !failedRuns->is_number_unsigned() || time == value.end() || !time->is_array() || time->size() != 6 ||
        words == value.end() || !words->is_string() || bytes == value.end() || !bytes->is_number_unsigned() ||
        target == value.end() || !target->is_string())
        return std::nullopt;
    EntryStatus status;
    const auto kind = std::find_if(std::begin(kResultWords), std::end(kResultWords),
                                   [&](const auto& known) { return *result == known.second; });
    if (kind == std::end(kResultWords)) return std::nullopt;
    status.result = kind->first;
    int fields[6] = {};
    for (size_t i = 0; i < 6; ++i) {
        const json& field = (*time)[i];
        if (!field.is_number_integer()) return std::nullopt;
        fields[i] = field.get<int>();
    }
    status.time = {fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]};
    // A streak belongs to failures only.
    status.failedRuns = status.result == EntryResult::Failed ? failedRuns->get<unsigned>() : 0;
    status.words = WideFromUtf8(words->get<std::string>());
    status.bytes = bytes->get<std::uint64_t>();
    status.targetPath = WideFromUtf8(target->get<std::string>());
    return status;
}

std::optional<json> ReadDocument(std::string_view text) {
    json document = json::parse(text, nullptr, false);
    if (!document.is_object()) return std::nullopt;
    const auto version = document.find("version");
    const auto addresses = document.find("addresses");
    if (version == document.end() || *version != kStateVersion || addresses == document.end() ||
        !addresses->is_object())
        return std::nullopt;
    return document;
}

}  // namespace

std::string StateFileText(const DownloadState& state, const std::vector<std::wstring>& queued,
                          const RememberedResults& results) {
    const std::set<std::wstring> stillQueued(queued.begin(), queued.end());
    json addresses = json::object();
    for (const auto& [address, record] : state) {
        if (!stillQueued.contains(address)) continue;
        addresses[Utf8FromWide(address)] = {{"etag", Utf8FromWide(record.etag)},
                                            {"lastModified", Utf8FromWide(record.lastModified)},
                                            {"size", record.size},
                                            {"sha256", record.sha256},
                                            {"target", Utf8FromWide(record.target)},
                                            {"modified", record.modified}};
    }
    json kept = json::object();
    for (const auto& [address, status] : results) {
        if (stillQueued.contains(address) && ResultWord(status.result))
            kept[Utf8FromWide(address)] = ResultValue(status);
    }
    return json{{"version", kStateVersion}, {"addresses", std::move(addresses)}, {"results", std::move(kept)}}.dump(
               1, '\t') +
           "\n";
}

std::optional<StateFile> ParseStateFile(std::string_view text) {
    const std::optional<json> document = ReadDocument(text);
    if (!document) return std::nullopt;
    StateFile state;
    for (const auto& [address, value] : document->at("addresses").items()) {
        if (std::optional<RememberedDownload> record = RecordFrom(value))
            state.downloads.emplace(WideFromUtf8(address), std::move(*record));
    }
    const auto kept = document->find("results");
    if (kept == document->end() || !kept->is_object()) return state;
    for (const auto& [address, value] : kept->items()) {
        if (std::optional<EntryStatus> status = ResultFrom(value))
            state.results.emplace(WideFromUtf8(address), *status);
    }
    return state;
}

bool SamePlace(const std::wstring& rememberedTarget, const std::wstring& target, NamingConvention convention) {
    if (convention == NamingConvention::OriginalName) return EqualNoCase(rememberedTarget, target);
    return EqualNoCase(FolderOf(rememberedTarget), FolderOf(target));
}

KnownCopy PlanRevalidation(const RememberedDownload* remembered, bool copyIntact, const std::wstring& target,
                           NamingConvention convention, bool skipUnchanged) {
    if (!remembered || !copyIntact || !SamePlace(remembered->target, target, convention)) return {};
    KnownCopy copy;
    copy.sha256 = remembered->sha256;
    copy.keepUnchanged = convention == NamingConvention::OriginalName || skipUnchanged;
    if (copy.keepUnchanged) {
        copy.ifNoneMatch = remembered->etag;
        copy.ifModifiedSince = remembered->lastModified;
    }
    return copy;
}

std::optional<RememberedDownload> UpdatedRecord(const RememberedDownload* remembered, const DownloadOutcome& outcome) {
    if (!outcome.Succeeded()) return std::nullopt;
    if (!outcome.storedPath.empty())
        return RememberedDownload{outcome.etag, outcome.lastModified, outcome.bytes, outcome.sha256,
                                  outcome.storedPath};
    if (!remembered || !outcome.unchanged || outcome.status == kHttpNotModified) return std::nullopt;
    RememberedDownload record = *remembered;
    record.etag = outcome.etag;
    record.lastModified = outcome.lastModified;
    return record;
}
