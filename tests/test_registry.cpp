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
    // A key with more subkeys than anyone installs: the first kMaxSubkeys are listed.
    for (std::uint32_t i = 0; i <= kMaxSubkeys; ++i)
        reg.PutString("SOFTWARE\\Many\\" + std::to_string(100000 + i), "V", "x");
    const auto names = GetSubkeyNames(reg, kHKeyLocalMachine, "SOFTWARE\\Many");
    CHECK((names.size() == kMaxSubkeys && names.front() == "100000" && reg.handles.empty()));
}
