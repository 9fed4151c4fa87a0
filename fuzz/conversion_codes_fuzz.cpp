// Code runs made from the input (digit codes, special codes, markers and
// raw 16-byte codes, unterminated; each with a V category) over a tree
// shaped by the input: the codes read no byte past their 16,
// every back link stays right, and no node is lost or owned twice (the
// sanitizers see a leak or a double free).
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#include "engine/parse/grammar_tables.h"
#include "engine/transfer/conversion_codes.h"
#include "engine/transfer/tree_edit.h"
#include "tree_fuzz_support.h"

namespace {


// Up to five children per node, three levels; some nodes virtual, of one
// of a few categories.
PARSED_NODE* MakeNode(FuzzInput* input, int depth) {
    uint8_t const shape = input->Byte();
    PARSED_NODE* node = NewVirtualNode(shape & 3);
    if ((shape & 4) == 0) node->flags = 0;
    if (depth < 3) {
        for (int n = (shape >> 3) % 6; n > 0; --n) AppendChild(node, MakeNode(input, depth + 1));
    }
    return node;
}


}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    PARSED_NODE* tree = MakeNode(&input, 0);
    bool const japanese = input.Byte() & 1;
    std::vector<PureCCodeRecord> run;
    while (!input.Empty() && run.size() < 8) {
        PureCCodeRecord record{};
        switch (input.Byte() % 4) {
            case 0:  // raw bytes
                for (char& c : record.code) c = static_cast<char>(input.Byte());
                break;
            case 1:  // digits
                for (int n = input.Byte() % 8; n > 0; --n) {
                    std::size_t const at = std::strlen(record.code);
                    record.code[at] = static_cast<char>('0' + input.Byte() % 10);
                }
                break;
            case 2: {  // a special code, mostly one the table holds
                uint8_t const pick = input.Byte();
                unsigned const id = pick < 200 ? kConversionCodes[pick % kConversionCodeCount].id : pick;
                std::snprintf(record.code, sizeof record.code, "CCspecial%u", id);
                break;
            }
            default:
                std::memcpy(record.code, kTargetLangStart, sizeof kTargetLangStart - 1);
        }
        record.vCategory = input.Byte() & 3;
        run.push_back(record);
    }
    // Each code alone, straight from an exactly sized block.
    for (PureCCodeRecord const& record : run) {
        std::vector<char> const code(record.code, record.code + sizeof record.code);
        ReorderTerms(tree, code.data(), nullptr);
        CheckTreeLinks(tree, nullptr);
    }
    UseCodeRun(tree, run.data(), run.size(), japanese, nullptr);
    CheckTreeLinks(tree, nullptr);
    FreeSubtree(tree);
    return 0;
}
