#include "engine/parse/semantic_atoms.h"

#include <cstring>

#include "engine/foundation/atom_databases.h"

namespace {

// The order in which a side's idiom atom is chosen when it has several.
constexpr char const* kIdiomAtomNames[] = {"idiom",
                                           "idiom1",
                                           "idiom10",
                                           "idiom11",
                                           "idiom12human",
                                           "idiom2",
                                           "idiom3",
                                           "idiom4",
                                           "idiom4way",
                                           "idiom5",
                                           "idiom6",
                                           "idiom7",
                                           "idiom9",
                                           "idiom_howto",
                                           "idiom12what",
                                           "idiom_issue",
                                           "idiom_take",
                                           "idiom8",
                                           "idiom11_time",
                                           "idiom11_they",
                                           "idiom11_gold",
                                           "idiom11_trip",
                                           "idiom11_interest",
                                           "idiom12what_thing",
                                           "idiom12what_abstract",
                                           "idiom13",
                                           "idiom_account",
                                           "idiom_board",
                                           "idiom_age",
                                           "idiom_application",
                                           "idiom_assignment",
                                           "idiom_assignment2",
                                           "idiom_bone",
                                           "idiom_command",
                                           "idiom_color",
                                           "idiom_childhood",
                                           "idiom_cipher",
                                           "idiom_concession",
                                           "idiom_contract",
                                           "idiom_credit",
                                           "idiom_days",
                                           "idiom_decision",
                                           "idiom_drug",
                                           "idiom_feeling",
                                           "idiom_fire",
                                           "idiom_geometry",
                                           "idiom_good",
                                           "idiom_grasp",
                                           "idiom_guitar_string",
                                           "idiom_heart",
                                           "idiom_heat",
                                           "idiom_it",
                                           "idiom_mail",
                                           "idiom_make",
                                           "idiom_market",
                                           "idiom_material",
                                           "idiom_men",
                                           "idiom_money",
                                           "idiom_money2",
                                           "idiom_month_year",
                                           "idiom_motion",
                                           "idiom_car",
                                           "idiom_cause",
                                           "idiom_conscience",
                                           "idiom_legal",
                                           "idiom_load",
                                           "idiom_lot",
                                           "idiom_objective",
                                           "idiom_occupation",
                                           "idiom_order",
                                           "idiom_pan",
                                           "idiom_paper",
                                           "idiom_party",
                                           "idiom_passport",
                                           "idiom_photo",
                                           "idiom_pitch",
                                           "idiom_power",
                                           "idiom_plan",
                                           "idiom_presentation",
                                           "idiom_promise",
                                           "idiom_quarter",
                                           "idiom_question",
                                           "idiom_region",
                                           "idiom_run",
                                           "idiom_runner",
                                           "idiom_seat",
                                           "idiom_scene",
                                           "idiom_settlement",
                                           "idiom_shot",
                                           "idiom_size",
                                           "idiom_situation",
                                           "idiom_slack",
                                           "idiom_soul",
                                           "idiom_speaker",
                                           "idiom_step",
                                           "idiom_stress",
                                           "idiom_strike",
                                           "idiom_suit",
                                           "idiom_surplus",
                                           "idiom_theme",
                                           "idiom_visacard_charge",
                                           "idiom_take_do",
                                           "idiom_treasurybill",
                                           "idiom_treaty",
                                           "idiom_teaching",
                                           "idiom_thesis",
                                           "idiom_threat",
                                           "idiom_thunder",
                                           "idiom_times",
                                           "idiom_toll",
                                           "idiom_xray",
                                           "idiom_killing",
                                           "idiom_golf",
                                           "idiom_life",
                                           "idiom_daily_life",
                                           "idiom_line",
                                           "idiom_medical",
                                           "idiom_numberluck",
                                           "idiom_lift",
                                           "idiom_meter",
                                           "idiom_vacation",
                                           "idiom_verdict",
                                           "idiom_volume",
                                           "idiom_finance",
                                           "idiom_idea",
                                           "idiom_say",
                                           "idiom_group",
                                           "idiom_prison_fine"};

uint16_t AtomNamed(char const* name) {
    unsigned short atom = 0;
    gSemanticAtomDatabase_E_Source().Lookup(name, &atom);
    return atom;
}

}  // namespace

SemanticAtomTable const& SemanticAtomTable::Get() {
    static SemanticAtomTable const table;
    return table;
}

SemanticAtomTable::SemanticAtomTable() {
    std::size_t const count = gSemanticAtomDatabase_E_Source().GetCount();
    fSpecificity.assign(count, 0.0f);
    fSpecific.assign(count, false);
    fFirstParent.assign(count, 0);
    fParentCount.assign(count, 0);
    for (unsigned i = 0; i < kSemanticAtomCount; ++i) {
        SemanticAtomRecord const& record = kSemanticAtoms[i];
        if (record.atom >= count || record.firstParent + record.parentCount > kSemanticParentCount) continue;
        fSpecificity[record.atom] = record.specificity;
        fSpecific[record.atom] = (record.flags & SemanticAtomRecord::kSpecific) != 0;
        fFirstParent[record.atom] = record.firstParent;
        fParentCount[record.atom] = record.parentCount;
    }
    fNamed.all = AtomNamed("all");
    fNamed.any = AtomNamed("any");
    fNamed.asfStative = AtomNamed("asf_stative");
    fNamed.coordAny = AtomNamed("coord_any");
    fNamed.dospeak = AtomNamed("dospeak");
    fNamed.nonhuman = AtomNamed("nonhuman");
    fNamed.place = AtomNamed("place");
    fNamed.reflex = AtomNamed("reflex");
    fNamed.vsfNonagent = AtomNamed("vsf_nonagent");
    fNamed.acaddegree = AtomNamed("acaddegree");
    for (char const* name : kIdiomAtomNames) {
        if (uint16_t const atom = AtomNamed(name)) fIdiomAtoms.push_back(atom);
    }
}

SemanticAtomTable::Ancestors SemanticAtomTable::AncestorsOf(uint16_t atom) const {
    if (!InRange(atom)) return {nullptr, nullptr};
    SemanticParentRecord const* first = kSemanticParents + fFirstParent[atom];
    return {first, first + fParentCount[atom]};
}

bool SemanticAtomTable::IsDirectAncestor(uint16_t atom, uint16_t ancestor) const {
    Ancestors const list = AncestorsOf(atom);
    for (auto const* p = list.begin; p != list.end; ++p) {
        if (p->ancestor == ancestor) return p->indirect == 0;
    }
    return false;
}

char const* SemanticAtomTable::Name(uint16_t atom) const {
    return InRange(atom) ? gSemanticAtomDatabase_E_Source().GetNames()[atom] : "";
}

bool SemanticAtomTable::IsIsfFeature(uint16_t atom) const {
    char const* name = Name(atom);
    return std::strncmp(name, "vsf_", 4) == 0 || std::strncmp(name, "asf_", 4) == 0;
}

bool SemanticAtomTable::IsVsfFeature(uint16_t atom) const { return std::strncmp(Name(atom), "vsf_", 4) == 0; }
