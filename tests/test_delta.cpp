#include <doctest/doctest.h>

#include <stdexcept>

#include "catalogue/adapters.h"
#include "delta/modes_delta.h"

using namespace vexmora;

namespace {

std::array<std::string, kRowCount> Tokens(const std::array<const char*, kRowCount>& captions) {
    std::array<std::string, kRowCount> tokens;
    for (std::size_t i = 0; i < captions.size(); ++i) tokens[i] = CalcRates(captions[i]);
    return tokens;
}

std::array<const char*, kRowCount> All(const char* caption) {
    std::array<const char*, kRowCount> captions;
    captions.fill(caption);
    return captions;
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

TEST_CASE("rate tokens: each ladder rate is bounded by its neighbour") {
    const std::pair<const char*, const char*> cases[] = {
        {"120", "-100"}, {"100", "-85"}, {"85", "-75"}, {"75", "-72"}, {"72", "-70"},
        {"70", "-60"},   {"60", "70-"},  {"N/A", "-"},  {"", ""},      {"56", ""},
        {"90", ""},      {" 60", ""},    {"60 ", ""},   {"060", ""},   {"n/a", ""},
    };
    for (const auto& [caption, token] : cases) {
        CAPTURE(caption);
        CHECK(CalcRates(caption) == token);
    }
}

TEST_CASE("composing the Modes_Delta string") {
    const std::string geforce = FindAdapter("NVIDIA GeForce3")->factoryDelta;
    const std::string tnt = FindAdapter("NVIDIA RIVA TNT")->factoryDelta;

    SUBCASE("the worked example, byte for byte") {
        const auto tokens =
            Tokens({"N/A", "60",  "70",  "72",  "75",  "85",  "100", "120", "N/A", "N/A",
                    "N/A", "N/A", "N/A", "N/A", "N/A", "N/A", "N/A", "N/A", "N/A", "N/A"});
        const std::string expected =
            "S 320,200,-,-;320,240,-,70-;400,300,-,-60;480,360,-,-70;512,384,-,-72;640,400,-,-75;"
            "640,480,-,-85;800,600,-,-100;1024,768,-,-;1152,864,-,-;1280,768,-,-;1280,960,-,-;"
            "1280,1024,-,-;1600,900,-,-;1600,1024,-,-;1600,1200,-,-;1920,1080,-,-;1920,1200,-,-;"
            "1920,1440,-,-;2048,1536,-,-;1600,900,-16,120;1600,900,32,100-;1600,1024,-16,120;"
            "1600,1024,32,100-;1600,1200,-16,120;1600,1200,32,100-;1920,1080,-16,120;"
            "1920,1080,32,85-;1920,1200,-16,100-;1920,1200,32,72-;1920,1440,-16,85-;"
            "1920,1440,32,70-;2048,1536,-16,70-;2048,1536,32,-";
        REQUIRE(expected.size() == 520);
        CHECK(BuildModesDelta(tokens, geforce) == expected);
    }
    SUBCASE("twenty 120s with the TNT set: 568 characters, no length limit") {
        const std::string delta = BuildModesDelta(Tokens(All("120")), tnt);
        CHECK(delta.size() == 568);
        CHECK(delta.rfind("S 320,200,-,-100;320,240,-,-100;", 0) == 0);
        CHECK(delta.find(";2048,1536,-,-100;1280,768,-,-;") != std::string::npos);
    }
    SUBCASE("empty captions leave the rate empty") {
        const std::string delta = BuildModesDelta(Tokens(All("")), "S X");
        CHECK(delta.rfind("S 320,200,-,;320,240,-,;", 0) == 0);
        CHECK(EndsWith(delta, ";2048,1536,-,;X"));
    }
    SUBCASE("the first two characters are dropped whatever they are") {
        CHECK(EndsWith(BuildModesDelta(Tokens(All("N/A")), "XY1,2,3,4"), ";2048,1536,-,-;1,2,3,4"));
        CHECK(EndsWith(BuildModesDelta(Tokens(All("N/A")), "S "), ";2048,1536,-,-;"));
    }
    SUBCASE("a factory string under two characters is an invalid argument") {
        CHECK_THROWS_AS(BuildModesDelta(Tokens(All("60")), ""), std::invalid_argument);
        CHECK_THROWS_AS(BuildModesDelta(Tokens(All("60")), "S"), std::invalid_argument);
    }
}
