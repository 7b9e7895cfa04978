#include "forms/NumericLocale.h"
#include "vondrix/network/Program.h"

int main(int argc, char** argv) {
  forms::KeepCNumericLocale();
  return vondrix::WinMain(argc, argv);
}
