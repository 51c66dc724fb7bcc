#pragma once
// The registry helpers' edge cases as one table, run against the fake registry on Linux
// and against the real one under Wine, so the fake cannot drift from Windows.

#include <doctest/doctest.h>

#include <string>
#include <vector>

#include "registry/settings.h"

namespace vexmora::cases {

struct ReadCase {
    const char* what;
    std::uint32_t type;  // 0: nothing stored
    std::string stored;
    bool number;  // read with GetSettingLong (default 7), else GetSettingString ("dflt")
    std::string expect;
};

inline std::vector<ReadCase> ReadCases() {
    using namespace std::string_literals;
    const std::string big(100000, 'N');
    return {
        {"missing text", 0, "", false, "dflt"},
        {"text cut at an embedded NUL", kRegSz, "ab\0cd\0"s, false, "ab"},
        {"text without terminator", kRegSz, "abcd", false, "abcd"},
        {"zero-byte text is empty, not the default", kRegSz, "", false, ""},
        {"expandable text is not text", kRegExpandSz, "%PATH%\0"s, false, "dflt"},
        {"multi-string is not text", kRegMultiSz, "a\0b\0\0"s, false, "dflt"},
        {"number is not text", kRegDword, "\1\0\0\0"s, false, "dflt"},
        {"100,000 characters read whole", kRegSz, big + '\0', false, big},
        {"bytes above 0x7F as stored", kRegSz, "GeForce\xE9 \xFF\x80\0"s, false,
         "GeForce\xE9 \xFF\x80"},
        {"all bits set", kRegDword, "\xFF\xFF\xFF\xFF", true, "-1"},
        {"number 1", kRegDword, "\1\0\0\0"s, true, "1"},
        {"digit stored as text", kRegSz, "1\0"s, true, "7"},
        {"four binary bytes", kRegBinary, "\1\0\0\0"s, true, "7"},
        {"missing number", 0, "", true, "7"},
        {"two-byte number reads its two bytes", kRegDword, "\x34\x12", true, "4660"},
        {"eight-byte number does not fit", kRegDword, "\1\0\0\0\0\0\0\0"s, true, "7"},
    };
}

// Runs every case in the scratch key base (which must not exist yet) under root.
inline void RunRegistryCases(RegistryApi& reg, RegKey root, const std::string& base) {
    int n = 0;
    for (const ReadCase& c : ReadCases()) {
        CAPTURE(c.what);
        const std::string name = "value" + std::to_string(n++);
        RegKey key = 0;
        REQUIRE(reg.Create(root, base, &key) == kErrorSuccess);
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(c.stored.data());
        if (c.type != 0) reg.SetValue(key, name, c.type, bytes, std::uint32_t(c.stored.size()));
        reg.Close(key);
        CHECK((c.number ? std::to_string(GetSettingLong(reg, root, base, name, 7))
                        : GetSettingString(reg, root, base, name, "dflt")) == c.expect);
    }
    const std::string path = base + "\\New\\Path";
    CHECK(GetSettingString(reg, root, path, "x", "dflt") == "dflt");
    RegKey key = 0;
    CHECK(reg.Open(root, path, &key) != kErrorSuccess);  // reading created nothing
    // A write creates the whole path, stores the terminator, and replaces any old value.
    CHECK(SaveSettingString(reg, root, path, "Text", "first"));
    CHECK(SaveSettingString(reg, root, path, "Text", ""));
    REQUIRE(reg.Open(root, path, &key) == kErrorSuccess);
    std::uint32_t type = 0, size = 0;
    CHECK(reg.QueryValue(key, "Text", &type, nullptr, &size) == kErrorSuccess);
    CHECK((type == kRegSz && size == 1));
    reg.Close(key);
}

}  // namespace vexmora::cases
