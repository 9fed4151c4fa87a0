#pragma once
// The compiled formats the compiled-dictionary benchmarks run over, named by
// their number (40 or 50) in the benchmarks' arguments.
#include <fcntl.h>

#include <memory>
#include <string>

#include "engine/compiled/compiled_compiler.h"
#include "engine/compiled/compiled_dictionary_40.h"
#include "engine/compiled/compiled_dictionary_50.h"

namespace compiled_bench {

constexpr int kFormats[] = {40, 50};

inline std::unique_ptr<CompiledFormatCompiler> MakeCompiler(int format) {
    if (format == 50) return std::make_unique<Dictionary_EX_50Compiler>();
    return std::make_unique<Dictionary_EX_40Compiler>();
}

inline Dictionary_EX OpenCompiled(int format, std::string const& path) {
    int const fd = open(path.c_str(), O_RDONLY);
    if (format == 50) return Dictionary_EX_50Compiled(fd);
    return Dictionary_EX_40Compiled(fd);
}

inline void Compile(int format, Dictionary_EX const& source, std::string const& path) {
    CompileDictionaryFile(source, path, *MakeCompiler(format));
}

}  // namespace compiled_bench
