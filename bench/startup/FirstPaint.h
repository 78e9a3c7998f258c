#pragma once

// Linked into a measuring program: the process ends as soon as the first top-level window has
// been painted and put on the screen. Nothing of the program under test changes; the hook
// installs itself when the application object comes up.

#include <functional>

// Replaces what happens after the first paint (by default the process just ends); the action
// should end the process itself.
void SetAfterFirstPaint(std::function<void()> action);
