#pragma once
// The clear room above a text on the recording canvas: how far a row stands below the rows
// above it.
#include <algorithm>

#include "platform/printcanvas.h"

// From the lowest text printed above it on its page, less that text's line.
inline int freiDarueber(const PrintJob& job, const PrintCall& text, int zeile) {
  int oben = 0;
  for (const PrintCall& c : job.texts())
    if (c.page == text.page && c.y < text.y) oben = std::max(oben, c.y);
  return text.y - oben - zeile;
}
