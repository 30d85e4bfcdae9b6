// tessan: drives the controller plug-in from the command line.
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--help") == 0) {
    std::puts("usage: tessan parse [FILE...] | tessan expr TEXT");
    return 0;
  }
  std::fputs("tessan: no command given (see --help)\n", stderr);
  return 2;
}
