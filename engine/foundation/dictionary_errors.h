#pragma once
// Exceptions for operations a dictionary refuses.
#include "engine/foundation/can_be_null.h"
#include "engine/foundation/dictionary.h"

template <class DictionaryT>
class NotSupportedOnDictionary;

// A kind of dictionary does not support the operation asked of it.  The
// exception names the refusing dictionary with a handle, which keeps the
// dictionary alive while the exception exists.
template <>
class NotSupportedOnDictionary<Dictionary_EX> {
public:
    explicit NotSupportedOnDictionary(Dictionary_EX const& dictionary) : fDictionary(dictionary) {}
    // Holds a handle only when something already counts the representation.
    // One nobody counts yet (under construction, on the stack) or any more
    // (being destroyed) is owned elsewhere: a handle on it would delete it
    // when the exception goes.
    explicit NotSupportedOnDictionary(DictionaryRep_<Entry_EX>& dictionary);

    // Empty when the refusing representation was not counted.
    CanBeNull<Dictionary_EX> const& GetDictionary() const { return fDictionary; }

private:
    CanBeNull<Dictionary_EX> fDictionary;
};

template <class DictionaryT>
class NotSupportedOnReadOnlyDictionary;

// A change was asked of a dictionary or entry that cannot be changed.
template <>
class NotSupportedOnReadOnlyDictionary<Dictionary_EX> : public NotSupportedOnDictionary<Dictionary_EX> {
public:
    using NotSupportedOnDictionary<Dictionary_EX>::NotSupportedOnDictionary;
};

// For representations refusing an operation on themselves; safe also while
// the representation is not (or no longer) held by any handle.
[[noreturn]] void ThrowNotSupported(DictionaryRep_EX& dictionary);
[[noreturn]] void ThrowReadOnly(DictionaryRep_EX& dictionary);
