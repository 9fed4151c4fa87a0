#pragma once
// Analysis trees written as text, for tests that build a tree by hand and
// read the result back:
//
//   node := NAME ['] [~] [%RULE] ["ENGLISH"] [[FEATURES]] [{SEMANTICS}] [:JAPANESE] [/JPOS] ['] [( node ... )]
//
// NAME is a category name or number, ' marks it primed (before or after the
// Japanese), ~ virtual (made by transfer), RULE is the pure rule's index in
// the compiled grammar, ENGLISH makes the node a dictionary leaf whose reading (in the
// dictionary given to BuildTree) has that headword, FEATURES is the first
// feature string, SEMANTICS the noun atoms of the first semantic set
// ("human"), JAPANESE (UTF-8 in the test, Shift-JIS in the node; bytes that
// are not UTF-8 are taken as they are) runs to the next blank, '(', ')', '/'
// or ''', JPOS is a Japanese part-of-speech name.
//   "SDECL(NP'(PRN:私/N Nom) PRED(VP(VT01[P1T0]:{食べ}-/VV)))"
// TreeText writes a tree back the same way (rules, readings, features and
// semantics left out; virtual marks when asked), with "!" after a node whose
// back link is wrong, so that a test comparing the text sees it.
#include <cctype>
#include <stdexcept>
#include <string>

#include "engine/foundation/atom_databases.h"
#include "engine/foundation/english_pos_classes.h"
#include "engine/foundation/semantics.h"
#include "engine/foundation/temporary_dictionary.h"
#include "engine/parse/parsed_node.h"
#include "engine/transfer/tree_edit.h"
#include "platform/text_recode.h"

namespace tree_text {

inline bool IsNameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '<' || c == '>' || c == '#' || c == '@';
}

class Reader {
public:
    Reader(std::string const& text, Dictionary_EX_Temporary* dictionary) : fText(text), fDictionary(dictionary) {}

    PARSED_NODE* Chain() {
        PARSED_NODE* first = nullptr;
        PARSED_NODE* last = nullptr;
        for (SkipBlanks(); fAt < fText.size() && fText[fAt] != ')'; SkipBlanks()) {
            PARSED_NODE* node = Node();
            if (last == nullptr) {
                first = node;
            } else {
                last->rightSibling = node;
                node->back = last;
            }
            last = node;
        }
        return first;
    }

    bool AtEnd() const { return fAt >= fText.size(); }

private:
    PARSED_NODE* Node() {
        auto* node = new PARSED_NODE;
        std::string const name = Take(IsNameChar);
        node->category = Category(name);
        if (Next('\'')) node->flags |= PARSED_NODE::kViewBit0;
        if (Next('~')) node->flags |= kVirtualNode;
        if (Next('%')) node->pureRule = static_cast<uint16_t>(std::stoul(Take(::isdigit)));
        if (Next('"')) {
            std::string const english = Take([](char c) { return c != '"'; });
            Next('"');
            if (fDictionary == nullptr) throw std::runtime_error("a reading needs a dictionary: " + english);
            FinePOS_EX finePOS = fDictionary->CreateNewEntry(english).CreateNewFinePOS();
            finePOS.SetFinePOS(static_cast<POS_E_Source>(node->category));
            Paraphrase_EX paraphrase = finePOS.CreateNewParaphrase();
            node->reading.Set(POSAndParaphrase(finePOS, paraphrase));
            node->flags |= PARSED_NODE::kDictionaryLeaf;
        }
        if (Next('[')) {
            std::string const features = Take([](char c) { return c != ']'; });
            Next(']');
            features.copy(node->features[0], PARSED_NODE::kFeatureTextSize - 1);
        }
        if (Next('{')) {
            std::string const atoms = Take([](char c) { return c != '}'; });
            Next('}');
            node->semantics[0] = Semantics_E_Source(("N " + atoms).c_str()).records[0];
        }
        if (Next(':')) {
            std::string const text =
                Take([](char c) { return c != ' ' && c != ')' && c != '(' && c != '/' && c != '\''; });
            std::string sjis;
            node->SetJapanese(Recode("CP932", "UTF-8", text, &sjis) ? sjis.c_str() : text.c_str());
        }
        if (Next('/')) {
            std::string const jpos = Take(IsNameChar);
            POS_J_Target target{};
            if (!gTargetPOSDatabase().Lookup(jpos.c_str(), &target)) throw std::runtime_error("no jpos " + jpos);
            node->japanesePOS = target;
        }
        if (Next('\'')) node->flags |= PARSED_NODE::kViewBit0;
        if (Next('(')) {
            node->firstChild = Chain();
            if (node->firstChild != nullptr) node->firstChild->back = node;
            if (!Next(')')) throw std::runtime_error("')' missing in " + fText);
        }
        return node;
    }

    static uint32_t Category(std::string const& name) {
        if (!name.empty() && name.find_first_not_of("0123456789") == std::string::npos) return std::stoul(name);
        POS_E_Source category{};
        if (!gSourcePOSDatabase().Lookup(name.c_str(), &category)) throw std::runtime_error("no category " + name);
        return category;
    }

    template <class Test>
    std::string Take(Test const& test) {
        std::size_t const start = fAt;
        while (fAt < fText.size() && test(fText[fAt])) ++fAt;
        return fText.substr(start, fAt - start);
    }

    bool Next(char c) {
        if (fAt < fText.size() && fText[fAt] == c) {
            ++fAt;
            return true;
        }
        return false;
    }

    void SkipBlanks() {
        while (fAt < fText.size() && fText[fAt] == ' ') ++fAt;
    }

    std::string const& fText;
    Dictionary_EX_Temporary* fDictionary;
    std::size_t fAt = 0;
};

}  // namespace tree_text

// The tree (a chain of roots) the text describes; the caller frees it.
// Readings are made in the dictionary, which must outlive the tree.
inline PARSED_NODE* BuildTree(std::string const& text, Dictionary_EX_Temporary* dictionary = nullptr) {
    tree_text::Reader reader(text, dictionary);
    PARSED_NODE* tree = reader.Chain();
    if (!reader.AtEnd()) throw std::runtime_error("unbalanced ')' in " + text);
    return tree;
}

struct TreeTextOptions {
    bool virtualMarks = false;  // "~" after a virtual node's name
};

// The chain from node as text: names, primes, Japanese (in UTF-8 when it
// converts) and Japanese parts of speech, children in parentheses.
inline std::string TreeText(PARSED_NODE const* node, TreeTextOptions options = {},
                            PARSED_NODE const* expectedBack = nullptr) {
    std::string text;
    for (PARSED_NODE const* at = node; at != nullptr; at = at->rightSibling) {
        if (!text.empty()) text += ' ';
        char const* name = at->category <= kMaxValidPOS_E_Source
                               ? EnglishPOSName(POS_E_Source{static_cast<uint16_t>(at->category)})
                               : nullptr;
        text += name != nullptr ? name : std::to_string(at->category);
        if ((at->flags & PARSED_NODE::kViewBit0) != 0) text += '\'';
        if (options.virtualMarks && (at->flags & kVirtualNode) != 0) text += '~';
        if (at->japanese != nullptr && at->japanese[0] != '\0') {
            std::string utf8;
            text += ":" + (Recode("UTF-8", "CP932", at->japanese, &utf8) ? utf8 : std::string(at->japanese));
        }
        if (at->japanesePOS != 0) {
            char const* jpos = at->japanesePOS < gTargetPOSDatabase().GetCount()
                                   ? gTargetPOSDatabase().GetNames()[at->japanesePOS]
                                   : nullptr;
            text += "/" + (jpos != nullptr && jpos[0] != '\0' ? std::string(jpos) : std::to_string(at->japanesePOS));
        }
        if (at->back != expectedBack) text += '!';
        if (at->firstChild != nullptr) text += "(" + TreeText(at->firstChild, options, at) + ")";
        expectedBack = at;
    }
    return text;
}
