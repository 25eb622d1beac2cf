// The layouts of intensity-mode data: the sound pressure level of each band
// with, per further channel, the intensity and its direction (and, in the
// spectrum, the field quality and particle velocity), or the field indicator.
#pragma once

class D_LayoutContext;

int WriteIntensitySpectrum(const D_LayoutContext& data);
int WriteIntensityPower(const D_LayoutContext& data);
int WriteFieldIndicator(const D_LayoutContext& data);
