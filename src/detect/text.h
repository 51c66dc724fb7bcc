#pragma once
// Left and right parts of a text that never fail: asking for more characters than the
// text has gives the whole text.

#include <cstddef>
#include <string>

namespace vexmora {

inline std::string Left(const std::string& text, std::size_t n) {
    return text.substr(0, n);
}

inline std::string Right(const std::string& text, std::size_t n) {
    return n >= text.size() ? text : text.substr(text.size() - n);
}

}  // namespace vexmora
