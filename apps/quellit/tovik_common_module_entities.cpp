// The entity list and the text conversions that use resources or parse
// text: entities, English punctuation, colours.
#include <cstdlib>
#include <iostream>

#include "apps/quellit/tovik_common_module.h"
#include "engine/foundation/sjis_chars.h"
#include "platform/property_list.h"

namespace quellit {

namespace {

constexpr char kEntityResource[] = "Entity.plist";

std::vector<TovikCommonModule::Entity> LoadEntities(platform::Bundle const& bundle) {
    std::string const path = bundle.PathForResource("Entity", "plist");
    if (path.empty()) {
        std::cerr << "Error file : " << kEntityResource << '\n';
        return {};
    }
    std::optional<platform::PropertyValue> const list = platform::ReadPropertyListFile(path);
    if (!list || list->AsDictionary() == nullptr) {
        std::cerr << "Error read : " << kEntityResource << '\n';
        return {};
    }
    platform::PropertyValue const* items = list->Member("Entity");
    if (items == nullptr || items->AsArray() == nullptr) {
        std::cerr << "Error item : " << kEntityResource << '\n';
        return {};
    }
    std::vector<TovikCommonModule::Entity> entities;
    for (platform::PropertyValue const& item : *items->AsArray()) {
        platform::PropertyValue const* character = item.Member("character");
        platform::PropertyValue const* entity = item.Member("entity");
        if (character == nullptr || entity == nullptr || character->AsString() == nullptr ||
            entity->AsString() == nullptr || entity->text.empty()) {
            continue;
        }
        entities.push_back({character->text, entity->text});
    }
    return entities;
}

bool MatchesIgnoringCase(std::string const& text, std::size_t at, std::string const& needle) {
    if (text.size() - at < needle.size()) return false;
    for (std::size_t i = 0; i < needle.size(); ++i) {
        if (ASCIIToLower(text[at + i]) != ASCIIToLower(needle[i])) return false;
    }
    return true;
}

// Replaces every occurrence of needle (ASCII case ignored) by replacement,
// left to right; the replacement is not searched again.
void ReplaceAllIgnoringCase(std::string* text, std::string const& needle, std::string const& replacement) {
    if (needle.empty()) return;
    std::string result;
    std::size_t i = 0;
    while (i < text->size()) {
        if (MatchesIgnoringCase(*text, i, needle)) {
            result += replacement;
            i += needle.size();
        } else {
            result += (*text)[i++];
        }
    }
    *text = std::move(result);
}

// A colour component: the number a field begins with, else 1.0.
double ColourComponent(std::string const& field) {
    if (field.empty()) return 1.0;
    char* end = nullptr;
    double const value = std::strtod(field.c_str(), &end);
    return end == field.c_str() ? 1.0 : value;
}

}  // namespace

TovikCommonModule::TovikCommonModule() : TovikCommonModule(platform::Bundle::Main()) {}

TovikCommonModule::TovikCommonModule(platform::Bundle const& bundle) : fEntityArray(LoadEntities(bundle)) {}

std::string TovikCommonModule::ConvertEntities(std::string const& text) const {
    std::string result;
    std::size_t i = 0;
    while (i < text.size()) {
        Entity const* match = nullptr;
        for (Entity const& each : fEntityArray) {
            if (text.compare(i, each.entity.size(), each.entity) == 0) {
                match = &each;
                break;
            }
        }
        if (match != nullptr) {
            result += match->character;
            i += match->entity.size();
        } else {
            result += text[i++];
        }
    }
    return result;
}

void TovikCommonModule::AssistEngTranslateSentence(std::string* text, platform::Bundle const& bundle) {
    ReplaceAllIgnoringCase(text, ".\")", ".\" )");
    struct Typographic {
        char const* key;
        char const* ascii;
    };
    static Typographic const kTypographic[] = {
        {"ShortHyphen", "-"},    {"LongHyphen", "-"},   {"HidariApostrophe", "'"},
        {"MigiApostrophe", "'"}, {"HidariQuote", "\""}, {"MigiQuote", "\""},
    };
    for (Typographic const& each : kTypographic) {
        std::string const typographic = bundle.LocalizedString(each.key, "", "");
        // A key no table holds comes back as itself: that is no character to
        // replace.
        if (typographic == each.key) continue;
        ReplaceAllIgnoringCase(text, typographic, each.ascii);
    }
}

std::optional<Rgba> TovikCommonModule::StringToNSColor(std::string const& text) {
    std::vector<std::string> fields;
    std::string::size_type start = 0;
    while (fields.size() < 4) {
        std::string::size_type const space = text.find(' ', start);
        fields.push_back(text.substr(start, space == std::string::npos ? std::string::npos : space - start));
        if (space == std::string::npos) break;
        start = space + 1;
    }
    if (fields.size() < 4) return std::nullopt;
    return Rgba{ColourComponent(fields[0]), ColourComponent(fields[1]), ColourComponent(fields[2]),
                ColourComponent(fields[3])};
}

}  // namespace quellit
