#pragma once
// A user dictionary made in memory and opened as a dictionary of the engine.
#include <fcntl.h>

#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/userdict/ud35_dictionary.h"
#include "userdict/ud_fixture.h"

// The memory file of a fixture, and the dictionary opened on a FILE of its
// own (which the dictionary closes).
struct UD35TestDictionary {
    explicit UD35TestDictionary(UDFixture const& fixture) : file(fixture.Bytes()), dictionary(OpenStream(file), true) {}

    static FILE* OpenStream(MemoryFile const& file) {
        std::string const path = "/proc/self/fd/" + std::to_string(file.Fd());
        FILE* stream = std::fopen(path.c_str(), "r+");
        if (stream == nullptr) throw std::runtime_error("cannot reopen the memory file");
        return stream;
    }

    DictionaryRep_EJ_35UserDict& Rep() { return static_cast<DictionaryRep_EJ_35UserDict&>(*dictionary.GetRep()); }

    MemoryFile file;
    Dictionary_EJ_35UserDict dictionary;
};

// The entries a forward iterator yields.
template <class T>
std::vector<T> Collect(ForwardIterator<T> position) {
    std::vector<T> items;
    for (; !position.IsAtEnd(); ++position) items.push_back(*position);
    return items;
}
