// e2j echo: the text through a translation chain whose stages all hand their
// tokens on unchanged, to show the chain and that nothing is lost on the way.
#include <iostream>
#include <string>

#include "engine/pipeline/basic_translator.h"
#include "engine/pipeline/chain_description.h"
#include "engine/pipeline/text_stages.h"
#include "tools/e2j/subcommands.h"
#include "tools/e2j/text_io.h"

int RunEcho(Invocation& invocation) {
    for (std::string const& argument : invocation.arguments)
        if (argument.rfind("--", 0) == 0) RefuseArgument("echo", argument);

    std::string const text = EngineTextFromUser(ReadUserText(invocation.arguments, std::cin), invocation.options.sjis);
    CharacterTokenProducer source(text);
    TextCollectingTerminal terminal;
    BasicTranslationOptions options;
    options.fStyle = static_cast<uint32_t>(invocation.options.style);
    BasicTranslator translator(&source, &terminal, options);
    terminal.SetTokenStringDatabase(&translator.GetTokenStringDatabase());
    // Markers show where the four hooks sit in the chain.
    PassThroughFilter markers[] = {PassThroughFilter("h3"), PassThroughFilter("h4"), PassThroughFilter("h5"),
                                   PassThroughFilter("h6")};
    for (int hook = BasicTranslator::kBeforeTokenizer; hook <= BasicTranslator::kAfterTranslator; ++hook)
        translator.AddHookFilter(hook, &markers[hook - BasicTranslator::kBeforeTokenizer]);

    translator.TranslateAll();
    if (invocation.options.trace) invocation.out << DescribeChainLine(terminal) << "\n";
    invocation.out << UserTextFromEngine(terminal.GetText(), invocation.options.sjis);
    return kExitOk;
}
