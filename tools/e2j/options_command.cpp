// e2j options: the per-sentence option codes the translator derives from the
// user's option values.
#include <string>

#include "engine/pipeline/sentence_options_mapping.h"
#include "tools/e2j/subcommands.h"

namespace {

uint32_t OptionNumber(std::string const& name, std::string const& text) {
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos)
        throw UsageError("options: " + name + " takes a number, not '" + text + "'");
    return static_cast<uint32_t>(std::stoul(text));
}

}  // namespace

int RunOptions(Invocation& invocation) {
    BasicTranslationOptions options;
    options.fStyle = static_cast<uint32_t>(invocation.options.style);
    struct {
        char const* name;
        uint32_t* field;
    } const numbers[] = {
        {"--speed", &options.fSpeed},       {"--they", &options.fThey},     {"--numeric", &options.fNumeric},
        {"--strength", &options.fStrength}, {"--proper", &options.fProper}, {"--you", &options.fYou},
    };
    std::vector<std::string> const& arguments = invocation.arguments;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        bool known = false;
        for (auto const& number : numbers) {
            if (arguments[i] != number.name) continue;
            if (i + 1 == arguments.size()) throw UsageError(std::string("options: ") + number.name + " needs a value");
            *number.field = OptionNumber(number.name, arguments[++i]);
            known = true;
        }
        if (!known) RefuseArgument("options", arguments[i]);
    }

    SentenceUserOptions const mapped = MapSentenceUserOptions(options);
    invocation.out << "speed=" << mapped.fSpeed << " they=" << mapped.fThey.GetCPVAL_THEY_TRANS()
                   << " polite=" << mapped.fPoliteness.GetPolitenessLevel() << " numeric=" << mapped.fNumericMode
                   << " strength=" << mapped.fLearningStrength.GetStrength() << " proper=" << mapped.fProperNounMode
                   << " you=" << mapped.fYouMode << "\n";
    return kExitOk;
}
