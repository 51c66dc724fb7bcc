#pragma once
// The NVIDIA adapters the program knows: for each description the driver key states, the
// name of its Modes_Delta value and the driver's factory string for that model.

#include <string>
#include <vector>

namespace vexmora {

struct AdapterProfile {
    const char* description;
    const char* valueName;
    const char* factoryDelta;
};

// The first row whose description equals this one exactly (case and blanks count), or null.
const AdapterProfile* FindAdapter(const std::string& description);

// Every row, in lookup order.
std::vector<AdapterProfile> AdapterTable();

}  // namespace vexmora
