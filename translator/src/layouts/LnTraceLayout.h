// The level statistics summary of a statistics trace: per active pen and
// channel a row of levels by band, then per channel the maximum, minimum,
// equivalent and mean levels, their deviation and the underflows.
#pragma once

class D_LayoutContext;

int WriteLnTraceSummary(const D_LayoutContext& data);
