#include <iostream>

#include "cli/driver.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  return kestrion::cli::run(argc, argv, std::cin, std::cout, std::cerr);
}
