#include "tools/e2j/subcommands.h"

// Each subcommand's entry point, defined in its own file.
int RunGrammar(Invocation& invocation);
int RunOptions(Invocation& invocation);
int RunEcho(Invocation& invocation);
int RunTranslate(Invocation& invocation);
int RunJudge(Invocation& invocation);
int RunLearn(Invocation& invocation);
int RunFacade(Invocation& invocation);
int RunTokens(Invocation& invocation);
int RunSentences(Invocation& invocation);
int RunWords(Invocation& invocation);
int RunChart(Invocation& invocation);
int RunParse(Invocation& invocation);
int RunTree(Invocation& invocation);
int RunAlt(Invocation& invocation);

std::vector<Subcommand> const& Subcommands() {
    static std::vector<Subcommand> const kSubcommands = {
        {"grammar", "[--dump] [--check]", "the English grammar's table sizes, decompiled tables or consistency",
         RunGrammar},
        {"options", "[--speed N] [--they N] [--numeric N] [--strength N] [--proper N] [--you N]",
         "the per-sentence option codes the translator derives from the option values", RunOptions},
        {"echo", "[TEXT]", "the text through a chain of pass-through stages", RunEcho},
        {"translate", "[--post-info] [--stop-after N] [--glossary WORD=TRANSLATION]... [TEXT]",
         "the text through the translation facade; --post-info adds the word spans of the last sentence", RunTranslate},
        {"judge", "[TEXT]",
         "the sentences the translation facade judges the text to have, one \"start end\" a line, in bytes of its "
         "Shift-JIS",
         RunJudge},
        {"learn", "[--strength 1|2|3] --stats FILE --choose WORD:N [TEXT]",
         "records in FILE the choice of alternative N (from 0) for WORD of the text's last sentence", RunLearn},
        {"facade", "[--set-OPTION N] [--get-OPTION] [--add-sys|--add-tech|--add-user|--add-user-read-only FILE]...",
         "the facade's option and dictionary operations, in order, one answer a line", RunFacade},
        {"tokens", "[--through tokenizer|splitter] [TEXT]", "the tokens the scanning stages make, one a line",
         RunTokens},
        {"sentences", "[TEXT]", "the sentences the end finder cuts, one a line", RunSentences},
        {"words", "[--senses] [--setpos FLAGS:START-END]... [--alt] [TEXT]",
         "the preparsed words of each sentence, one a line, with their byte spans and flags; --alt: each "
         "translated word and its alternatives",
         RunWords},
        {"chart", "[TEXT]", "the parse chart of each sentence: each word span's readings and flags", RunChart},
        {"parse", "[--speed N] [--segments] [--chart] [TEXT]",
         "whether each sentence parses, its analyses, time and limit; the pieces it is cut into; the parsed chart",
         RunParse},
        {"tree", "[--speed N] [--setpos FLAGS:START-END]... [--parse N] [--kbest N] [--switch N] [TEXT]",
         "the tree of each sentence's best analysis, or of the N-th; or the N best scores", RunTree},
        {"alt", "[--select START:END] [--max N] [TEXT]",
         "the alternative translations of the first sentence over the selected characters, one a line", RunAlt},
    };
    return kSubcommands;
}

Subcommand const* FindSubcommand(std::string const& name) {
    for (Subcommand const& subcommand : Subcommands()) {
        if (name == subcommand.name) return &subcommand;
    }
    return nullptr;
}

void RefuseArgument(std::string const& subcommand, std::string const& argument) {
    if (argument.rfind("-", 0) == 0) throw UsageError(subcommand + ": unknown option '" + argument + "'");
    throw UsageError(subcommand + ": unexpected argument '" + argument + "'");
}
