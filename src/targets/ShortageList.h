#pragma once

#include <memory>

struct Forms;
class TFormLines;

// The view "人員過不足一覧": the text report window over the lines of targets::shortageLines()
// for the period chosen in it, computed each time it opens or another period is chosen.
namespace targets {

std::unique_ptr<TFormLines> makeShortageList(Forms& forms);

} // namespace targets
