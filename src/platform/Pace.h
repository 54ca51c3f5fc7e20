#pragma once

#include <functional>

// The one place through which every blocking pause and every timer interval passes.
// On screen the scale is 1; tests set it to 0 so a start-up that takes seconds runs in
// milliseconds with the same order of events. A pause repaints the windows but delivers
// no user input, and work handed to runWhenIdle() waits until the outermost pause ends,
// so handlers never overlap.
namespace pace {

void setScale(double scale);
double scale();

// The interval of a design value of ms milliseconds at the current scale.
int scaled(int ms);

// Blocks the caller for ms milliseconds (scaled), repainting but taking no input.
void pause(int ms);

// True while a pause is running.
bool inPause();

// Runs work now, or, during a pause, as soon as the event loop is reached after it.
void runWhenIdle(std::function<void()> work);

} // namespace pace
