#include <iostream>

#include "cli/CliContext.h"

int main(int argc, char** argv) {
    return pelmora::cli::RunPelmora(argc, argv, std::cout, std::cerr);
}
