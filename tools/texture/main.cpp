#include <iostream>

#include "TextureTool.h"
#include "platform/fs/Terminal.h"

int main(int argc, char** argv) {
    const bool terminal = decalia::fs::IsTerminal(stderr);
    return decalia::tools::RunTextureTool(std::vector<std::string>(argv + 1, argv + argc),
                                          std::cout, std::cerr, terminal);
}
