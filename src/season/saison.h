#pragma once
// The season wizard: its steps are shown one after the other, each as a modal window.
#include <functional>
#include <vector>

// Runs the steps in order. A step's modal result 1 moves on to the next step, 2 or 3 ends
// the wizard, any other result shows the same step again. Returns the number of steps
// confirmed with 1.
int runSeasonWizard(const std::vector<std::function<int()>>& steps);
