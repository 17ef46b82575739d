// A call made on another thread's queue while the caller waits for it: how a
// worker asks the window's thread something.
#pragma once

#include <functional>

namespace bb::framework {

// Posts `work` through `post` and waits until it has run. Work that has not
// started by the time `gone()` turns true is abandoned and never runs, so it may
// refer to the caller's frame. Returns whether the work ran.
bool RunOnOtherThreadAndWait(const std::function<void(std::function<void()>)>& post,
                             const std::function<void()>& work, const std::function<bool()>& gone);

}  // namespace bb::framework
