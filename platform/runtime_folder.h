#pragma once
// The per-user folder where serving programs register and listen:
// $XDG_RUNTIME_DIR/tovikan when set, else /tmp/tovikan-<uid>, made with mode
// 0700 and refused when it belongs to another user or others can enter it.
#include <string>

namespace platform {

// Empty when no such folder can be made or trusted.
std::string RuntimeFolder();

}  // namespace platform
