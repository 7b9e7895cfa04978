#include "calyxon/ui/Program.h"

int main(int argc, char** argv) {
  return calyxon::WinMain(argc, argv);
}
