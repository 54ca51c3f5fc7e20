#pragma once

#include <memory>

struct Forms;
class TFormLines;

// The view "人員過不足一覧": the text report window over the lines of targets::shortageLines()
// for the registered period, computed each time it opens.
namespace targets {

std::unique_ptr<TFormLines> makeShortageList(Forms& forms);

} // namespace targets
