#pragma once
// How tavix-lists hands its output to the shell: text in the user's character set, every write
// checked, a reader that went away (a closed pipe) ending the program quietly.

#include <string>

namespace tavix {

// The data files' Latin-1 text as the user's terminal reads it: unchanged when the locale's
// character set is an 8-bit Latin one, UTF-8 otherwise (also in the C locale, where the
// characters above 127 have no other meaning).
std::string InUserCharset(const std::string& latin1);

// Writes `err` to standard error and `out` to standard output and returns the exit status:
// `status` when all went out, 1 after "tavix-lists: write error: ..." when standard output
// failed, and 141 (the status a pipe signal gives) without a word when the reader went away.
int FinishListsOutput(int status, const std::string& out, const std::string& err);

}  // namespace tavix
