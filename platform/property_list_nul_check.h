#pragma once
// A guard for binary property lists: the list library aborts the process
// when it hands out a dictionary key holding a NUL character, which only
// the binary format can carry.
#include <string>

namespace platform {

// True when bytes is a binary property list ("bplist00") one of whose
// string objects holds a NUL character.  False for anything else, including
// lists too damaged to walk (the library refuses those itself).
bool BinaryListHasStringWithNul(std::string const& bytes);

}  // namespace platform
