// Byte-level rules for GBK (code page 936) texts in fixed-width host fields.
// No Windows headers: the rules are tested natively.
#pragma once

#include <cstddef>
#include <string>

namespace gbk {

// Length of a text in a fixed field of `width` bytes: up to its NUL, or the whole field when
// the host left no NUL inside it. Nothing past the field is read.
std::size_t FieldLength(const char* field, std::size_t width);

// The field's text as a string, read as FieldLength says.
std::string FromField(const char* field, std::size_t width);

// How many leading bytes of `text` fit into `maxBytes` without splitting a double-byte
// character (lead byte 0x81..0xFE followed by its trail byte). A lead byte with no trail byte
// at the end of the text is dropped as well.
std::size_t CutLength(const char* text, std::size_t length, std::size_t maxBytes);

// Copies `text` into a field of `width` bytes: at most width - 1 bytes, cut on a character
// boundary, then the NUL. Bytes of the field after the NUL are left as they were.
void ToField(char* field, std::size_t width, const std::string& text);

}  // namespace gbk
