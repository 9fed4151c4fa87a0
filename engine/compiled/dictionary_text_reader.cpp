// Reading dictionary text into a temporary dictionary (see dictionary_text.h).
// The whole text is parsed first; the dictionary is built only from a text
// that parsed, so that conjugated-form links can point forward.
#include <cstring>
#include <istream>
#include <map>
#include <set>
#include <sstream>

#include "engine/compiled/dictionary_text.h"
#include "engine/foundation/entry.h"
#include "engine/foundation/temporary_dictionary.h"

namespace {

// The key=value fields of one line; every key must be one the line kind
// knows, and none may come twice.
class Fields {
public:
    Fields(std::vector<std::string> const& parts, std::set<std::string> const& known) {
        for (std::size_t i = 1; i < parts.size(); ++i) {
            std::size_t const equals = parts[i].find('=');
            std::string const key = parts[i].substr(0, equals);
            if (equals == std::string::npos || known.count(key) == 0)
                throw DictionaryTextError("unknown field: " + parts[i]);
            if (!fValues.emplace(key, parts[i].substr(equals + 1)).second)
                throw DictionaryTextError("field given twice: " + key);
        }
    }

    // "" when absent.
    std::string Raw(std::string const& key) const {
        auto found = fValues.find(key);
        return found == fValues.end() ? "" : found->second;
    }
    bool Has(std::string const& key) const { return fValues.count(key) != 0; }
    long Number(std::string const& key, long low, long high) const {
        return Has(key) ? ParseNumber(Raw(key), low, high) : 0;
    }
    bool Flag(std::string const& key) const { return Has(key) && ParseFlag(Raw(key)); }
    // Unescaped; refuses a NUL byte, which no dictionary stores.
    std::string Text(std::string const& key) const {
        std::string const text = UnescapeText(Raw(key));
        if (text.find('\0') != std::string::npos) throw DictionaryTextError("NUL byte in field " + key);
        return text;
    }

private:
    std::map<std::string, std::string> fValues;
};

struct ParaphraseText {
    Fields fields;
    unsigned long line;
};

struct FinePOSText {
    Fields fields;
    unsigned long line;
    std::vector<ParaphraseText> paraphrases;
};

struct EntryText {
    std::string headword;
    std::vector<FinePOSText> finePOSes;
};

struct DictionaryText {
    unsigned short id = kDefaultDictionaryID;
    DomainIDSet domains;
    std::vector<EntryText> entries;
};

// The keys each kind of line may hold; built on first use, so that no
// static initialiser elsewhere can see them unbuilt.
std::set<std::string> const& DictionaryKeys() {
    static std::set<std::string> const keys = {"id", "domains"};
    return keys;
}
std::set<std::string> const& FinePOSKeys() {
    static std::set<std::string> const keys = {"pos",         "idiom",     "primed",
                                               "quoted",      "hidden",    "altonly",
                                               "cannotbegin", "cannotend", "cannotbeginandend",
                                               "pvalue",      "features0", "features1",
                                               "features2",   "weights",   "base",
                                               "cfs"};
    return keys;
}
std::set<std::string> const& ParaphraseKeys() {
    static std::set<std::string> const keys = {"id",      "cooked", "raw",        "jpos",    "pvalue",
                                               "altonly", "they",   "transplant", "domains", "sem"};
    return keys;
}

// Parses one non-comment line into the text model.
void ParseLine(std::string const& line, unsigned long number, DictionaryText* text) {
    std::vector<std::string> const parts = SplitText(line, '\t');
    std::string const& kind = parts[0];
    if (kind == "dictionary") {
        if (!text->entries.empty()) throw DictionaryTextError("dictionary line after the first entry");
        Fields const fields(parts, DictionaryKeys());
        text->id = static_cast<unsigned short>(fields.Number("id", 0, 0xFFFF));
        text->domains = ParseDomainSet(fields.Raw("domains"));
    } else if (kind == "entry") {
        if (parts.size() != 2) throw DictionaryTextError("entry line needs exactly the headword");
        std::string const headword = UnescapeText(parts[1]);
        if (headword.empty() || headword.find('\0') != std::string::npos)
            throw DictionaryTextError("empty headword or one holding a NUL byte");
        text->entries.push_back({headword, {}});
    } else if (kind == "fpos") {
        if (text->entries.empty()) throw DictionaryTextError("fpos line before any entry");
        text->entries.back().finePOSes.push_back({Fields(parts, FinePOSKeys()), number, {}});
    } else if (kind == "para") {
        if (text->entries.empty() || text->entries.back().finePOSes.empty())
            throw DictionaryTextError("para line before any fpos line");
        FinePOSText& owner = text->entries.back().finePOSes.back();
        if (owner.fields.Has("base"))
            throw DictionaryTextError("a conjugated form has its base form's paraphrases, not its own");
        owner.paraphrases.push_back({Fields(parts, ParaphraseKeys()), number});
    } else {
        throw DictionaryTextError("unknown line kind: " + kind);
    }
}

// Runs the step, naming the line in any error it throws.
template <class Step>
void AtLine(unsigned long line, Step step) {
    try {
        step();
    } catch (DictionaryTextError const& error) {
        throw DictionaryTextError("line " + std::to_string(line) + ": " + error.what());
    }
}

void FillParaphrase(Fields const& fields, Paraphrase_EX para) {
    para.SetParaID(static_cast<int>(fields.Number("id", INT32_MIN, INT32_MAX)));
    para.SetCookedTranslation(fields.Text("cooked"));
    POS_J_Target const jpos = fields.Has("jpos") ? ParseJapanesePOS(fields.Raw("jpos")) : POS_J_Target{};
    // Dictionaries keep 9 bits of it.
    if (jpos > 0x1FF) throw DictionaryTextError("Japanese part of speech beyond 9 bits");
    para.SetTransPOS(jpos);
    para.SetPValue(static_cast<short>(fields.Number("pvalue", INT16_MIN, INT16_MAX)));
    para.SetAltOnly(fields.Flag("altonly"));
    para.SetTheyTransType(static_cast<TheyTransType>(fields.Number("they", 0, 3)));
    para.SetTransplant(fields.Text("transplant"));
    para.SetDomainIDSet(ParseDomainSet(fields.Raw("domains")));
    para.SetSemantics(ParseSemantics(fields.Raw("sem")));
}

FeatureSets_E_Source ParseFeatureSets(Fields const& fields) {
    FeatureSets_E_Source sets;
    for (unsigned i = 0; i < FeatureSets_E_Source::kSetCount; ++i) {
        std::string const text = fields.Text("features" + std::to_string(i));
        if (text.size() > FeatureSets_E_Source::kMaxSetLength) throw DictionaryTextError("feature text over 100 bytes");
        sets.SetSet(i, text.c_str());
    }
    return sets;
}

void FillFinePOS(FinePOSText const& text, FinePOS_EX fp) {
    Fields const& fields = text.fields;
    fp.SetFinePOS(fields.Has("pos") ? ParseEnglishPOS(fields.Raw("pos")) : POS_E_Source{});
    fp.SetIdiomType(static_cast<IdiomType>(fields.Number("idiom", 0, 7)));
    fp.SetPrimed(fields.Flag("primed"));
    fp.SetQuoted(fields.Flag("quoted"));
    fp.SetHidden(fields.Flag("hidden"));
    fp.SetAltOnly(fields.Flag("altonly"));
    fp.SetCannotBeginSentenceFlag(fields.Flag("cannotbegin"));
    fp.SetCannotEndSentenceFlag(fields.Flag("cannotend"));
    if (fields.Flag("cannotbeginandend")) fp.GetEntry()->SetCannotBeginAndEndSentenceFlag(fp.GetCookie(), true);
    fp.SetPValue(static_cast<short>(fields.Number("pvalue", INT16_MIN, INT16_MAX)));
    fp.SetFeatureSets(ParseFeatureSets(fields));
    std::vector<DomainWeightInfoRecord> const weights = ParseDomainWeights(fields.Raw("weights"));
    if (!weights.empty() && fields.Has("base"))
        throw DictionaryTextError("a conjugated form has its base form's weights, not its own");
    if (!weights.empty()) fp.SetDomainWeights(weights);
    // Iterators yield the newest first: make them last to first.
    for (auto it = text.paraphrases.rbegin(); it != text.paraphrases.rend(); ++it)
        AtLine(it->line, [&] { FillParaphrase(it->fields, fp.CreateNewParaphrase()); });
}

// Resolves "E.F" labels and links every chain; both ends of each link must
// agree.
class ChainBuilder {
    // Conjugated forms by position, with the base form they name.
    using Claims = std::map<std::pair<std::size_t, std::size_t>, std::string>;

public:
    explicit ChainBuilder(std::vector<std::vector<FinePOS_EX>> const& finePOSes) : fFinePOSes(finePOSes) {}

    void Link(DictionaryText const& text) {
        Claims claimedBase;
        for (std::size_t e = 0; e < text.entries.size(); ++e) {
            for (std::size_t f = 0; f < text.entries[e].finePOSes.size(); ++f) {
                Fields const& fields = text.entries[e].finePOSes[f].fields;
                if (fields.Has("base")) claimedBase[{e, f}] = fields.Raw("base");
            }
        }
        for (std::size_t e = 0; e < text.entries.size(); ++e) {
            for (std::size_t f = 0; f < text.entries[e].finePOSes.size(); ++f) {
                Fields const& fields = text.entries[e].finePOSes[f].fields;
                if (fields.Has("cfs"))
                    AtLine(text.entries[e].finePOSes[f].line, [&] { LinkChain(e, f, fields, &claimedBase); });
            }
        }
        if (!claimedBase.empty())
            throw DictionaryTextError("base form " + claimedBase.begin()->second +
                                      " does not list its conjugated form");
    }

private:
    void LinkChain(std::size_t e, std::size_t f, Fields const& fields, Claims* claimedBase) {
        if (fields.Has("base")) throw DictionaryTextError("a conjugated form cannot head a chain");
        std::string const label = std::to_string(e + 1) + "." + std::to_string(f + 1);
        std::vector<std::pair<std::size_t, std::size_t>> chain;
        for (std::string const& member : SplitText(fields.Raw("cfs"), ',')) {
            auto const at = Resolve(member);
            auto claim = claimedBase->find(at);
            if (claim == claimedBase->end() || claim->second != label)
                throw DictionaryTextError("chain member " + member + " does not name " + label + " as base");
            claimedBase->erase(claim);
            chain.push_back(at);
        }
        // Each new link goes directly behind the base: link last first.
        FinePOS_EX const& base = fFinePOSes[e][f];
        for (auto it = chain.rbegin(); it != chain.rend(); ++it)
            FinePOS_EX(fFinePOSes[it->first][it->second]).SetBaseForm(base);
    }

    std::pair<std::size_t, std::size_t> Resolve(std::string const& label) const {
        std::vector<std::string> const parts = SplitText(label, '.');
        if (parts.size() != 2) throw DictionaryTextError("fine part of speech label must be E.F: " + label);
        auto const e = static_cast<std::size_t>(ParseNumber(parts[0], 1, static_cast<long>(fFinePOSes.size())));
        auto const f = static_cast<std::size_t>(ParseNumber(parts[1], 1, static_cast<long>(fFinePOSes[e - 1].size())));
        return {e - 1, f - 1};
    }

    std::vector<std::vector<FinePOS_EX>> const& fFinePOSes;
};

Dictionary_EX Build(DictionaryText const& text) {
    Dictionary_EX dictionary = Dictionary_EX_Temporary();
    dictionary.SetID(text.id);
    dictionary.GetRep()->SetDomainIDSet(text.domains);
    std::vector<std::vector<FinePOS_EX>> finePOSes(text.entries.size());
    for (std::size_t e = 0; e < text.entries.size(); ++e) {
        Entry_EX entry = dictionary.CreateNewEntry(text.entries[e].headword);
        auto const& parsed = text.entries[e].finePOSes;
        for (auto it = parsed.rbegin(); it != parsed.rend(); ++it)
            AtLine(it->line, [&] { FillFinePOS(*it, entry.CreateNewFinePOS()); });
        for (ForwardIterator<FinePOS_EX> it = entry.GetFinePOSIterator(); !it.IsAtEnd(); ++it)
            finePOSes[e].push_back(*it);
    }
    ChainBuilder(finePOSes).Link(text);
    return dictionary;
}

}  // namespace

Dictionary_EX ReadDictionaryText(std::istream& in) {
    DictionaryText text;
    std::string line;
    for (unsigned long number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        try {
            ParseLine(line, number, &text);
        } catch (DictionaryTextError const& error) {
            throw DictionaryTextError("line " + std::to_string(number) + ": " + error.what());
        }
    }
    return Build(text);
}

Dictionary_EX DictionaryFromText(std::string const& text) {
    std::istringstream in(text);
    return ReadDictionaryText(in);
}
