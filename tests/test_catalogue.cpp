#include <doctest/doctest.h>

#include <cstring>
#include <set>

#include "catalogue/adapters.h"
#include "fakes.h"

using namespace vexmora;

namespace {

std::string FactoryOf(const char* description) {
    return FindAdapter(description)->factoryDelta;
}

}  // namespace

TEST_CASE("catalogue: 32 models, 25 value names, four factory strings") {
    const auto table = AdapterTable();
    REQUIRE(table.size() == 32);
    std::set<std::string> names, factories;
    for (const AdapterProfile& row : table) {
        CAPTURE(row.description);
        // Every row is found by its own description, so none shadows a later one.
        REQUIRE(FindAdapter(row.description) != nullptr);
        CHECK(std::strcmp(FindAdapter(row.description)->valueName, row.valueName) == 0);
        CHECK(std::string(row.valueName).rfind("_Modes_Delta") == std::strlen(row.valueName) - 12);
        names.insert(row.valueName);
        factories.insert(row.factoryDelta);
    }
    CHECK(names.size() == 25);
    REQUIRE(factories.size() == 4);

    const std::string geforce = FactoryOf("NVIDIA GeForce3");
    const std::string model64 = FactoryOf("NVIDIA RIVA TNT2 Model 64/Model 64 Pro");
    const std::string tnt = FactoryOf("NVIDIA RIVA TNT");
    const std::string vanta = FactoryOf("NVIDIA Vanta/Vanta LT");
    CHECK(geforce.size() == 246);
    CHECK(model64.size() == 242);
    CHECK(tnt.size() == 249);
    CHECK(vanta.size() == 249);
    CHECK(geforce.rfind("S 1600,900,-16,120;1600,900,32,100-;", 0) == 0);
    CHECK(tnt.rfind("S 1280,768,-,-;1280,960,-,-;1280,1024,32,120;", 0) == 0);

    // The sets differ only where the driver's defaults for those models differ.
    auto replaced = [](std::string text, const std::string& from, const std::string& to) {
        const auto at = text.find(from);
        REQUIRE(at != std::string::npos);
        return text.replace(at, from.size(), to);
    };
    CHECK(replaced(replaced(geforce, "1920,1200,32,72-", "1920,1200,32,-"), "1920,1440,32,70-",
                   "1920,1440,32,-") == model64);
    CHECK(replaced(tnt, "1920,1080,32,75-", "1920,1080,32,70-") == vanta);
}

TEST_CASE("catalogue lookup is whole-text and case-sensitive") {
    struct Case {
        const char* description;
        const char* valueName;  // empty: not in the catalogue
        const char* factoryOf;  // a description whose factory string it shares
    };
    const Case cases[] = {
        {"NVIDIA GeForce3 Ti 500", "NV20_2_Modes_Delta", "NVIDIA GeForce3"},
        {"NVIDIA Quadro DCC", "NV20_3_Modes_Delta", "NVIDIA GeForce3"},
        {"NVIDIA Quadro4 750 XGL", "NV10GL_Modes_Delta", "NVIDIA GeForce3"},
        {"NVIDIA Quadro4 900 XGL", "NV25GL_Modes_Delta", "NVIDIA GeForce3"},
        {"NVIDIA RIVA TNT", "NV4_Modes_Delta", "NVIDIA RIVA TNT"},
        {"NVIDIA RIVA TNT2/TNT2 Pro", "NV5_Modes_Delta", "NVIDIA GeForce3"},
        {"NVIDIA Vanta/Vanta LT", "NVVANTA_Modes_Delta", "NVIDIA Vanta/Vanta LT"},
        {"NVIDIA RIVA TNT2 Model 64/Model 64 Pro", "NV5M64_Modes_Delta",
         "NVIDIA RIVA TNT2 Model 64/Model 64 Pro"},
        {"NVIDIA GeForce4 MX 460", "NV17_Modes_Delta", "NVIDIA GeForce3"},
        {"NVIDIA GeForce4 MX 420", "NV17_Modes_Delta", "NVIDIA GeForce3"},
        {"NVIDIA GeForce4 Ti 4200", "NV25_Modes_Delta", "NVIDIA GeForce3"},
        {"nvidia geforce3", "", ""},
        {"NVIDIA GeForce3 ", "", ""},
        {" NVIDIA GeForce3", "", ""},
        {"NVIDIA GeForce", "", ""},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        CAPTURE(c.description);
        fake::Machine m;
        CHECK(m.frm.FindAdapterProfile(c.description) == c.valueName);
        CHECK(m.frm.strFactoryDelta() == (*c.factoryOf ? FactoryOf(c.factoryOf) : std::string()));
    }
}

TEST_CASE("the load event stores the value name and factory string of the adapter") {
    fake::Machine m("NVIDIA RIVA TNT", "5.0");
    REQUIRE(m.frm.Form_Load());
    CHECK(m.frm.strModesValue() == "NV4_Modes_Delta");
    CHECK(m.frm.strFactoryDelta() == FactoryOf("NVIDIA RIVA TNT"));
}
