#pragma once
// Fills the widget-free layer's interfaces with their widget implementations: the message
// box and the system's printers with the print dialog. Called once at start, after the
// application object exists.
void installWidgetPlatform();
