// The spectrum of a standard measurement: one row per band or bin, one
// level column per channel.
#pragma once

class D_LayoutContext;

#include "morvane/Morvane.h"

int WriteStandardSpectrum(const D_LayoutContext& data);
// The same rows as numbers: 1, or 0 when there is no complete row or no channel.
int ReadStandardSpectrum(const D_LayoutContext& data, StandardSpectrum& spectrum);
