// Caption rows of windows that are not built yet (see the .cpp).
#pragma once

#include <span>

#include "app/caption_map.h"

namespace orvanta {

std::span<const CaptionRow> CaptionRowsStillToCome();

}  // namespace orvanta
