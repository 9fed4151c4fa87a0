#pragma once
// The SGML syntax of markup: start tags '<NAME ...>', end tags '</NAME>',
// declarations '<!...>', processing instructions '<?...>', and entity and
// character references '&name;' and '&#...;'.
#include "engine/pipeline/markup_tags.h"

class SGMLMarkupTags : public MarkupTags {
public:
    using MarkupTags::GetKey;
    using MarkupTags::GetMatchingEnd;
    using MarkupTags::GetMatchingStart;
    using MarkupTags::IsEmpty;
    using MarkupTags::IsMDOorPIO;
    using MarkupTags::MarkupTags;

    // Leading spaces, TABs and line feeds are skipped; "&" starts a reference,
    // "</" an end tag, "<!" and "<?" a declaration or processing instruction
    // (its key keeps the "!" or "?"), "<" a start tag.  The key is the run of
    // key characters that follows; no key, no tag.
    bool GetKey(wchar_t const* text, unsigned long length, std::wstring* key, TagType* type) const override;
    std::wstring GetMatchingEnd(wchar_t const* text) const override;
    std::wstring GetMatchingStart(wchar_t const* text) const override;
    // The types of markup start tags, end tags and references.
    bool TokenCanBeMarkup(Token token) const override;
    std::unique_ptr<MarkupTags> Clone() const override;
    bool IsMDOorPIO(wchar_t const* text, unsigned long length) const override;
    // Declarations and processing instructions are empty too.
    bool IsEmpty(wchar_t const* text, unsigned long length) const override;
};
