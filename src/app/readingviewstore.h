#pragma once
// The reader's syllable arcs and spacing, kept between runs in the user's
// Qt settings (KOLORAT.INI keeps its twelve lines and fonts unchanged).
#include "platform/readingview.h"

namespace app {

platform::ReadingView storedReadingView();
void storeReadingView(const platform::ReadingView &view);

} // namespace app
