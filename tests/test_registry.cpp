#include <doctest/doctest.h>

#include "fakes.h"
#include "registry_cases.h"

using namespace vexmora;

TEST_CASE("registry helpers on the fake registry") {
    fake::Registry reg;
    cases::RunRegistryCases(reg, kHKeyLocalMachine, "SOFTWARE\\VexmoraTest");
    reg.refuseWrites = true;
    CHECK_FALSE(SaveSettingString(reg, kHKeyLocalMachine, "SOFTWARE\\VexmoraTest", "V", "x"));
    CHECK(reg.handles.empty());
}

TEST_CASE("a value whose size changes between the two queries") {
    // The first query answers `claimed` whatever the value holds: "abcdef" and its NUL.
    struct Shifting : fake::Registry {
        std::uint32_t claimed = 0;
        long QueryValue(RegKey key, const std::string& name, std::uint32_t* type,
                        std::uint8_t* data, std::uint32_t* size) override {
            const long status = fake::Registry::QueryValue(key, name, type, data, size);
            if (data == nullptr) *size = claimed;
            return status;
        }
    };
    const std::pair<std::uint32_t, const char*> cases[] = {
        {3, "dflt"},            // it grew: the second query fails
        {0xC0000000u, "dflt"},  // three gigabytes cannot be had
        {20, "abcdef"},         // it shrank
    };
    for (const auto& [claimed, expected] : cases) {
        Shifting reg;
        reg.claimed = claimed;
        reg.PutString("SOFTWARE\\X", "V", "abcdef");
        CHECK(GetSettingString(reg, kHKeyLocalMachine, "SOFTWARE\\X", "V", "dflt") == expected);
    }
}
