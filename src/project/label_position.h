#pragma once

namespace orvanta {

// Where a point's label goes. The project file stores the codes "_D", "_P",
// "_G", "_L"; None (empty code) means the point has no position of its own.
enum class LabelPosition { None, Bottom, Right, Top, Left };

}  // namespace orvanta
