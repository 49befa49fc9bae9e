// Whether the program runs under Wine, whose system code differs from Windows in places the
// program must allow for.
#pragma once

namespace platform::win32 {

bool UnderWine();

} // namespace platform::win32
