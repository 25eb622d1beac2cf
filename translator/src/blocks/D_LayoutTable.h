// The writer of each spectral data layout. A layout returns 1 when it wrote
// its table, 0 when the record has no spectral data block or no bytes.
#pragma once

#include "D_Route.h"

class D_LayoutContext;

using D_LayoutWriter = int (*)(const D_LayoutContext& data);

// The writer of `layout`, or null for a layout that is not translated yet:
// such a block writes nothing after its heading.
D_LayoutWriter FindDataLayout(D_Layout layout);
