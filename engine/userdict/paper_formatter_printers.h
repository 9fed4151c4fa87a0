#pragma once
// Diagnostic dumps of entries with every field of their readings, one field
// a line, each line indented by `indent` TAB characters.
#include <ostream>

#include "engine/foundation/dictionary.h"
#include "engine/foundation/entry.h"
#include "engine/foundation/iterators.h"

void PrettyPrintParaphrase(std::ostream& out, Paraphrase_EX const& paraphrase, unsigned indent);
// The fine part of speech's fields, its inflected forms, then its
// paraphrases one level deeper.
void PrettyPrintFinePOS(std::ostream& out, FinePOS_EX const& finePOS, unsigned indent);
void PrettyPrintEntry(std::ostream& out, Entry_EX const& entry, unsigned indent);
void PrettyPrintEntries(std::ostream& out, ForwardIterator<Entry_EX> entries, unsigned indent);
// The dictionary's number and domains, then all its entries.
void PrettyPrintDictionary(std::ostream& out, Dictionary_EX const& dictionary, unsigned indent);
