#pragma once
// Writing a new, empty user dictionary: description "hi mom", one block (block
// 0), an empty map and an empty index of 4001 buckets; 16,601 bytes in all.
#include "engine/userdict/ud_format.h"

// Writes a new dictionary into the empty file `fd`, in the order that leaves
// a readable file at every step: header, description and block 0 (map and
// index offsets 0), the map, header word 12, the index, header word 16, the
// change count.  The file must be empty: the caller checks, as writing here
// over a dictionary would destroy it.  Returns the header as written.  File
// exceptions (FileNoSpaceError on a full disk) pass through.
UDHeader CreateUDFile(int fd);
