// A maximum-length-sequence impulse response: the measurement header, then
// 65,536 samples of two channels against time.
#pragma once

class D_LayoutContext;

int WriteMlsImpulse(const D_LayoutContext& data);
