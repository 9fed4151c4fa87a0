#include "engine/compiled/compiled_dictionary_40.h"

#include "engine/compiled/compiled_learning.h"
#include "engine/foundation/module_init.h"

namespace {

ModuleCounters const sModuleCounters;

// Stored p-values below this keep their value under a fixed p-value.
constexpr short kLowestFixablePValue = -1688;

}  // namespace

DictionaryRep_EX_40Compiled::DictionaryRep_EX_40Compiled(int fd) : CompiledDictionaryRep(fd, kFormat40Traits) {}

DictionaryRep_EX_40Compiled::DictionaryRep_EX_40Compiled(CompiledFileAccess const& file)
    : CompiledDictionaryRep(file, kFormat40Traits) {}

short DictionaryRep_EX_40Compiled::FinePOSPValue(CompiledFinePOSRecord const& record) {
    short const fixed = MiscInfo().GetFixedPValue();
    if (record.pValue >= kLowestFixablePValue &&
        fixed != Dictionary<Entry_EX>::MiscelaneousDictionaryInfoInterface_::kNoFixedPValue)
        return fixed;
    return record.pValue;
}

IdiomType DictionaryRep_EX_40Compiled::FinePOSIdiomType(CompiledFinePOSRecord const& record) {
    auto& misc = MiscInfo();
    if (misc.GetFixedIdiomType() &&
        misc.GetFixedPValue() != Dictionary<Entry_EX>::MiscelaneousDictionaryInfoInterface_::kNoFixedPValue)
        return eIdiomPreferential;
    return static_cast<IdiomType>(record.idiomType);
}

std::unique_ptr<DictionaryInterface_> DictionaryRep_EX_40Compiled::MakeLearningInterface() const {
    return std::make_unique<Dictionary_EX_40Compiled_LearningInterface>();
}

Dictionary_EX_40Compiled::Dictionary_EX_40Compiled(int fd)
    : Dictionary_EX(OpenCompiledRep<DictionaryRep_EX_40Compiled>(fd)) {}

CompiledDictionaryRep::EmptyValues const& DictionaryRep_EX_40Compiled::Empty() const {
    static EmptyValues const kEmpty{Dict_Semantics_E_Source{}, std::string()};
    return kEmpty;
}
