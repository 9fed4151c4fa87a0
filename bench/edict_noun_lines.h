#pragma once
// Converter lines made from EDICT, the Japanese-English dictionary Debian
// ships in the edict package: real headwords and English of every length,
// as a user's old dictionary would hold them.  Each line is one noun:
// the English of an entry whose first sense is a plain noun, TAB, the
// entry's headword in Shift-JIS, TAB, "NOUN", CR.  Entries whose English
// holds anything but letters, spaces, hyphens and apostrophes, or whose
// headword has no Shift-JIS form, are passed over.
#include <cstddef>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/text_recode.h"

namespace bench_lines {

inline constexpr char kEdictPath[] = "/usr/share/edict/edict";

// Strips leading "(...) " tags; the first must be exactly "(n)".
inline bool PlainNounEnglish(std::string gloss, std::string* english) {
    if (gloss.rfind("(n) ", 0) != 0) return false;
    while (!gloss.empty() && gloss[0] == '(') {
        std::size_t const close = gloss.find(") ");
        if (close == std::string::npos) return false;
        gloss.erase(0, close + 2);
    }
    if (gloss.empty() || gloss.size() > 70) return false;
    for (char c : gloss) {
        bool const letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (!letter && c != ' ' && c != '-' && c != '\'') return false;
    }
    *english = gloss;
    return true;
}

// The first `count` lines, or fewer when EDICT is not installed or holds
// fewer.
inline std::vector<std::string> EdictNounLines(std::size_t count) {
    std::ifstream in(kEdictPath, std::ios::binary);
    std::stringstream eucJP;
    eucJP << in.rdbuf();
    // Characters without a Shift-JIS form become a byte no headword holds.
    std::string const sjis = RecodeLossy("CP932", "EUC-JP", eucJP.str(), "\x01");
    std::vector<std::string> lines;
    std::istringstream text(sjis);
    std::string line;
    std::getline(text, line);  // the file's own title line
    while (lines.size() < count && std::getline(text, line)) {
        std::size_t const space = line.find(' ');
        std::size_t const glosses = line.find(" /");
        if (space == std::string::npos || glosses == std::string::npos) continue;
        std::string const headword = line.substr(0, space);
        std::size_t const firstEnd = line.find('/', glosses + 2);
        if (firstEnd == std::string::npos) continue;
        std::string english;
        if (!PlainNounEnglish(line.substr(glosses + 2, firstEnd - glosses - 2), &english)) continue;
        if (headword.find('\x01') != std::string::npos || headword.size() > 70) continue;
        lines.push_back(english + "\t" + headword + "\tNOUN\r");
    }
    return lines;
}

}  // namespace bench_lines
