#include "engine/foundation/dictionary_errors.h"

NotSupportedOnDictionary<Dictionary_EX>::NotSupportedOnDictionary(DictionaryRep_<Entry_EX>& dictionary) {
    if (dictionary.GetReferenceCount() > 0) fDictionary.Set(Dictionary_EX(&dictionary));
}

void ThrowNotSupported(DictionaryRep_EX& dictionary) { throw NotSupportedOnDictionary<Dictionary_EX>(dictionary); }

void ThrowReadOnly(DictionaryRep_EX& dictionary) { throw NotSupportedOnReadOnlyDictionary<Dictionary_EX>(dictionary); }
