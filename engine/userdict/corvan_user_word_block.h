#pragma once
// Copying a user-word record's fixed block out and in whole, as GetData and
// SetData of every record do.
#include <cstddef>
#include <cstdlib>
#include <cstring>

// A malloc'ed copy of the block for the caller to free; null and 0 when
// allocation fails.
template <class Block>
void CopyUserWordBlockOut(Block const& block, void** data, std::size_t* size) {
    void* copy = std::malloc(sizeof(Block));
    if (copy != nullptr) std::memcpy(copy, &block, sizeof(Block));
    *data = copy;
    *size = copy != nullptr ? sizeof(Block) : 0;
}

// Takes only a block of exactly the right size; false leaves the block as it
// was.
template <class Block>
bool CopyUserWordBlockIn(Block* block, void const* data, std::size_t size) {
    if (data == nullptr || size != sizeof(Block)) return false;
    std::memcpy(block, data, sizeof(Block));
    return true;
}

// A block taken from elsewhere may lack a field's NUL: the getters must
// never read past the field.
template <std::size_t N>
void TerminateUserWordField(char (&field)[N]) {
    field[N - 1] = '\0';
}
