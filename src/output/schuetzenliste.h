#pragma once
// The printed shooter list of one club.
#include <vector>

#include "platform/printcanvas.h"

// Prints the shooters of club vrnr ordered by name as one job titled "Schützendaten" on the
// canvas; aktivOnly > 0: only the ticked shooters. Every page begins with the heading and
// the column head. Returns false when the printer refused the job.
bool PrintSchuetzenListe(PrintCanvas& canvas, long vrnr, int aktivOnly);
// The same on a canvas of the program's printer, chosen beforehand in a print dialog.
bool PrintSchuetzenListe(long vrnr, int aktivOnly);
// Several clubs as one job, each club beginning on a new page.
bool PrintSchuetzenListen(PrintCanvas& canvas, const std::vector<long>& vrnrs, int aktivOnly);
bool PrintSchuetzenListen(const std::vector<long>& vrnrs, int aktivOnly);
