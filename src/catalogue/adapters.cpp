#include "catalogue/adapters.h"

#include <algorithm>
#include <iterator>

namespace vexmora {

namespace {

// The driver's own default Modes_Delta strings, written back whole by "Set Defaults".
constexpr const char* kGeForceSet =
    "S 1600,900,-16,120;1600,900,32,100-;1600,1024,-16,120;1600,1024,32,100-;"
    "1600,1200,-16,120;1600,1200,32,100-;1920,1080,-16,120;1920,1080,32,85-;"
    "1920,1200,-16,100-;1920,1200,32,72-;1920,1440,-16,85-;1920,1440,32,70-;"
    "2048,1536,-16,70-;2048,1536,32,-";
constexpr const char* kModel64Set =
    "S 1600,900,-16,120;1600,900,32,100-;1600,1024,-16,120;1600,1024,32,100-;"
    "1600,1200,-16,120;1600,1200,32,100-;1920,1080,-16,120;1920,1080,32,85-;"
    "1920,1200,-16,100-;1920,1200,32,-;1920,1440,-16,85-;1920,1440,32,-;"
    "2048,1536,-16,70-;2048,1536,32,-";
constexpr const char* kTntSet =
    "S 1280,768,-,-;1280,960,-,-;1280,1024,32,120;1600,900,-16,100-;1600,900,32,85-;"
    "1600,1024,-16,100-;1600,1024,32,85-;1600,1200,-16,100-;1600,1200,32,85-;"
    "1920,1080,-16,100-;1920,1080,32,75-;1920,1200,-16,85-;1920,1200,32,70-;"
    "1920,1440,-,-;2048,1536,-,-";
constexpr const char* kVantaSet =
    "S 1280,768,-,-;1280,960,-,-;1280,1024,32,120;1600,900,-16,100-;1600,900,32,85-;"
    "1600,1024,-16,100-;1600,1024,32,85-;1600,1200,-16,100-;1600,1200,32,85-;"
    "1920,1080,-16,100-;1920,1080,32,70-;1920,1200,-16,85-;1920,1200,32,70-;"
    "1920,1440,-,-;2048,1536,-,-";

// Looked up in this order; several models share one value name.
constexpr AdapterProfile kAdapters[] = {
    {"NVIDIA GeForce3", "NV20_Modes_Delta", kGeForceSet},
    {"NVIDIA GeForce2 GTS/GeForce2 Pro", "NV15_Modes_Delta", kGeForceSet},
    {"NVIDIA RIVA TNT", "NV4_Modes_Delta", kTntSet},
    {"NVIDIA RIVA TNT2/TNT2 Pro", "NV5_Modes_Delta", kGeForceSet},
    {"NVIDIA Aladdin TNT2", "NV0A_Modes_Delta", kGeForceSet},
    {"NVIDIA Vanta/Vanta LT", "NVVANTA_Modes_Delta", kVantaSet},
    {"NVIDIA RIVA TNT2 Ultra", "NV5ULTRA_Modes_Delta", kGeForceSet},
    {"NVIDIA RIVA TNT2 Model 64/Model 64 Pro", "NV5M64_Modes_Delta", kModel64Set},
    {"NVIDIA GeForce 256", "NV10_Modes_Delta", kGeForceSet},
    {"NVIDIA GeForce DDR", "NV10DDR_Modes_Delta", kGeForceSet},
    {"NVIDIA Quadro", "NV10GL_Modes_Delta", kGeForceSet},
    {"NVIDIA GeForce2 MX/MX 400", "NV11_Modes_Delta", kGeForceSet},
    {"NVIDIA GeForce2 MX 100/200", "NV11DDR_Modes_Delta", kGeForceSet},
    {"NVIDIA Quadro2 MXR/EX", "NV11GL_Modes_Delta", kGeForceSet},
    {"NVIDIA GeForce2 Integrated GPU", "NV11M_Modes_Delta", kGeForceSet},
    {"NVIDIA GeForce2 Ti", "NV15DDR_Modes_Delta", kGeForceSet},
    {"NVIDIA GeForce2 Ultra", "NV15BR_Modes_Delta", kGeForceSet},
    {"NVIDIA Quadro2 Pro", "NV15GL_Modes_Delta", kGeForceSet},
    {"NVIDIA GeForce4 MX 460", "NV17_Modes_Delta", kGeForceSet},
    {"NVIDIA GeForce4 MX 440", "NV17_Modes_Delta", kGeForceSet},
    {"NVIDIA GeForce4 MX 420", "NV17_Modes_Delta", kGeForceSet},
    {"NVIDIA Quadro4 500/550 XGL", "NV17GL_Modes_Delta", kGeForceSet},
    {"NVIDIA Quadro4 200/400 NVS", "NV17GL_Modes_Delta", kGeForceSet},
    {"NVIDIA GeForce4 Ti 4600", "NV25_Modes_Delta", kGeForceSet},
    {"NVIDIA GeForce4 Ti 4400", "NV25_Modes_Delta", kGeForceSet},
    {"NVIDIA GeForce4 Ti 4200", "NV25_Modes_Delta", kGeForceSet},
    {"NVIDIA Quadro4 900 XGL", "NV25GL_Modes_Delta", kGeForceSet},
    {"NVIDIA Quadro4 750 XGL", "NV10GL_Modes_Delta", kGeForceSet},
    {"NVIDIA Quadro4 720 XGL", "NV10GL_Modes_Delta", kGeForceSet},
    {"NVIDIA GeForce3 Ti 200", "NV20_1_Modes_Delta", kGeForceSet},
    {"NVIDIA GeForce3 Ti 500", "NV20_2_Modes_Delta", kGeForceSet},
    {"NVIDIA Quadro DCC", "NV20_3_Modes_Delta", kGeForceSet},
};

}  // namespace

const AdapterProfile* FindAdapter(const std::string& description) {
    const auto* row =
        std::find_if(std::begin(kAdapters), std::end(kAdapters),
                     [&](const AdapterProfile& a) { return description == a.description; });
    return row == std::end(kAdapters) ? nullptr : row;
}

std::vector<AdapterProfile> AdapterTable() {
    return {std::begin(kAdapters), std::end(kAdapters)};
}

}  // namespace vexmora
