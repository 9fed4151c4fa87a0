#pragma once
// What the pipeline knows of markup: given the text of a tag, or a markup
// token whose text is one, its key and kind, whether one tag may hold
// another, whether a tag is empty, which end tag closes a start tag, and
// whether a text is a declaration or processing instruction.  The syntax is
// left to a derived class (SGMLMarkupTags); the tag table (which tags hold
// which) is filled by whoever knows one.  The pipeline fills none, so there
// every tag may hold every other.
#include <map>
#include <memory>
#include <set>
#include <string>

#include "engine/foundation/token.h"
#include "engine/foundation/token_type_registry.h"

class TokenStringDatabase;

// What the table knows of one tag.  Tags are named by their upper-case keys.
struct MarkupTagInfo {
    static constexpr unsigned kFlagCount = 5;
    enum Flag { kEmpty = 0 };  // the tag has no content and no end tag

    unsigned char flags[kFlagCount] = {};
    std::set<std::wstring> contains;            // the tags it may hold
    std::set<std::wstring> requiredContainers;  // the tags that must hold it
    std::set<std::wstring> otherTags[2];        // kept for a table that has them; no query reads them

    bool IsEmptyTag() const { return flags[kEmpty] != 0; }
};

// The markup token types: start tags, end tags and references that no table
// names.  The tokenizer that makes markup tokens registers their names.
enum MarkupTokenType : TokenTypeID {
    kMarkupStartTagToken = 69,
    kMarkupEndTagToken = 70,
    kMarkupReferenceToken = 71,
};

// Names the markup token types ("MarkupStartTag", "MarkupEndTag",
// "MarkupReference") in the token-type registry.  A source that makes or
// shows markup tokens holds one in its static initialisation, as it holds
// EnglishTokens.
class MarkupTokens {
public:
    MarkupTokens();
    ~MarkupTokens();
    MarkupTokens(MarkupTokens const&) = delete;
    MarkupTokens& operator=(MarkupTokens const&) = delete;

    static unsigned sCount;

private:
    Token_ModuleInit fRegistry;
};

class MarkupTags {
public:
    enum TagType { kReference = 0, kStartTag = 1, kEndTag = 2 };

    explicit MarkupTags(TokenStringDatabase const* strings = nullptr);
    // A copy has the tables and no token texts until SetTokenStringDatabase.
    MarkupTags(MarkupTags const& other);
    MarkupTags& operator=(MarkupTags const& other);

    // The syntax: the key and kind of the tag the text (of `length`
    // characters; the text need not be terminated) starts with, after blanks;
    // false when it starts with no tag.  Key and kind are written only through
    // pointers that are not null.
    virtual bool GetKey(wchar_t const* text, unsigned long length, std::wstring* key, TagType* type) const = 0;
    virtual bool GetKey(wchar_t const* text, std::wstring* key, TagType* type) const;
    // The end tag that closes a start tag ('<NAME attr>' gives '</NAME>'),
    // and the start tag an end tag closes; "" for any other text.
    virtual std::wstring GetMatchingEnd(wchar_t const* text) const = 0;
    virtual std::wstring GetMatchingEnd(Token token) const;
    virtual std::wstring GetMatchingStart(wchar_t const* text) const = 0;
    virtual std::wstring GetMatchingStart(Token token) const;
    virtual bool TokenCanBeMarkup(Token token) const = 0;
    virtual std::unique_ptr<MarkupTags> Clone() const = 0;
    // A markup declaration ('<!...>') or processing instruction ('<?...>').
    virtual bool IsMDOorPIO(Token token) const;
    virtual bool IsMDOorPIO(wchar_t const* text) const;
    virtual bool IsMDOorPIO(wchar_t const* text, unsigned long length) const = 0;
    // A tag without content or end tag: references, and the start tags the
    // table marks empty.
    virtual bool IsEmpty(wchar_t const* text) const;
    virtual bool IsEmpty(wchar_t const* text, unsigned long length) const;
    // Whether inner may stand inside outer.  Only a table that knows both
    // tags says no; a markup token without text never fits, a token that
    // cannot be markup always does.
    virtual bool CanContain(wchar_t const* outer, wchar_t const* inner) const;
    virtual bool CanContain(Token outer, Token inner) const;
    virtual bool CanContain(Token outer, wchar_t const* inner) const;
    virtual bool CanContain(wchar_t const* outer, Token inner) const;
    virtual ~MarkupTags();

    // The table's entry for the key of a start or end tag; null otherwise.
    MarkupTagInfo const* FindTagInMap(wchar_t const* text) const;
    // The tag must stand inside the container, by the table.
    bool IsRequiredContainer(wchar_t const* container, wchar_t const* tag) const;
    // Both are tags of one kind with keys equal ignoring case.
    bool SameKey(wchar_t const* a, wchar_t const* b) const;
    // start is a start tag and end an end tag of the same key.
    bool Match(wchar_t const* start, wchar_t const* end) const;
    bool Match(wchar_t const* start, wchar_t const* end, unsigned long endLength) const;
    // The text (or the markup token's text) is a tag named `name`, ignoring case.
    bool IsThisTag(wchar_t const* text, wchar_t const* name) const;
    bool IsThisTag(Token token, wchar_t const* name) const;
    // A markup token whose text is a tag.
    bool IsMarkup(Token token) const;

    void SetTokenStringDatabase(TokenStringDatabase const* strings) { fStrings = strings; }
    // Fills the table: the tag of that key (any case) gets `info`.
    void AddTag(std::wstring const& key, MarkupTagInfo const& info);

protected:
    // The text of a markup token; false when the token has none.
    bool MarkupText(Token token, std::wstring* text) const;

private:
    bool KnownTag(wchar_t const* text, std::wstring* key, TagType* type, MarkupTagInfo const** info) const;

    TokenStringDatabase const* fStrings;
    std::map<std::wstring, MarkupTagInfo> fTags;  // by upper-case key
    // Kept with the table for a filler that uses them; no query reads them.
    std::map<unsigned, std::wstring> fNumberedTexts;
    std::set<std::wstring> fTextSets[2];
};

// The key characters of tags: ASCII letters and digits, "." and "-".
bool IsKeyChar(wchar_t c);

// Compares two texts as wcscmp does, ASCII letters folded to lower case.
int CaseInsensitiveStrCmp(std::wstring const& a, std::wstring const& b);
