// The product name and version, as the program's version block gives them.
#pragma once

namespace orva {

inline constexpr const char* kProductName = "ORVA Pocket";
inline constexpr const char* kProductVersion = "1.1.0.0";

}  // namespace orva
