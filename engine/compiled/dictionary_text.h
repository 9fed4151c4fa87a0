#pragma once
// Any dictionary as text, one line per item, and back into a temporary
// dictionary.  Lines are TAB-separated; after the first field every field is
// "key=value" with the value written as dictionary_text_fields.h describes.
//
//   dictionary  id=  domains=
//   entry       <headword>
//   fpos        pos= idiom= primed= quoted= hidden= altonly= cannotbegin=
//               cannotend= cannotbeginandend= pvalue= features0= features1=
//               features2= weights= [base=E.F] [cfs=E.F,...]
//   para        id= cooked= raw= jpos= pvalue= altonly= they= transplant=
//               domains= sem=
//
// Entries come in dictionary order (headwords by StringCompare_E_Source,
// equal ones in the dictionary's own order), numbered from 1; their fine
// parts of speech, numbered from 1, and paraphrases in iterator order.  A
// conjugated form names its base form ("base=2.1") and has neither weights
// nor paraphrases of its own (they are its base form's); a base form lists
// its conjugated forms in chain order ("cfs=").  The raw translation is
// printed for the reader's benefit and ignored when read: it follows from the
// cooked one.  Lines beginning "#" and empty lines are skipped.
#include <iosfwd>
#include <string>

#include "engine/compiled/dictionary_text_fields.h"
#include "engine/foundation/dictionary.h"

void WriteDictionaryText(Dictionary_EX const& dictionary, std::ostream& out);
std::string DictionaryToText(Dictionary_EX const& dictionary);

// A new temporary dictionary holding what the text describes.  Throws
// DictionaryTextError naming the line on anything it cannot read.
Dictionary_EX ReadDictionaryText(std::istream& in);
Dictionary_EX DictionaryFromText(std::string const& text);
