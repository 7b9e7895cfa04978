// The two detail windows, one per receiver model: TForm3 (first model, "Q5V") and TForm7
// (second model, "Z3K"). Both are created hidden at start and live until the program ends;
// closing one only hides it and resumes the main screen's poll.
#pragma once

#include "vondrix/detail/Form3.h"
#include "vondrix/detail/Form7.h"
