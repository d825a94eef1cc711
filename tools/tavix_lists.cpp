// tavix-lists: the command-line companion of Tavix.
#include <iostream>

#include "tools/lists/lists_command.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return tavix::RunListsCommand(args, std::cout, std::cerr);
}
