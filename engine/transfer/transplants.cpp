#include "engine/transfer/transplants.h"

#include <cctype>
#include <cstring>

#include "engine/foundation/atom_databases.h"
#include "engine/transfer/analysis_node_tests.h"
#include "engine/transfer/tree_analyzer.h"

namespace {

constexpr uint32_t kUnknownJapanesePOS = 1;

bool IsWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_'; }
bool IsLower(char c) { return c >= 'a' && c <= 'z'; }
bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

bool IsShiftJISLead(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

class TermReader {
public:
    explicit TermReader(char const* text) : fAt(text) {}

    bool AtEnd() {
        while (IsBlank(*fAt)) ++fAt;
        return *fAt == '\0';
    }

    TRANS_TERM Read() {
        TRANS_TERM term;
        ReadMatchMode(&term);
        ReadTest(&term);
        ReadMarks(&term);
        if (*fAt == ':') {
            ++fAt;
            ReadAction(&term);
        }
        // Whatever is left of the term is not understood; it ends at a blank.
        while (*fAt != '\0' && !IsBlank(*fAt)) ++fAt;
        return term;
    }

private:
    void ReadMatchMode(TRANS_TERM* term) {
        int marks = 0;
        while (*fAt == '?') {
            ++marks;
            ++fAt;
        }
        term->matchMode = marks >= 2 ? AnalConstit::kAny : marks == 1 ? AnalConstit::kStar : AnalConstit::kNext;
    }

    void ReadTest(TRANS_TERM* term) {
        if (*fAt == ':') {
            ++fAt;
            term->test = TRANS_TERM::kJapanesePOS;
        } else if (*fAt == '*') {
            ++fAt;
            term->suffix = true;
            term->test = TRANS_TERM::kCategory;
        } else if (IsUpper(*fAt) || std::isdigit(static_cast<unsigned char>(*fAt))) {
            term->test = TRANS_TERM::kCategory;
        } else if (IsLower(*fAt)) {
            term->test = TRANS_TERM::kEnglishWord;
        }
        term->word = Word(TRANS_TERM::kMaxWord);
        if (term->test == TRANS_TERM::kEnglishWord) {
            for (char& c : term->word)
                if (c == '_') c = ' ';
        }
    }

    void ReadMarks(TRANS_TERM* term) {
        for (;;) {
            if (*fAt == '*') {
                term->prefix = true;
            } else if (*fAt == '\'') {
                term->prime = true;
            } else if (*fAt == '{') {
                // Accepted and not used.
                while (*fAt != '\0' && *fAt != '}') ++fAt;
                if (*fAt == '\0') return;
            } else {
                return;
            }
            ++fAt;
        }
    }

    void ReadAction(TRANS_TERM* term) {
        while (IsBlank(*fAt)) ++fAt;
        switch (*fAt) {
            case '#': term->action = TRANS_TERM::kSelf; break;
            case '+': term->action = TRANS_TERM::kAdjoin; break;
            case '-': term->action = TRANS_TERM::kAdjoinFlagged; break;
            case '=': term->action = TRANS_TERM::kLastChild; break;
            case '@': term->action = TRANS_TERM::kNewRightSibling; break;
            default: return;
        }
        ++fAt;
        if (IsUpper(*fAt)) {
            std::string const name = Word(TRANS_TERM::kMaxWord);
            POS_E_Source category{};
            if (gSourcePOSDatabase().Lookup(name.c_str(), &category)) term->category = category;
        } else if (IsLower(*fAt) || *fAt == '-') {
            term->romaji = Romaji();
        }
        if (*fAt == '<') term->japanese = AngleText();
        if (*fAt == ':') {
            ++fAt;
            std::string const name = Word(TRANS_TERM::kMaxWord);
            POS_J_Target pos{};
            term->japanesePOS = !name.empty() && gTargetPOSDatabase().Lookup(name.c_str(), &pos)
                                    ? static_cast<uint32_t>(pos)
                                    : kUnknownJapanesePOS;
        }
    }

    std::string Word(std::size_t bound) {
        std::string word;
        for (; IsWordChar(*fAt); ++fAt)
            if (word.size() < bound) word += *fAt;
        return word;
    }

    // Letters, digits and '-'; a blank belongs to it only when more romaji
    // follows ("ni tsuite"), so the next term is never swallowed.
    std::string Romaji() {
        std::string romaji;
        for (;; ++fAt) {
            bool const inside = IsWordChar(*fAt) && *fAt != '_';
            bool const joiningBlank = *fAt == ' ' && (IsLower(fAt[1]) || fAt[1] == '-');
            if (!inside && !joiningBlank) break;
            if (romaji.size() < TRANS_TERM::kMaxRomaji) romaji += *fAt;
        }
        return romaji;
    }

    // Whole Shift-JIS characters up to '>'.
    std::string AngleText() {
        std::string text;
        ++fAt;
        while (*fAt != '\0' && *fAt != '>') {
            std::size_t const length = IsShiftJISLead(static_cast<unsigned char>(*fAt)) && fAt[1] != '\0' ? 2 : 1;
            if (text.size() + length <= TRANS_TERM::kMaxJapanese) text.append(fAt, length);
            fAt += length;
        }
        if (*fAt == '>') ++fAt;
        return text;
    }

    char const* fAt;
};

bool EndsWith(std::string const& value, std::string const& end) {
    return value.size() >= end.size() && value.compare(value.size() - end.size(), end.size(), end) == 0;
}

bool TransMatchConstit(PARSED_NODE const* node, TRANS_TERM const& term) {
    std::string value;
    switch (term.test) {
        case TRANS_TERM::kNoTest: break;
        case TRANS_TERM::kCategory: value = CategoryName(node->category); break;
        case TRANS_TERM::kEnglishWord:
            if (node->reading.IsNull()) return false;
            value = node->reading.Get().GetFinePOS().GetEntry().GetSrcText();
            break;
        case TRANS_TERM::kJapanesePOS: value = JapanesePOSName(node->japanesePOS); break;
    }
    if (term.suffix) return EndsWith(value, term.word);
    if (term.prefix) return value.compare(0, term.word.size(), term.word) == 0;
    return value == term.word;
}

// The node an action works on; new nodes are linked in here.
PARSED_NODE* ActionTarget(PARSED_NODE* node, TRANS_TERM::Action action) {
    switch (action) {
        case TRANS_TERM::kNewRightSibling: {
            PARSED_NODE* added = NewVirtualNode(0);
            InsertRightOf(node, added);
            return added;
        }
        case TRANS_TERM::kAdjoin:
        case TRANS_TERM::kAdjoinFlagged: {
            PARSED_NODE* added = NewVirtualNode(0);
            ChomskyAdjoin(node, added, action == TRANS_TERM::kAdjoinFlagged);
            return added;
        }
        case TRANS_TERM::kLastChild: {
            PARSED_NODE* const last = GetLastChild(node);
            return last != nullptr ? last : node;
        }
        case TRANS_TERM::kSelf: return node;
        case TRANS_TERM::kNoAction: break;
    }
    return nullptr;
}

// Constituent 0 is the node carrying the string; constituent i is term
// count - i, read leftwards from it.
class TransplantMatcherActor : public AnalyzerActorBase {
public:
    short Match(PARSED_NODE* node, short i) {
        if (i == 0) {
            if (node->transplant == nullptr || node->transplant[0] == '\0') return 0;
            fTerms = ParseTransplantString(node->transplant);
            return static_cast<short>(fTerms.size() + 1);
        }
        return TransMatchConstit(node, Term(i)) ? 1 : 0;
    }

    uint8_t GetMatchMode(short i) const { return i == 0 ? 0 : Term(i).matchMode; }
    uint8_t GetAdvanceMode(short) const { return 0; }

    void PerformActions(PARSED_NODE** slots) {
        for (short i = 1; i <= static_cast<short>(fTerms.size()); ++i) {
            TRANS_TERM const& term = Term(i);
            if (slots[i] == nullptr || term.action == TRANS_TERM::kNoAction) continue;
            PARSED_NODE* const target = ActionTarget(slots[i], term.action);
            if (term.category != 0) target->category = term.category;
            if (term.japanesePOS != 0) target->japanesePOS = term.japanesePOS;
            if (!term.japanese.empty())
                target->SetJapanese(term.japanese.c_str());
            else if (!term.romaji.empty())
                target->SetJapanese(term.romaji.c_str());
            fChanged = true;
        }
    }

    bool Changed() const { return fChanged; }

private:
    TRANS_TERM const& Term(short i) const { return fTerms[fTerms.size() - static_cast<std::size_t>(i)]; }

    std::vector<TRANS_TERM> fTerms;
    bool fChanged = false;
};

}  // namespace

std::vector<TRANS_TERM> ParseTransplantString(char const* text) {
    std::vector<TRANS_TERM> terms;
    if (text == nullptr) return terms;
    TermReader reader(text);
    while (!reader.AtEnd()) {
        TRANS_TERM term = reader.Read();
        if (terms.size() < kMaxTransplantTerms) terms.push_back(std::move(term));
    }
    return terms;
}

bool ApplyTransplants(PARSED_NODE* tree) {
    TransplantMatcherActor actor;
    Analyzer<TransplantMatcherActor, true>(actor).MatchFirstConstit(tree);
    return actor.Changed();
}
