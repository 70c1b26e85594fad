// Error texts that carry a result code: the language text, ":", the code
// and, for the codes a user meets most often (a refused connection, a port
// held by another program, a missing device, ...), the reason in words
// from the language file, such as "Could not open the port:10061
// (connection refused)". A code without a known reason keeps the bare
// "text:code".
#pragma once

#include <string>

namespace tolvane {

// The language key of the reason of `code`, or nullptr when there is none.
const char* ErrorReasonKey(int code);
// " (reason)" for a code with a known reason, else empty.
std::string ErrorReasonSuffix(int code);
// LangText(key) + ":" + code, followed by the reason when known.
std::string ErrorCodeText(const std::string& key, int code);
// code + ":" + LangText(key), followed by the reason when known.
std::string ErrorCodeFirstText(int code, const std::string& key);

} // namespace tolvane
