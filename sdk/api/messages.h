// Message texts of the library's result codes.
#pragma once

namespace cobrix {

struct LibraryMessage {
    int code;
    const char* english;
    const char* chinese; // UTF-8
};

// The row for a code of 0 or less; codes without a row get the closing
// "unknown error" row.
const LibraryMessage& libraryMessage(int code);

// Formats `code` as UTF-16 at (char*)buffer + offset within `size` bytes.
int formatError(int code, int language, char16_t* buffer, int offset, int size);

} // namespace cobrix
