#pragma once
// File specifications as the reader program hands them to the dictionary
// facade: the path of a file known to exist.
#include <string>

struct FSSpec {
    std::string path;
};

// Status codes of the file-specification helpers.
constexpr int kFSSpecNoErr = 0;
constexpr int kFSSpecIOErr = -36;     // the name does not fit 63 bytes
constexpr int kFSSpecParamErr = -50;  // the name has no Shift-JIS form

// Fills spec with path when it names an existing regular file; false else
// (so that nothing downstream ever creates the file).
bool qwcCFStringToFSSpec(std::string const& path, FSSpec* spec);

// The file's display name (its last path component) in Shift-JIS as a
// length-prefixed string: name[0] is the length, at most 63 bytes follow.
// kFSSpecIOErr when the name takes 64 bytes or more, kFSSpecParamErr when it
// has no Shift-JIS form; name is left unchanged then.
int qwcFSSpecStr63Name(FSSpec const& spec, unsigned char name[64]);
