#include "delta/modes_delta.h"

#include <optional>
#include <utility>

#include "platform/text.h"

namespace vexmora {

namespace {

// Each ladder rate is written as its neighbour's token on the ladder, as the driver's own
// factory strings write them ("-100", "70-"); "N/A" as "-".
constexpr std::pair<const char*, const char*> kTokens[] = {
    {"120", "-100"}, {"100", "-85"}, {"85", "-75"}, {"75", "-72"},
    {"72", "-70"},   {"70", "-60"},  {"60", "70-"}, {kNotAvailable, "-"},
};

std::optional<std::string> FactoryTail(const std::string& factoryDelta) {
    if (factoryDelta.size() < 2) return std::nullopt;
    return factoryDelta.substr(2);
}

std::string ComposeModesDelta(const std::array<std::string, kRowCount>& tokens,
                              const std::string& tail) {
    std::string delta = "S ";
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        if (i > 0) delta += ';';
        delta += Decimal(kRows[i].width) + "," + Decimal(kRows[i].height) + ",-," + tokens[i];
    }
    return delta + ";" + tail;
}

}  // namespace

std::string CalcRates(const std::string& initrate) {
    for (const auto& [caption, token] : kTokens) {
        if (initrate == caption) return token;
    }
    return {};
}

std::string BuildModesDelta(const std::array<std::string, kRowCount>& tokens,
                            const std::string& factoryDelta) {
    const auto tail = FactoryTail(factoryDelta);
    return tail ? ComposeModesDelta(tokens, *tail) : std::string();
}

}  // namespace vexmora
