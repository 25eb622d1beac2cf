// The spectrum of a standard measurement: one row per band or bin, one
// level column per channel.
#pragma once

class D_LayoutContext;

int WriteStandardSpectrum(const D_LayoutContext& data);
