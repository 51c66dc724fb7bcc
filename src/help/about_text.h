#pragma once
// The two texts of the About box.

namespace vexmora {

inline constexpr const char* kAboutDisclaimer =
    "This program may or may not work for you. Its authors will not be held responsible "
    "for any damage to your computer caused by it. By running it and letting it modify "
    "the registry you accept full responsibility for whatever happens to your computer's "
    "hardware and software. It contains no malicious code, spyware, adware or similar "
    "software. It may not be redistributed without first asking its authors; link to its "
    "download page instead.";

inline constexpr const char* kAboutRights = "Vexmora (c) 2026 the Vexmora authors";

}  // namespace vexmora
