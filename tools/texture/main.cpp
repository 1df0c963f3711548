#include <unistd.h>

#include <iostream>

#include "TextureTool.h"

int main(int argc, char** argv) {
    const bool terminal = ::isatty(STDERR_FILENO) == 1;
    return decalia::tools::RunTextureTool(std::vector<std::string>(argv + 1, argv + argc),
                                          std::cout, std::cerr, terminal);
}
