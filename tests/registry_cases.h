#pragma once
// The registry helpers' edge cases as one table, run against the fake registry on Linux
// and against the real one under Wine, so the fake cannot drift from Windows.

#include <doctest/doctest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "registry/settings.h"

namespace vexmora::cases {

enum class Read { Text, Number };

struct ReadCase {
    const char* what;
    std::uint32_t type;  // 0: the value is not stored at all
    std::vector<std::uint8_t> stored;
    Read read;
    const char* textDefault;
    std::int32_t numberDefault;
    std::string expectText;
    std::int32_t expectNumber;
};

inline std::vector<std::uint8_t> Raw(const std::string& text) {
    return {text.begin(), text.end()};
}

inline std::vector<ReadCase> ReadCases() {
    using namespace std::string_literals;
    const std::string longText(100000, 'N');
    return {
        {"missing text, no default", 0, {}, Read::Text, "", 0, "", 0},
        {"missing text, given default", 0, {}, Read::Text, "dflt", 0, "dflt", 0},
        {"text cut at an embedded NUL", kRegSz, Raw("ab\0cd\0"s), Read::Text, "dflt", 0, "ab", 0},
        {"text without terminator", kRegSz, Raw("abcd"), Read::Text, "dflt", 0, "abcd", 0},
        {"zero-byte text is empty, not the default", kRegSz, {}, Read::Text, "dflt", 0, "", 0},
        {"expandable text is not text", kRegExpandSz, Raw("%PATH%\0"s), Read::Text, "dflt", 0,
         "dflt", 0},
        {"multi-string is not text", kRegMultiSz, Raw("a\0b\0\0"s), Read::Text, "dflt", 0, "dflt",
         0},
        {"number is not text", kRegDword, {1, 0, 0, 0}, Read::Text, "dflt", 0, "dflt", 0},
        {"100,000 characters read whole", kRegSz, Raw(longText + '\0'), Read::Text, "", 0, longText,
         0},
        {"all bits set reads -1", kRegDword, {0xFF, 0xFF, 0xFF, 0xFF}, Read::Number, "", 7, "", -1},
        {"number 1", kRegDword, {1, 0, 0, 0}, Read::Number, "", 0, "", 1},
        {"digit stored as text", kRegSz, Raw("1\0"s), Read::Number, "", 7, "", 7},
        {"four binary bytes", kRegBinary, {1, 0, 0, 0}, Read::Number, "", 7, "", 7},
        {"missing number", 0, {}, Read::Number, "", 7, "", 7},
        {"two-byte number reads its two bytes",
         kRegDword,
         {0x34, 0x12},
         Read::Number,
         "",
         7,
         "",
         0x1234},
        {"eight-byte number does not fit",
         kRegDword,
         {1, 0, 0, 0, 0, 0, 0, 0},
         Read::Number,
         "",
         7,
         "",
         7},
    };
}

// Runs every case in the scratch key base (which must not exist yet) under root.
inline void RunRegistryCases(RegistryApi& reg, RegKey root, const std::string& base) {
    int n = 0;
    for (const ReadCase& c : ReadCases()) {
        CAPTURE(c.what);
        const std::string name = "value" + std::to_string(n++);
        if (c.type != 0) {
            RegKey key = 0;
            REQUIRE(reg.Create(root, base, &key) == kErrorSuccess);
            REQUIRE(reg.SetValue(key, name, c.type, c.stored.data(),
                                 static_cast<std::uint32_t>(c.stored.size())) == kErrorSuccess);
            reg.Close(key);
        }
        if (c.read == Read::Text) {
            CHECK(GetSettingString(reg, root, base, name, c.textDefault) == c.expectText);
        } else {
            CHECK(GetSettingLong(reg, root, base, name, c.numberDefault) == c.expectNumber);
        }
    }

    SUBCASE("a missing key answers the default and is not created") {
        const std::string missing = base + "\\Missing\\Deeper";
        CHECK(GetSettingString(reg, root, missing, "x", "dflt") == "dflt");
        CHECK(GetSettingLong(reg, root, missing, "x", 9) == 9);
        RegKey key = 0;
        CHECK(reg.Open(root, missing, &key) != kErrorSuccess);
    }
    SUBCASE("a write creates the whole path and stores text with its terminator") {
        const std::string path = base + "\\New\\Path";
        CHECK(SaveSettingString(reg, root, path, "Text", "S 1,2,-,-"));
        CHECK(GetSettingString(reg, root, path, "Text") == "S 1,2,-,-");
        CHECK(SaveSettingString(reg, root, path, "Empty", ""));
        RegKey key = 0;
        REQUIRE(reg.Open(root, path, &key) == kErrorSuccess);
        std::uint32_t type = 0, size = 0;
        CHECK(reg.QueryValue(key, "Empty", &type, nullptr, &size) == kErrorSuccess);
        CHECK(type == kRegSz);
        CHECK(size == 1);
        reg.Close(key);
    }
    SUBCASE("a write replaces what the value held, whatever its type") {
        CHECK(SaveSettingString(reg, root, base, "value0", "first"));
        CHECK(SaveSettingString(reg, root, base, "value0", "second"));
        CHECK(GetSettingString(reg, root, base, "value0") == "second");
    }
}

}  // namespace vexmora::cases
