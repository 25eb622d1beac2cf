// Reverberation times: a 1/1-octave and a 1/3-octave table of RT60 and the
// number of averaged decays, each with its Sum row where the record has one.
#pragma once

class D_LayoutContext;

int WriteRt60Tables(const D_LayoutContext& data);
