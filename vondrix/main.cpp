#include "vondrix/network/Program.h"

int main(int argc, char** argv) {
  return vondrix::WinMain(argc, argv);
}
