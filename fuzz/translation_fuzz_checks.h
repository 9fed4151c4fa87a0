#pragma once
// What every run of text through the translation facade must give, for
// the fuzz targets that translate: the post-edit spans lie inside the texts
// they point into.  A broken promise traps.
#include <cstddef>
#include <string>

#include "engine/pipeline/corvan_if.h"

inline void Check(bool condition) {
    if (!condition) __builtin_trap();
}

// After a translation of a text of `sourceSize` bytes: takes the
// translation and checks that the post-edit spans lie inside both texts.
inline void CheckSinkAndPostEdit(CorvanIF& facade, std::size_t sourceSize) {
    std::string out;
    facade.GetSink(out, nullptr);
    CPostEdit const* postEdit = facade.GetPostEdit();
    Check(postEdit != nullptr);
    for (Word_X const& word : postEdit->fSourceWords) Check(word.start + word.length <= sourceSize);
    for (Word_X const& word : postEdit->fTargetWords) Check(word.start + word.length <= out.size());
}
