#pragma once

namespace kvitmark::app::ui {

// The windows are laid out in pixels for a small dialog font; a larger desktop default
// would cut captions off.
void UseProgramFont();

}  // namespace kvitmark::app::ui
