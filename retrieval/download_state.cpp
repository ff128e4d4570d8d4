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

}  // namespace

std::string StateFileText(const DownloadState& state, const std::vector<std::wstring>& queued) {
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
    return json{{"version", kStateVersion}, {"addresses", std::move(addresses)}}.dump(1, '\t') + "\n";
}

std::optional<DownloadState> ParseStateFile(std::string_view text) {
    const json document = json::parse(text, nullptr, false);
    if (!document.is_object()) return std::nullopt;
    const auto version = document.find("version");
    const auto addresses = document.find("addresses");
    if (version == document.end() || *version != kStateVersion || addresses == document.end() ||
        !addresses->is_object())
        return std::nullopt;
    DownloadState state;
    for (const auto& [address, value] : addresses->items()) {
        if (std::optional<RememberedDownload> record = RecordFrom(value))
            state.emplace(WideFromUtf8(address), std::move(*record));
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
