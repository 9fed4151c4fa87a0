// Arbitrary text through the tag syntax and the attribute parser: every
// query must stay inside its text (exactly sized, unterminated copies let the
// sanitizers see a step past the end), and a tag's matching end and start tags match it with each other.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "engine/pipeline/sgml_markup_tags.h"
#include "engine/pipeline/tag_attribute_parser.h"

namespace {

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

// Bytes as characters; 0xFF stands for a character past 16 bits, so that
// wide characters reach every comparison.
std::wstring WideText(uint8_t const* data, std::size_t size) {
    std::wstring text;
    for (std::size_t i = 0; i < size; ++i) text += data[i] == 0xFF ? wchar_t(0x2000E) : wchar_t(data[i]);
    return text;
}

SGMLMarkupTags const& Tags() {
    static SGMLMarkupTags const tags = [] {
        SGMLMarkupTags table;
        MarkupTagInfo outer;
        outer.contains = {L"B"};
        table.AddTag(L"A", outer);
        MarkupTagInfo inner;
        inner.requiredContainers = {L"A"};
        inner.flags[MarkupTagInfo::kEmpty] = 1;
        table.AddTag(L"B", inner);
        return table;
    }();
    return tags;
}

void Queries(std::wstring const& text) {
    SGMLMarkupTags const& tags = Tags();
    std::unique_ptr<wchar_t[]> const exact(new wchar_t[text.size()]);
    std::copy(text.begin(), text.end(), exact.get());
    std::wstring key;
    MarkupTags::TagType type = MarkupTags::kReference;
    bool const isTag = tags.GetKey(exact.get(), text.size(), &key, &type);
    tags.IsMDOorPIO(exact.get(), text.size());
    tags.IsEmpty(exact.get(), text.size());

    std::wstring const terminated = text.substr(0, text.find(L'\0'));
    std::wstring const end = tags.GetMatchingEnd(terminated.c_str());
    std::wstring const start = tags.GetMatchingStart(terminated.c_str());
    if (!isTag || terminated.size() != text.size()) return;
    Check(end.empty() == (type != MarkupTags::kStartTag));
    Check(start.empty() == (type != MarkupTags::kEndTag));
    if (type == MarkupTags::kStartTag && key[0] != L'!' && key[0] != L'?') Check(tags.Match(text.c_str(), end.c_str()));
    if (type == MarkupTags::kEndTag) Check(tags.Match(start.c_str(), text.c_str()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, std::size_t size) {
    std::wstring const text = WideText(data, size);
    Queries(text);

    std::size_t const half = text.size() / 2;
    std::wstring const outer = text.substr(0, half).c_str();
    std::wstring const inner = text.substr(half).c_str();
    Tags().CanContain(outer.c_str(), inner.c_str());
    Tags().IsRequiredContainer(outer.c_str(), inner.c_str());
    Tags().SameKey(outer.c_str(), inner.c_str());

    TagAttributeParser<std::wstring> const wide(text);
    wide.Print();
    TagAttributeParser<std::string> const narrow(std::string(reinterpret_cast<char const*>(data), size));
    narrow.Print();
    return 0;
}
