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
