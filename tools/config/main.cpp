#include <iostream>

#include "ConfigTool.h"

int main(int argc, char** argv) {
    return decalia::tools::RunConfigTool(std::vector<std::string>(argv + 1, argv + argc),
                                         std::cout, std::cerr);
}
