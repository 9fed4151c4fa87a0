#pragma once
// Name <-> atom tables.  An atom is the position of its name in the table.
//
// `ConstantAtomDatabase<T>` numbers the names of a fixed, compiled-in table
// (parts of speech, semantic atoms).  `AtomDatabase<T>` numbers names as they
// are entered (subject domains, free features).  Both are safe to read from
// several threads once built; `AtomDatabase::Enter` changes the database and
// needs a lock when shared (see free_features_database.h).
#include <cstddef>
#include <limits>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <unordered_map>
#include <vector>

template <class T>
class ConstantAtomDatabase {
public:
    // The names up to the null end of the array; the array must outlive the
    // database.
    explicit ConstantAtomDatabase(char const* const* names) : ConstantAtomDatabase(names, CountNames(names)) {}

    // The first `count` names of the array.
    ConstantAtomDatabase(char const* const* names, std::size_t count) : fNames(names), fCount(count) {
        fIndex.reserve(count);
        // emplace keeps the first code of a name that occurs twice, so the
        // index answers exactly as a search from the start would.
        for (std::size_t i = 0; i < count; ++i) fIndex.emplace(std::string_view(names[i]), static_cast<T>(i));
    }

    // The atom of the name (exact, case-sensitive comparison; the first of
    // equal names wins).  False, with *out untouched, for an unknown or null
    // name.
    bool Lookup(char const* name, T* out) const {
        if (name == nullptr) return false;
        auto found = fIndex.find(std::string_view(name));
        if (found == fIndex.end()) return false;
        *out = found->second;
        return true;
    }

    char const* const* GetNames() const { return fNames; }
    std::size_t GetCount() const { return fCount; }

private:
    static std::size_t CountNames(char const* const* names) {
        std::size_t count = 0;
        while (names[count] != nullptr) ++count;
        return count;
    }

    char const* const* fNames;
    std::size_t fCount;
    std::unordered_map<std::string_view, T> fIndex;
};

template <class T>
class AtomDatabase {
public:
    AtomDatabase() = default;

    // Enters each name of the null-terminated array in order.
    explicit AtomDatabase(char const* const* names) {
        for (std::size_t i = 0; names[i] != nullptr; ++i) Enter(names[i]);
    }

    // The atom of the name, entering it with the next atom number when new.
    // A null name is a caller's fault, and a new name whose number T cannot
    // hold would alias an old atom: both are refused, nothing is entered.
    T Enter(char const* name) {
        if (name == nullptr) throw std::invalid_argument("AtomDatabase::Enter: null name");
        auto found = fAtoms.find(name);
        if (found != fAtoms.end()) return found->second;
        if (fNames.size() > kLargestAtom) throw std::length_error("AtomDatabase::Enter: no atom number left");
        T atom = static_cast<T>(fNames.size());
        fAtoms.emplace(name, atom);
        fNames.emplace_back(name);
        return atom;
    }

    // A copy of the atom's name.  An atom that was never entered (a number
    // read from a file, a domain beyond the named ones) answers its number as
    // text.
    std::string GetName(T atom) const {
        auto index = static_cast<std::size_t>(atom);
        if (index < fNames.size()) return fNames[index];
        return std::to_string(index);
    }

    std::size_t GetCount() const { return fNames.size(); }

private:
    static constexpr std::size_t LargestAtom() {
        if constexpr (std::is_enum_v<T>)
            return std::numeric_limits<std::underlying_type_t<T>>::max();
        else
            return std::numeric_limits<T>::max();
    }
    static constexpr std::size_t kLargestAtom = LargestAtom();

    std::map<std::string, T> fAtoms;
    std::vector<std::string> fNames;
};
