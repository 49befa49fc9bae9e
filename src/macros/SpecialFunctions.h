// The special functions the macro editor offers: a caption for its list and the text it
// appends to the macro text.
#pragma once

#include <string>

inline constexpr int SpecialFunctionCount = 16;

// Empty for an index outside 0..SpecialFunctionCount-1.
std::string SpecialFunctionCaption(int index);
// Empty for an index outside 0..SpecialFunctionCount-1, -1 (nothing chosen) included.
// Index 0 gives "^Programmname", which the editor replaces by a program choice.
std::string SpecialFunctionText(int index);
