#pragma once

namespace fup {

// The version written into every program and frame file.
constexpr int ProgramFileVersion = 21;
// From this version on, an input pin's constant is stored as its 32-bit value.
constexpr int ConstantValueVersion = 21;
// The process name a failed load leaves behind.
inline constexpr const char* FailedLoadProcessName = "leer_dummy";

} // namespace fup
