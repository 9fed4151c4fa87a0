#pragma once
// Generated lines of the converter's text format (Shift-JIS, TAB-separated,
// CR-terminated), one distinct headword per number, for the benchmarks.
#include <iconv.h>

#include <string>

namespace bench_lines {

inline std::string ToCP932(std::string utf8) {
    iconv_t cd = iconv_open("CP932", "UTF-8");
    std::string out(utf8.size() * 2 + 8, '\0');
    char* in = utf8.data();
    char* outPtr = out.data();
    std::size_t inLeft = utf8.size();
    std::size_t outLeft = out.size();
    iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    out.resize(out.size() - outLeft);
    return out;
}

// A distinct lower-case word for every number.
inline std::string Word(int n) {
    std::string word;
    do {
        word.insert(word.begin(), static_cast<char>('a' + n % 26));
        n /= 26;
    } while (n > 0);
    return "w" + word;
}

inline std::string NounLine(int n) { return Word(n) + ToCP932("\t語\tNOUN\tplural") + "\r"; }

// One valid line of each key in turn.
inline std::string MixedLine(int n) {
    static char const* const kTails[] = {
        "\t猫\tNOUN\tcats",
        "\t食べる\tVERB\tate\teats\teating\teaten\tを\t\t食べた",
        "\t走る\tVT\tran\truns\trunning\trun\tに",
        "\t行く\tVI\twent\tgoes\tgoing\tgone",
        "\t走っている\tADJ\t\t\t\t\t\t\t走る",
        "\t速く\tADV",
        "\t上に\tPREPV",
        "\t下の\tPREPA",
        "\tそして\tCONJ",
        "\t無駄な\tPP",
    };
    static std::string tails[10];
    std::string& tail = tails[n % 10];
    if (tail.empty()) tail = ToCP932(kTails[n % 10]);
    return Word(n) + tail + "\r";
}

}  // namespace bench_lines
