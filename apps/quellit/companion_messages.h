#pragma once
// What the companion programs printed during a run, for the window's final
// text: the launcher appends their output to one messages file per program,
// and a run reads what was added to each since it began.
#include <cstdint>
#include <string>
#include <vector>

namespace quellit {

class CompanionMessages {
public:
    // Program names as the launcher names their files ("Vorlip", "Tazmet").
    explicit CompanionMessages(std::vector<std::string> programNames);

    // Remembers how far each file reaches now.
    void Mark();
    // The lines added since Mark, each as "Vorlip: text" and ended with
    // "\n"; of a program that printed many, only the last ones.  Empty when
    // nothing was printed.
    std::string SinceMark() const;

private:
    struct Program {
        std::string name;
        uint64_t mark = 0;
    };
    std::vector<Program> fPrograms;
};

}  // namespace quellit
