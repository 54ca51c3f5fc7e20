#pragma once

// Opens every drop-down box of the program to assistive tools. Qt names a combo box after
// its chosen entry on Linux, so a screen reader meets "11" instead of "月曜日 勤務開始 時",
// and choosing an entry of its list through the accessibility bus only marks it. Installed
// once, this gives each box its own name, its chosen entry as its value and text, its
// entries as a list (the popup's own list, as Qt gives it) with the chosen one selected,
// and makes choosing an entry of that list choose it in the box.
namespace accessibility {

void installComboBoxSupport();

} // namespace accessibility
