#include "forms/NumericLocale.h"
#include "platform/AtomicFile.h"
#include "vondrix/network/Program.h"

int main(int argc, char** argv) {
  platform::IgnoreFileSizeLimitSignal();
  forms::KeepCNumericLocale();
  return vondrix::WinMain(argc, argv);
}
