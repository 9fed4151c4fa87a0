// e2j facade: the translation facade's option and dictionary operations, run
// in the order given, each answer on a line of its own.
#include <exception>
#include <string>
#include <vector>

#include "engine/pipeline/corvan_if.h"
#include "tools/e2j/subcommands.h"

namespace {

struct Option {
    char const* name;
    void (CorvanIF::*set)(int);
    int (CorvanIF::*get)() const;
};

Option const kOptions[] = {
    {"speed", &CorvanIF::SetTranslationSpeed, &CorvanIF::GetTranslationSpeed},
    {"style", &CorvanIF::SetTranslationStyle, &CorvanIF::GetTranslationStyle},
    {"they", &CorvanIF::SetTranslationThey, &CorvanIF::GetTranslationThey},
    {"proper", &CorvanIF::SetTranslationProper, &CorvanIF::GetTranslationProper},
    {"numeric", &CorvanIF::SetTranslationNumeric, &CorvanIF::GetTranslationNumeric},
    {"the", &CorvanIF::SetTranslationThe, &CorvanIF::GetTranslationThe},
    {"you", &CorvanIF::SetTranslationYou, &CorvanIF::GetTranslationYou},
    {"document", &CorvanIF::SetTranslationDocument, &CorvanIF::GetTranslationDocument},
    {"dialog", &CorvanIF::SetTranslationDialog, &CorvanIF::GetTranslationDialog},
    {"strength", &CorvanIF::SetTranslationStrength, &CorvanIF::GetTranslationStrength},
    {"pos", &CorvanIF::SetTranslationPOS, &CorvanIF::GetTranslationPOS},
    {"userdict", &CorvanIF::SetUserDictPreferred, &CorvanIF::GetUserDictPreferred},
};

int IntegerValue(std::string const& option, std::string const& text) {
    std::size_t used = 0;
    int value = 0;
    try {
        value = std::stoi(text, &used);
    } catch (std::exception const&) {
        used = 0;
    }
    if (used == 0 || used != text.size()) throw UsageError("facade: " + option + " takes a number, not '" + text + "'");
    return value;
}

}  // namespace

int RunFacade(Invocation& invocation) {
    CorvanIF facade;
    std::vector<std::string> const& arguments = invocation.arguments;
    auto value = [&](std::size_t& i) -> std::string const& {
        if (i + 1 == arguments.size()) throw UsageError("facade: " + arguments[i] + " needs a value");
        return arguments[++i];
    };
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string const& argument = arguments[i];
        bool done = false;
        for (Option const& option : kOptions) {
            if (argument == std::string("--set-") + option.name) {
                (facade.*option.set)(IntegerValue(argument, value(i)));
                done = true;
            } else if (argument == std::string("--get-") + option.name) {
                invocation.out << (facade.*option.get)() << "\n";
                done = true;
            }
        }
        if (done) continue;
        if (argument == "--add-sys") {
            invocation.out << facade.AddSysDict(value(i)) << "\n";
        } else if (argument == "--add-tech") {
            invocation.out << facade.AddTechDict(value(i)) << "\n";
        } else if (argument == "--add-user") {
            invocation.out << facade.AddUserDict(value(i), true) << "\n";
        } else if (argument == "--add-user-read-only") {
            invocation.out << facade.AddUserDict(value(i), false) << "\n";
        } else if (argument == "--clear-learning") {
            facade.ClearLearning(value(i));
        } else if (argument == "--remove-all") {
            facade.RemoveAllDict();
        } else {
            RefuseArgument("facade", argument);
        }
    }
    return kExitOk;
}
