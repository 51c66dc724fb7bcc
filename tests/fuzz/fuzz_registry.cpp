// The registry helpers against a hostile registry: any type and size, missing terminators,
// embedded NULs, a first answer that lies, a value that changes between the two queries,
// a key that will not open, refused creates and sets. Each run checks the exact answer.
// Every choice but the bytes of values and texts is read from the input's end; the seeds
// include a value that grew, shrank, claimed 3 GB or became a number between the queries,
// a valid EDID block, and an EDID with CTA-861 and DisplayID extensions in what remains.
#include <fuzzer/FuzzedDataProvider.h>

#include "fakes.h"
#include "detect/edid.h"
#include "registry/settings.h"

namespace {

using namespace vexmora;
using fake::Require;
const std::string kPath = "SOFTWARE\\Fuzz";

struct Hostile : fake::Registry {
    bool openFails = false, lies = false, grows = false;
    std::uint32_t claimed = 0;
    Value grown;
    long Open(RegKey root, const std::string& path, RegKey* key) override {
        return openFails ? kErrorFileNotFound : fake::Registry::Open(root, path, key);
    }
    long QueryValue(RegKey key, const std::string& name, std::uint32_t* type, std::uint8_t* data,
                    std::uint32_t* size) override {
        if (data != nullptr && grows) keys["hklm\\software\\fuzz"]["v"] = grown;
        const long status = fake::Registry::QueryValue(key, name, type, data, size);
        if (data == nullptr && lies) *size = claimed;
        return status;
    }
};

// What GetSettingString must answer: the text the second query finds, in a buffer sized
// by the first answer, cut at its first NUL; the default when either query cannot be used or
// either finds no text. A value that shrank leaves spaces where it ended.
std::string ExpectedText(const Hostile& reg, const fake::Registry::Value& first) {
    const fake::Registry::Value& second = reg.grows ? reg.grown : first;
    const std::uint32_t size = reg.lies ? reg.claimed : std::uint32_t(first.second.size());
    if (reg.openFails || first.first != kRegSz || second.first != kRegSz ||
        size < second.second.size() || size > (64u << 20))
        return "dflt";
    std::string buffer(second.second.begin(), second.second.end());
    buffer.resize(size, ' ');
    return buffer.substr(0, buffer.find('\0'));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    Hostile reg;
    reg.openFails = in.ConsumeBool();
    reg.lies = in.ConsumeBool();
    reg.grows = in.ConsumeBool();
    reg.refuseWrites = in.ConsumeBool();
    reg.claimed = in.ConsumeBool() ? in.ConsumeIntegral<std::uint32_t>()
                                   : in.ConsumeIntegralInRange<std::uint32_t>(0, 64);
    const fake::Registry::Value stored = {
        in.ConsumeIntegralInRange<std::uint32_t>(0, 8),
        in.ConsumeBytes<std::uint8_t>(in.ConsumeIntegral<std::uint8_t>())};
    reg.grown = {in.ConsumeIntegralInRange<std::uint32_t>(0, 8),
                 in.ConsumeBytes<std::uint8_t>(in.ConsumeIntegral<std::uint8_t>())};
    reg.Put(kPath, "V", stored.first, stored.second);

    Require(
        GetSettingString(reg, kHKeyLocalMachine, kPath, "V", "dflt") == ExpectedText(reg, stored),
        "GetSettingString answers the text or the default");
    const fake::Registry::Value& now = reg.grows ? reg.grown : stored;
    std::uint8_t word[4] = {};
    std::copy_n(now.second.begin(), std::min<std::size_t>(now.second.size(), 4), word);
    const bool number = !reg.openFails && now.first == kRegDword && now.second.size() <= 4;
    const std::int32_t expected =
        number ? std::int32_t(word[0] | word[1] << 8 | word[2] << 16 | std::uint32_t(word[3]) << 24)
               : 7;
    Require(GetSettingLong(reg, kHKeyLocalMachine, kPath, "V", 7) == expected,
            "GetSettingLong answers the number or the default");
    // The binary read, and the EDID parser on what it gives, which it never reads past.
    const std::uint32_t claim = reg.lies ? reg.claimed : std::uint32_t(now.second.size());
    const bool binary = !reg.openFails && now.first == kRegBinary && claim >= now.second.size() &&
                        claim <= (64u << 20);
    const std::vector<std::uint8_t> bytes = GetSettingBinary(reg, kHKeyLocalMachine, kPath, "V");
    Require(bytes == (binary ? now.second : std::vector<std::uint8_t>{}),
            "GetSettingBinary answers the bytes or none");
    ParseEdid(bytes);

    const std::string text = in.ConsumeRandomLengthString(64);
    const auto before = reg.keys;
    const bool written = SaveSettingString(reg, kHKeyLocalMachine, kPath + "\\New", "W", text);
    Require(written == !reg.refuseWrites, "SaveSettingString says whether it wrote");
    fake::Registry expectedKeys;
    expectedKeys.keys = before;
    if (written) expectedKeys.PutString(kPath + "\\New", "W", text);
    Require(reg.keys == expectedKeys.keys, "only the value named changes, to the text and its NUL");
    Require(reg.handles.empty(), "every key opened is closed");

    // The rest of the input as an EDID of several blocks, each whole one made valid, so that
    // the extension blocks are read too.
    std::vector<std::uint8_t> edid = in.ConsumeRemainingBytes<std::uint8_t>();
    if (edid.size() >= 128) {
        std::copy_n(fake::Edid(3, 0, 0, 0).begin(), 20, edid.begin());  // header and version
        for (std::size_t b = 0; b + 128 <= edid.size(); b += 128) edid = fake::Checksummed(edid, b);
    }
    ParseEdid(edid);
    return 0;
}
