#pragma once
// Small helpers shared by the temporary dictionary's tests.
#include <string>
#include <vector>

#include "engine/foundation/entry.h"
#include "engine/foundation/iterators.h"

namespace temporary_test {

// Every element an iterator yields, in order.
template <class T>
std::vector<T> Drain(ForwardIterator<T> it) {
    std::vector<T> all;
    for (; !it.IsAtEnd(); ++it) all.push_back(*it);
    return all;
}

inline std::vector<std::string> Headwords(ForwardIterator<Entry_EX> it) {
    std::vector<std::string> seen;
    for (Entry_EX const& entry : Drain(it)) seen.push_back(entry.GetSrcText());
    return seen;
}

inline std::vector<std::string> Headwords(BidirectionalIterator<Entry_EX> it) {
    std::vector<std::string> seen;
    for (; !it.IsAtEnd(); ++it) seen.push_back((*it).GetSrcText());
    return seen;
}

}  // namespace temporary_test
