#include "engine/compiled/compiled_dictionary_50.h"

#include <algorithm>
#include <iterator>

#include "engine/compiled/compiled_learning.h"
#include "engine/foundation/module_init.h"

namespace {

ModuleCounters const sModuleCounters;

// English parts of speech whose almighty idioms count as quasi-almighty
// under the fixed idiom type.
constexpr uint16_t kQuasiAlmightyPOS[] = {3, 4, 5, 6, 7, 22, 30, 31, 51, 52, 53, 54};

bool TakesQuasiAlmighty(uint16_t pos) {
    return std::find(std::begin(kQuasiAlmightyPOS), std::end(kQuasiAlmightyPOS), pos) != std::end(kQuasiAlmightyPOS);
}

}  // namespace

DictionaryRep_EX_50Compiled::DictionaryRep_EX_50Compiled(int fd)
    : DictionaryRep_EX_50Compiled(CompiledFileAccess(fd)) {}

DictionaryRep_EX_50Compiled::DictionaryRep_EX_50Compiled(CompiledFileAccess const& file)
    : CompiledDictionaryRep(file, kFormat50Traits) {}

bool DictionaryRep_EX_50Compiled::AlmightyUnderFixedIdiomType(CompiledFinePOSRecord const& record) {
    return record.idiomType == eIdiomAlmighty && MiscInfo().GetFixedIdiomType();
}

short DictionaryRep_EX_50Compiled::FinePOSPValue(CompiledFinePOSRecord const& record) {
    if (!AlmightyUnderFixedIdiomType(record)) return record.pValue;
    // Held at the top instead of wrapping round to a low p-value.
    return static_cast<short>(std::min(record.pValue + kFixedIdiomPValueBonus, 32767));
}

IdiomType DictionaryRep_EX_50Compiled::FinePOSIdiomType(CompiledFinePOSRecord const& record) {
    if (!AlmightyUnderFixedIdiomType(record)) return static_cast<IdiomType>(record.idiomType);
    return TakesQuasiAlmighty(record.englishPOS) ? eIdiomQuasiAlmighty : eIdiomPreferential;
}

std::unique_ptr<DictionaryInterface_> DictionaryRep_EX_50Compiled::MakeLearningInterface() const {
    return std::make_unique<Dictionary_EX_50Compiled_LearningInterface>();
}

std::unique_ptr<DictionaryInterface_> DictionaryRep_EX_50Compiled::MakeMiscInfoInterface(unsigned long entryCount,
                                                                                         unsigned long fileSize) const {
    return std::make_unique<Dictionary_EX_50CompiledMiscDictInfoIface>(entryCount, fileSize);
}

Dictionary_EX_50Compiled::Dictionary_EX_50Compiled(int fd)
    : Dictionary_EX(OpenCompiledRep<DictionaryRep_EX_50Compiled>(fd)) {}

CompiledDictionaryRep::EmptyValues const& DictionaryRep_EX_50Compiled::Empty() const {
    static EmptyValues const kEmpty{Dict_Semantics_E_Source{}, std::string()};
    return kEmpty;
}
