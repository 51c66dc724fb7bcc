#include "detect/edid.h"

#include <algorithm>
#include <iterator>
#include <numeric>

#include "detect/timings.h"

namespace vexmora {

namespace {

constexpr std::size_t kBlock = 128;
constexpr std::uint8_t kHeader[] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
constexpr std::size_t kDescriptors[] = {54, 72, 90, 108};
constexpr std::size_t kDescriptorSize = 18;
constexpr std::uint8_t kRangeLimitsTag = 0xFD;
constexpr std::uint8_t kCtaTag = 0x02;
constexpr int kVideoDataBlock = 2;

// The established timings of bytes 35 and 36 that the program has rows for: byte, bit, mode.
struct Established {
    std::size_t byte;
    int bit;
    int width;
    int height;
    int rate;
};
constexpr Established kEstablished[] = {
    {35, 5, 640, 480, 60},  {35, 3, 640, 480, 72},   {35, 2, 640, 480, 75},  {35, 0, 800, 600, 60},
    {36, 7, 800, 600, 72},  {36, 6, 800, 600, 75},   {36, 3, 1024, 768, 60}, {36, 2, 1024, 768, 70},
    {36, 1, 1024, 768, 75}, {36, 0, 1280, 1024, 75},
};

// The CTA-861 video formats on the rows above 60 Hz, by their video identification code.
struct VideoFormat {
    int vic;
    ListedMode mode;
};
constexpr VideoFormat kVideoFormats[] = {
    {63, {1920, 1080, 120, WholeKHz(135000)}},
    {64, {1920, 1080, 100, WholeKHz(112500)}},
};

bool SumsToZero(const std::uint8_t* block) {
    return std::accumulate(block, block + kBlock, 0u) % 256 == 0;
}

// A mode with the timing a standard names for it: DMT's where it defines one, else GTF's.
ListedMode Standard(int width, int height, int rate) {
    const int dmt = DmtHorizontalHz(width, height, rate);
    return {width, height, rate, WholeKHz(dmt != 0 ? dmt : GtfHorizontalHz(height, rate))};
}

// Bytes 38 to 53: eight two-byte standard timings, "01 01" where unused.
void AddStandardTimings(const std::uint8_t* e, std::vector<ListedMode>& listed) {
    for (std::size_t at = 38; at < 54; at += 2) {
        if (e[at] == 0x01 && e[at + 1] == 0x01) continue;
        const int width = (e[at] + 31) * 8;
        // The aspect ratio, height to width; code 0 was 1:1 before EDID 1.3 and is 16:10 since.
        const int aspect[4][2] = {
            {e[19] >= 3 ? 10 : 1, e[19] >= 3 ? 16 : 1}, {3, 4}, {4, 5}, {9, 16}};
        const auto& [num, den] = aspect[e[at + 1] >> 6];
        listed.push_back(Standard(width, width * num / den, (e[at + 1] & 0x3F) + 60));
    }
}

// A detailed timing descriptor (its pixel clock not zero), unless interlaced: the rate is
// the pixel clock over the total pixels of a frame, the horizontal frequency over those of
// a line.
void AddDetailedTiming(const std::uint8_t* d, std::vector<ListedMode>& listed) {
    const std::int64_t clock = (d[0] | d[1] << 8) * std::int64_t{10000};  // in Hz
    if (clock == 0 || (d[17] & 0x80) != 0) return;
    // Each size: a low byte, and its top four bits in a byte shared with another size.
    const int width = d[2] | (d[4] & 0xF0) << 4;
    const int hBlank = d[3] | (d[4] & 0x0F) << 8;
    const int height = d[5] | (d[7] & 0xF0) << 4;
    const int vBlank = d[6] | (d[7] & 0x0F) << 8;
    const std::int64_t line = width + hBlank;
    const std::int64_t frame = line * (height + vBlank);
    if (frame == 0) return;
    listed.push_back({width, height, int((clock + frame / 2) / frame),
                      int((clock + line * 500) / (line * 1000))});
}

// A short video descriptor: its top bit flags a native format among codes 1 to 64, and is
// part of the codes from 193 on, none of which is among the program's.
void AddShortVideo(std::uint8_t svd, std::vector<ListedMode>& listed) {
    const int vic = svd & 0x7F;
    for (const VideoFormat& f : kVideoFormats) {
        if (f.vic == vic) listed.push_back(f.mode);
    }
}

// A CTA-861 extension: the short video descriptors of its video data blocks, which lie
// from byte 4 up to the offset in byte 2, then detailed timings from there to the checksum.
// Whatever runs past its bounds ends the reading.
void AddCtaModes(const std::uint8_t* b, std::vector<ListedMode>& listed) {
    const std::size_t end = b[2];
    if (b[0] != kCtaTag || !SumsToZero(b) || end >= kBlock) return;
    for (std::size_t at = 4, next = 0; at < end; at = next) {
        next = at + 1 + (b[at] & 0x1F);  // a header byte: tag and length
        if (next > end) break;
        if (b[at] >> 5 == kVideoDataBlock) {
            std::for_each(b + at + 1, b + next,
                          [&](std::uint8_t svd) { AddShortVideo(svd, listed); });
        }
    }
    for (std::size_t at = end; at >= 4 && at + kDescriptorSize < kBlock && (b[at] | b[at + 1]) != 0;
         at += kDescriptorSize) {
        AddDetailedTiming(b + at, listed);
    }
}

}  // namespace

std::optional<MonitorRange> ParseEdid(const std::vector<std::uint8_t>& edid) {
    if (edid.size() < kBlock || !std::equal(std::begin(kHeader), std::end(kHeader), edid.begin()))
        return std::nullopt;
    if (!SumsToZero(edid.data()) || edid[18] != 1) return std::nullopt;
    std::optional<MonitorRange> range;
    std::vector<ListedMode> listed;
    for (const Established& t : kEstablished) {
        if ((edid[t.byte] >> t.bit & 1) != 0) listed.push_back(Standard(t.width, t.height, t.rate));
    }
    AddStandardTimings(edid.data(), listed);
    for (const std::size_t at : kDescriptors) {
        const std::uint8_t* d = edid.data() + at;
        AddDetailedTiming(d, listed);
        // Byte 2 is reserved; a few monitors set it, and decoders read the range all the same.
        if (range || d[0] != 0 || d[1] != 0 || d[3] != kRangeLimitsTag) continue;
        // EDID 1.4 adds 255 to a maximum whose offset flag is set.
        const std::uint8_t flags = edid[19] >= 4 ? d[4] : 0;
        range = MonitorRange{
            d[6] + ((flags & 0x02) != 0 ? 255 : 0), d[8] + ((flags & 0x08) != 0 ? 255 : 0), {}};
    }
    const std::size_t extensions = std::min<std::size_t>(edid[126], edid.size() / kBlock - 1);
    for (std::size_t i = 1; i <= extensions; ++i) AddCtaModes(edid.data() + i * kBlock, listed);
    if (range) range->listed = std::move(listed);
    return range;
}

}  // namespace vexmora
