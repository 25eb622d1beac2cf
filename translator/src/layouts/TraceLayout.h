// RPM-synchronous traces: per stored point the engine speed, the road speed
// and the level of every enabled trace, in the order the ring buffer wrote
// them.
#pragma once

class D_LayoutContext;

int WriteVsRpmTraces(const D_LayoutContext& data);
