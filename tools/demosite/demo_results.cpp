#include "tools/demosite/demo_results.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "settings/base64.h"

namespace demosite {
namespace {

// FNV-1a: a stable number for a keyword and a hit, whatever the platform.
uint32_t mix(std::string_view text, uint32_t salt = 0) {
    uint32_t hash = 2166136261u ^ salt;
    for (char c : text) hash = (hash ^ static_cast<uint8_t>(c)) * 16777619u;
    return hash;
}

uint32_t hitNumber(std::string_view keyword, int index, uint32_t salt) {
    return mix(keyword, salt + static_cast<uint32_t>(index) * 7919u);
}

std::string hex(uint32_t value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "%08X", value);
    return std::string(text).substr(0, static_cast<size_t>(digits));
}

std::string numbered(std::string_view pattern, std::string_view keyword, int number) {
    std::string out;
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern.substr(i, 4) == "{kw}") { out += escapeMarkup(keyword); i += 3; }
        else if (pattern.substr(i, 3) == "{n}") { out += std::to_string(number); i += 2; }
        else out += pattern[i];
    }
    return out;
}

// Titles as an engine shows them: the keyword marked, an entity here and there.
constexpr std::string_view kEngineTitles[] = {
    "<strong>{kw}</strong> 全集 高清资源 第{n}部分_免费高速下载",
    "{kw} 学习资料 &amp; 笔记 合集 {n}",
    "【<strong>{kw}</strong>】网盘分享 - 更新至第{n}期",
    "{kw} 电子书 PDF &amp; EPUB 打包 ({n})",
    "<strong>{kw}</strong> 教程视频 完整版 {n}",
};

constexpr std::string_view kFileTypes[][2] = {
    {"cpill fileType1", "视频"}, {"cpill fileType2", "压缩文件"}, {"cpill fileType3", "文档"},
    {"cpill fileType4", "音乐"}, {"cpill fileType5", "图像"},
};

constexpr std::string_view kMagnetTitles[] = {
    "{kw} 1080P 高清 第{n}集", "{kw} 全集 打包 {n}", "[{kw}] 原声音乐合集 {n}", "{kw} 教程 第{n}课",
};

std::string date(uint32_t seed) {
    char text[16];
    std::snprintf(text, sizeof text, "20%02u-%02u-%02u", 12u + seed % 8, 1 + seed / 8 % 12, 1 + seed / 96 % 28);
    return text;
}

std::string fileSize(uint32_t seed) {
    char text[16];
    std::snprintf(text, sizeof text, "%u.%02u %s", 1 + seed % 900, seed / 900 % 100, seed % 3 ? "MB" : "GB");
    return text;
}

std::string infoHash(std::string_view keyword, int index) {
    std::string out;
    for (uint32_t part = 0; part < 5; ++part) out += hex(hitNumber(keyword, index, 0x51u + part), 8);
    return out;
}

std::string downloadManagerLink(const std::string& magnet) {
    const std::string wrapped = "AA" + magnet + "ZZ";
    return "thunder://" + settings::base64Encode(settings::Bytes(wrapped.begin(), wrapped.end()));
}

MagnetHit magnetHit(std::string_view keyword, std::string_view siteHost, int index) {
    const uint32_t seed = hitNumber(keyword, index, 0x3u);
    const auto& type = kFileTypes[seed % std::size(kFileTypes)];
    const std::string hash = infoHash(keyword, index);
    MagnetHit hit;
    hit.itemLink = "http://" + std::string(siteHost) + "/detail/" + hash + ".html";
    hit.title = numbered(kMagnetTitles[seed % std::size(kMagnetTitles)], keyword, index + 1);
    hit.typeClass = type[0];
    hit.type = type[1];
    hit.created = date(seed);
    hit.sizeAttributes = " class=\"cpill yellow-pill\"";
    hit.size = fileSize(seed / 7);
    hit.heat = std::to_string(seed % 5000);
    hit.lastDownload = date(seed / 3);
    hit.magnet = "magnet:?xt=urn:btih:" + hash;
    hit.downloadManagerLink = downloadManagerLink(hit.magnet);
    for (int file = 1; file <= 1 + static_cast<int>(seed % 3); ++file)
        hit.files.push_back(numbered("{kw}_" + std::to_string(file) + ".mp4 <span>{n} MB</span>", keyword,
                                     static_cast<int>(seed % 700) + file));
    return hit;
}

}  // namespace

int engineResultCount(std::string_view keyword) {
    return 7 + static_cast<int>(mix(keyword) % 1493);
}

std::vector<EngineHit> engineHits(std::string_view keyword, std::string_view shareHost, int first) {
    std::vector<EngineHit> hits;
    const int end = std::min(engineResultCount(keyword), first - 1 + kHitsPerPage);
    for (int index = std::max(first - 1, 0); index < end; ++index) {
        const uint32_t seed = hitNumber(keyword, index, 0x1u);
        hits.push_back({"http://" + std::string(shareHost) + "/s/1" + hex(seed, 8) + hex(seed * 31u, 5),
                        "h=\"ID=SERP," + std::to_string(5000 + index) + ".1\"",
                        numbered(kEngineTitles[seed % std::size(kEngineTitles)], keyword, index + 1)});
    }
    return hits;
}

int magnetResultCount(std::string_view keyword) {
    return 12 + static_cast<int>(mix(keyword, 0x2u) % 240);
}

std::vector<MagnetHit> magnetHits(std::string_view keyword, std::string_view siteHost, int page) {
    std::vector<MagnetHit> hits;
    const int end = std::min(magnetResultCount(keyword), page * kHitsPerPage);
    for (int index = std::max(page - 1, 0) * kHitsPerPage; index < end; ++index)
        hits.push_back(magnetHit(keyword, siteHost, index));
    return hits;
}

std::string withThousands(int number) {
    std::string digits = std::to_string(number), out;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return out;
}

}  // namespace demosite
