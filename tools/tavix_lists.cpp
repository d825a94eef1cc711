// tavix-lists: the command-line companion of Tavix.
#include <clocale>
#include <sstream>

#include "tools/lists/lists_command.h"
#include "tools/lists/lists_output.h"

int main(int argc, char** argv) {
    // The character set of the text lists is the user's.
    std::setlocale(LC_CTYPE, "");
    std::vector<std::string> args(argv + 1, argv + argc);
    std::ostringstream out, err;
    const int status = tavix::RunListsCommand(args, out, err);
    return tavix::FinishListsOutput(status, out.str(), err.str());
}
