// The level distribution table of a statistics record: its header, then per
// channel and band the number of samples, the underflows and the counts of
// every level class.
#pragma once

class D_LayoutContext;

int WriteLnTable(const D_LayoutContext& data);
