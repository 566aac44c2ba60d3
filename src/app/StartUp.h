#pragma once

#include <memory>

class CMainFrame;

// The main frame as the program starts it: 380 x 265 pixels, centred on the
// screen, not yet shown. The application directories must be known.
std::unique_ptr<CMainFrame> CreateMainFrame();
