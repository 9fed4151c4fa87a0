#pragma once
// A tag's text split into its name and attributes, for narrow and wide text
// alike: '<IMG SRC="a b.gif" WIDTH=10>' gives IMG with SRC '"a b.gif"' (its
// quotes kept) and WIDTH '10'.  The first value of a repeated attribute wins.
#include <cstddef>
#include <map>

#include "engine/foundation/sjis_chars.h"

template <typename String>
class TagAttributeParser {
public:
    using Char = typename String::value_type;

    explicit TagAttributeParser(String const& tag) : fTag(tag) { Parse(); }

    String const& Name() const { return fName; }                                // upper-case
    std::map<String, String> const& Attributes() const { return fAttributes; }  // by name, as written

    // The tag rebuilt: "<", the name, then " NAME=VALUE" (" NAME" without a
    // value) for each attribute in ascending order of name, then ">".
    String Print() const {
        String text(1, Char('<'));
        text += fName;
        for (auto const& attribute : fAttributes) {
            text += Char(' ');
            text += attribute.first;
            if (attribute.second.empty()) continue;
            text += Char('=');
            text += attribute.second;
        }
        text += Char('>');
        return text;
    }

private:
    static bool IsBlank(Char c) { return c == Char(' ') || c == Char('\t') || c == Char('\n') || c == Char('\r'); }

    std::size_t SkipBlanks(std::size_t at) const {
        while (at < fTag.size() && IsBlank(fTag[at])) ++at;
        return at;
    }

    // From `at`, up to the first character that ends a run.
    template <typename Ends>
    std::size_t RunEnd(std::size_t at, Ends ends) const {
        while (at < fTag.size() && !ends(fTag[at])) ++at;
        return at;
    }

    void Parse() {
        std::size_t at = SkipBlanks(0);
        if (at < fTag.size() && fTag[at] == Char('<')) ++at;
        std::size_t const nameEnd = RunEnd(at, [](Char c) { return IsBlank(c) || c == Char('>'); });
        for (std::size_t i = at; i < nameEnd; ++i) {
            // In narrow (Shift-JIS) text the second byte of a two-byte
            // character may look like a lower-case letter: it is kept as is.
            if (sizeof(Char) == 1 && IsSJISLeadByte(static_cast<unsigned char>(fTag[i])) && i + 1 < nameEnd) {
                fName += fTag[i++];
                fName += fTag[i];
                continue;
            }
            fName += ASCIIToUpper(fTag[i]);
        }
        at = nameEnd;
        while ((at = SkipBlanks(at)) < fTag.size()) {
            std::size_t const attributeEnd = RunEnd(at, [](Char c) { return IsBlank(c) || c == Char('='); });
            if (attributeEnd == fTag.size()) {
                // The last attribute has no value; the tag's closing ">" is no part of it.
                std::size_t end = fTag.size();
                if (fTag[end - 1] == Char('>')) --end;
                if (end > at) fAttributes.emplace(fTag.substr(at, end - at), String());
                return;
            }
            String const attribute = fTag.substr(at, attributeEnd - at);
            at = SkipBlanks(attributeEnd);
            if (at == fTag.size() || fTag[at] != Char('=')) {
                // No "=": an attribute without a value; what follows is the next one.
                fAttributes.emplace(attribute, String());
                continue;
            }
            at = SkipBlanks(at + 1);
            std::size_t const valueEnd = ValueEnd(at);
            fAttributes.emplace(attribute, fTag.substr(at, valueEnd - at));
            at = valueEnd;
        }
    }

    // A quoted value runs through its closing quote (or, unclosed, to the end
    // of the text); any other to the next blank or ">".
    std::size_t ValueEnd(std::size_t at) const {
        if (at < fTag.size() && (fTag[at] == Char('"') || fTag[at] == Char('\''))) {
            Char const quote = fTag[at];
            std::size_t const close = RunEnd(at + 1, [quote](Char c) { return c == quote; });
            return close < fTag.size() ? close + 1 : close;
        }
        return RunEnd(at, [](Char c) { return IsBlank(c) || c == Char('>'); });
    }

    String fTag;
    String fName;
    std::map<String, String> fAttributes;
};
