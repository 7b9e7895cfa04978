#include "calyxon/ui/Program.h"
#include "platform/AtomicFile.h"

int main(int argc, char** argv) {
  platform::IgnoreFileSizeLimitSignal();
  return calyxon::WinMain(argc, argv);
}
