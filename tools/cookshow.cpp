// cookshow [--sjis] [--answer TEXT] CLASS [TRANSLATION...]
//
// Shows how the cook tables read Japanese translations, so that the tables
// can be reviewed line by line: for each translation (the arguments, or else
// one per line of standard input) and the gross class CLASS (a number from -1
// to 7, or adjective, adverb, noun, verb, conjunction, preposition, adverb2)
// it prints the result code, the query type, the menu, the candidate answers,
// the cooked form with its JPOSID, the dictionary form, every inflected form
// of the part of speech's inflection set and the raw form.  --answer cooks
// with the menu answer given (default: the first).  --help prints the usage.
//
// Text is UTF-8 on the command line, standard input and output; with --sjis
// it is Shift-JIS throughout.  Exit 0, 1 when a text could not be converted
// between UTF-8 and Shift-JIS, 2 for a usage error.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "engine/foundation/atom_databases.h"
#include "engine/foundation/aw_set_table.h"
#include "engine/foundation/cook_translation.h"
#include "engine/foundation/cooked_japanese.h"
#include "engine/foundation/english_pos_classes.h"
#include "engine/foundation/jpos_ids.h"
#include "engine/foundation/pos_class_tests.h"
#include "platform/text_recode.h"

namespace {

constexpr int kExitShown = 0;
constexpr int kExitUnconvertible = 1;
constexpr int kExitUsage = 2;

struct Options {
    bool sjis = false;
    char const* answer = nullptr;
    CookTableGrossPOS gross = eCookNone;
    std::vector<std::string> translations;
};

void PrintUsage(std::FILE* out) {
    std::fprintf(out,
                 "usage: cookshow [--sjis] [--answer TEXT] CLASS [TRANSLATION...]\n"
                 "  Shows how the cook tables read each translation for the gross class CLASS:\n"
                 "  code, query type, menu, answers, cooked form and JPOSID, dictionary form,\n"
                 "  inflected forms and raw form.\n"
                 "  CLASS: -1..7, adjective, adverb, noun, verb, conjunction, preposition, adverb2\n"
                 "  Translations come from the arguments, or one per line of standard input.\n"
                 "  Text is UTF-8 unless --sjis (Shift-JIS in and out); --answer TEXT cooks with\n"
                 "  that menu answer instead of the first.\n");
}

int Usage() {
    PrintUsage(stderr);
    return kExitUsage;
}

bool ParseClass(char const* word, CookTableGrossPOS* gross) {
    static char const* const kNames[] = {"adjective",   "adverb",      "noun",   "verb",
                                         "conjunction", "preposition", "adverb2"};
    for (int i = 0; i < 7; ++i) {
        if (std::strcmp(word, kNames[i]) == 0) {
            *gross = static_cast<CookTableGrossPOS>(i);
            return true;
        }
    }
    char* end = nullptr;
    long const number = std::strtol(word, &end, 10);
    if (end == word || *end != '\0' || number < -1 || number > 7) return false;
    *gross = static_cast<CookTableGrossPOS>(number);
    return true;
}

bool ParseOptions(int argc, char** argv, Options* options) {
    int i = 1;
    for (; i < argc && argv[i][0] == '-' && argv[i][1] == '-'; ++i) {
        if (std::strcmp(argv[i], "--sjis") == 0) {
            options->sjis = true;
        } else if (std::strcmp(argv[i], "--answer") == 0 && i + 1 < argc) {
            options->answer = argv[++i];
        } else {
            return false;
        }
    }
    if (i >= argc || !ParseClass(argv[i], &options->gross)) return false;
    for (++i; i < argc; ++i) options->translations.emplace_back(argv[i]);
    return true;
}

// Converts between the user's text and Shift-JIS, remembering any failure.
class Text {
public:
    explicit Text(bool sjis) : fSJIS(sjis) {}

    std::string In(std::string const& text) {
        std::string sjis;
        if (fSJIS || Recode("CP932", "UTF-8", text, &sjis)) return fSJIS ? text : sjis;
        fFailed = true;
        return std::string();
    }

    std::string Out(std::string const& sjis) {
        std::string utf8;
        if (fSJIS || Recode("UTF-8", "CP932", sjis, &utf8)) return fSJIS ? sjis : utf8;
        fFailed = true;
        return "(not Shift-JIS)";
    }

    std::string Out(char const* sjis) { return sjis == nullptr ? "(none)" : "\"" + Out(std::string(sjis)) + "\""; }

    bool Failed() const { return fFailed; }

private:
    bool fSJIS;
    bool fFailed = false;
};

char const* QueryName(JPOSMenuQueryType query) {
    switch (query) {
        case eAdjectiveJPOSQuery:
            return "adjective question";
        case eVerbJPOSQuery:
            return "verb question";
        default:
            return "no question";
    }
}

// An English part of speech whose raw-form class is the cook class, so that
// the raw form is made as for a real paraphrase.
POS_E_Source EnglishPOSFor(CookTableGrossPOS gross) {
    char const* name = nullptr;
    switch (gross) {
        case eCookAdjective:
            name = "ADJ";
            break;
        case eCookAdverb:
        case eCookAdverb2:
            name = "ADV";
            break;
        case eCookNoun:
            name = "N";
            break;
        case eCookVerb:
            name = "VT01";
            break;
        case eCookPreposition:
            name = "PREP";
            break;
        default:
            name = "CONJ";
            break;
    }
    POS_E_Source pos{};
    gSourcePOSDatabase().Lookup(name, &pos);
    return pos;
}

void ShowAnswers(Text& text, cook_alt_t const* alts, int count, JPOSMenuSlot const* menu, bool hasMenu) {
    for (int i = 0; i < count; ++i) {
        cook_alt_t const& alt = alts[i];
        std::cout << "  " << i + 1 << ". " << JPOSStrFromID(alt.jpos) << " (JPOSID " << alt.jpos << ")";
        if (hasMenu) std::cout << "  menu " << text.Out(std::string(menu[i]));
        std::cout << "\n     cut " << text.Out(alt.menuCut) << ", add " << text.Out(alt.menuAddition)
                  << ", dictionary ending " << text.Out(alt.dictEnding) << ", cooked tail \"" << alt.cookedTail
                  << "\"\n";
    }
}

void ShowForms(Text& text, std::string const& cooked, POS_J_Target target, CookTableGrossPOS gross) {
    short const grossJPOS = FindGrossJPOS(target);
    AltWordInflectionSet const* const set = grossJPOS == kGrossJPOSVerb         ? GetAWSet(eAWSetVerb)
                                            : grossJPOS == kGrossJPOSAdjectival ? GetAWSet(eAWSetAdjectival)
                                                                                : nullptr;
    if (set == nullptr || FindAWSetRow(*set, JPOSStrToN(target)) < 0) {
        std::cout << "inflected forms: none listed (the dictionary form stands for every form)\n";
        return;
    }
    std::cout << "inflected forms:\n";
    for (std::size_t slot = 0; slot < set->patternsPerRow; ++slot) {
        char const* const name = set->formNames[slot];
        if (name == nullptr) continue;
        std::cout << "  " << name << ": " << text.Out(CreateInflectedTranslation(cooked, target, gross, name)) << "\n";
    }
}

void Show(Text& text, Options const& options, std::string const& line) {
    std::string const jtrans = text.In(line);
    CookTableGrossPOS const gross = options.gross;
    std::cout << "translation " << text.Out(jtrans) << ", class " << gross << "\n";

    JPOSMenuQueryType query = eNoJPOSQuery;
    JPOSMenuSlot menu[kMaxCookAnswers] = {};
    cook_alt_t const* alts = nullptr;
    int count = 0;
    unsigned short const code = GetAnswerMenu(&query, menu, &alts, &count, gross, jtrans.c_str());
    std::cout << "code " << code << ", " << QueryName(query) << "\n";
    if (code != kCookOK) {
        std::cout << "\n";
        return;
    }
    std::cout << "answers:\n";
    ShowAnswers(text, alts, count, menu, count > 1);

    std::string const answer = options.answer != nullptr ? text.In(options.answer) : std::string();
    std::string cooked;
    JPOSID jpos = 0;
    CookTranslation(&cooked, &jpos, gross, jtrans.c_str(), options.answer != nullptr ? answer.c_str() : nullptr);
    POS_J_Target const target = POS_J_TargetFromJPOSID(jpos);
    std::cout << "cooked " << text.Out(cooked) << ", JPOSID " << jpos << " (" << JPOSStrFromID(jpos) << ")\n";

    std::string dictionaryForm;
    unsigned short const dictCode = CreateJDictForm(cooked, gross, target, &dictionaryForm);
    std::cout << "dictionary form " << (dictCode == kCookOK ? text.Out(dictionaryForm) : "none") << " (code "
              << dictCode << ")\n";
    ShowForms(text, cooked, target, gross);
    std::cout << "raw " << text.Out(CreateRawJapaneseFromCooked(cooked, target, EnglishPOSFor(gross))) << "\n\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        PrintUsage(stdout);
        return kExitShown;
    }
    Options options;
    if (!ParseOptions(argc, argv, &options)) return Usage();
    Text text(options.sjis);
    if (!options.translations.empty()) {
        for (std::string const& translation : options.translations) Show(text, options, translation);
    } else {
        for (std::string line; std::getline(std::cin, line);) Show(text, options, line);
    }
    return text.Failed() ? kExitUnconvertible : kExitShown;
}
