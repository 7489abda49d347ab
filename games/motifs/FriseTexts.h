#pragma once
#include <array>

namespace motifs {

// A message of the dialog: its title and up to three lines.
struct Message {
  const char* title;
  const char* line1;
  const char* line2 = nullptr;
  const char* line3 = nullptr;
};

// The words a sequence game answers a drop with: the five refusals, in the
// order they are tried, and the win.
struct FriseTexts {
  std::array<Message, 5> refusals;
  Message won;
};

}  // namespace motifs
