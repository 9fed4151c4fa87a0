// e2j tokens: the tokens the front of the chain makes of a text, one a line:
// the type's name and the text in quotes, up to EOF.  --through names the
// last stage to run.
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "engine/foundation/sjis_wide_text.h"
#include "engine/foundation/token_string_database.h"
#include "engine/foundation/token_type_registry.h"
#include "engine/foundation/token_types.h"
#include "engine/pipeline/lex_tokenizer.h"
#include "engine/pipeline/markup_tags.h"
#include "engine/pipeline/measure_unit_splitter.h"
#include "engine/pipeline/text_stages.h"
#include "tools/e2j/subcommands.h"
#include "tools/e2j/text_io.h"

namespace {

EnglishTokens const sEnglishTokens;
POSTokens const sPOSTokens;
MarkupTokens const sMarkupTokens;

// The stages e2j tokens can stop after, in chain order.
char const* const kStages[] = {"tokenizer", "splitter"};

// The stored text in quotes, with backslash escapes for quotes, backslashes
// and control characters so that one token stays on one line.
std::string QuotedText(std::wstring const& text, bool sjis) {
    std::wstring escaped;
    for (wchar_t c : text) {
        switch (c) {
            case L'"':
                escaped += L"\\\"";
                break;
            case L'\\':
                escaped += L"\\\\";
                break;
            case L'\n':
                escaped += L"\\n";
                break;
            case L'\r':
                escaped += L"\\r";
                break;
            case L'\t':
                escaped += L"\\t";
                break;
            case L'\f':
                escaped += L"\\f";
                break;
            default:
                if (c >= 0 && c < 0x20) {
                    char hex[8];
                    std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned>(c));
                    escaped += std::wstring(hex, hex + 4);
                } else {
                    escaped += c;
                }
        }
    }
    return "\"" + UserTextFromEngine(EncodeSJISLenient(escaped.data(), escaped.size()), sjis) + "\"";
}

std::string TypeName(TokenTypeID type) {
    std::string name;
    if (!TokenTypeRegistry::Get()->GetName(type, &name)) name = "type" + std::to_string(type);
    return name;
}

}  // namespace

int RunTokens(Invocation& invocation) {
    std::string through = "splitter";
    std::vector<std::string> words;
    for (std::size_t i = 0; i < invocation.arguments.size(); ++i) {
        std::string const& argument = invocation.arguments[i];
        if (argument == "--through") {
            if (i + 1 == invocation.arguments.size()) throw UsageError("tokens: --through needs a stage name");
            through = invocation.arguments[++i];
            bool known = false;
            for (char const* stage : kStages) known = known || through == stage;
            if (!known) throw UsageError("tokens: no stage '" + through + "' (tokenizer, splitter)");
        } else if (argument.rfind("--", 0) == 0) {
            RefuseArgument("tokens", argument);
        } else {
            words.push_back(argument);
        }
    }

    std::string const text = EngineTextFromUser(ReadUserText(words, std::cin), invocation.options.sjis);
    TokenCreator creator = 0;
    TokenStringDatabase strings;
    CharacterTokenProducer source(text);
    source.SetTokenCreator(&creator);
    source.SetTokenStringDatabase(&strings);
    LexTokenizer tokenizer(&source, &creator, &strings, nullptr);
    MeasureUnitSplitter splitter(&tokenizer, &strings, &creator);
    Producer* last = through == "tokenizer" ? static_cast<Producer*>(&tokenizer) : &splitter;

    if (invocation.options.trace)
        invocation.out << "source>tokenizer" << (last == &splitter ? ">splitter" : "") << "\n";
    for (;;) {
        Token const token = last->Produce();
        invocation.out << TypeName(TokenTypeOf(token));
        std::wstring tokenText;
        if (strings.Find(token, &tokenText)) invocation.out << ' ' << QuotedText(tokenText, invocation.options.sjis);
        invocation.out << '\n';
        if (TokenTypeOf(token) == kEOFTokenType) break;
    }
    return kExitOk;
}
