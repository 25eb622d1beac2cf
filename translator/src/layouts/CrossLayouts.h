// The layouts of cross-mode data: channel pairs as real and imaginary parts
// or as magnitude and phase along a frequency or a time axis, two-channel
// tables and per-channel time records.
#pragma once

#include "blocks/D_Route.h"

class D_LayoutContext;

// Instantiated for every cross layout of D_Layout.
template <D_Layout layout>
int WriteCrossLayout(const D_LayoutContext& data);
