#include <doctest/doctest.h>

#include "fakes.h"
#include "registry_cases.h"

using namespace vexmora;

TEST_CASE("registry helpers on the fake registry") {
    fake::Registry reg;
    cases::RunRegistryCases(reg, kHKeyLocalMachine, "SOFTWARE\\VexmoraTest");
    CHECK(reg.OpenHandles() == 0);
}

TEST_CASE("a refused write is reported and changes nothing") {
    fake::Registry reg;
    reg.PutString("SOFTWARE\\X", "V", "old");
    const auto before = reg.Snapshot();
    reg.refuseWrites = true;
    CHECK_FALSE(SaveSettingString(reg, kHKeyLocalMachine, "SOFTWARE\\X", "V", "new"));
    CHECK_FALSE(SaveSettingString(reg, kHKeyLocalMachine, "SOFTWARE\\Y\\Z", "V", "new"));
    CHECK(reg.Snapshot() == before);
    CHECK(reg.OpenHandles() == 0);
}
