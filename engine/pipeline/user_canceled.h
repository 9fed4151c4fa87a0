#pragma once
// Thrown by the ends of a facade translation when the user stopped it or the
// run was already terminated; the facade answers false.
#include <stdexcept>

class UserCanceledException : public std::runtime_error {
public:
    UserCanceledException() : std::runtime_error("translation stopped") {}
};
