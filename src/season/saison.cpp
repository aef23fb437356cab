#include "season/saison.h"

int runSeasonWizard(const std::vector<std::function<int()>>& steps) {
  size_t step = 0;
  while (step < steps.size()) {
    const int result = steps[step]();
    if (result == 1)
      ++step;
    else if (result == 2 || result == 3)
      break;
  }
  return static_cast<int>(step);
}
