#include "BlockWriterTable.h"

#include <array>

#include "blocks/D_BlockWriter.h"
#include "blocks/I_BlockWriter.h"
#include "blocks/LH_BlockWriter.h"
#include "blocks/L_BlockWriter.h"
#include "blocks/M_BlockWriter.h"
#include "blocks/N_BlockWriter.h"
#include "blocks/P_BlockWriter.h"
#include "blocks/S_BlockWriter.h"
#include "blocks/TH_BlockWriter.h"
#include "blocks/T_BlockWriter.h"

namespace {

// Indexed by mask bit. Bits 7, 8, 10, 14 and 15 never have a writer.
const std::array<BlockWriteFunction, 16> writers = {
    &RunBlockWriter<P_BlockWriter>,  // 0x0001 P
    &RunBlockWriter<N_BlockWriter>,  // 0x0002 N
    &RunBlockWriter<M_BlockWriter>,  // 0x0004 M
    &RunBlockWriter<TH_BlockWriter>,  // 0x0008 TH
    &RunBlockWriter<T_BlockWriter>,  // 0x0010 T
    &RunBlockWriter<LH_BlockWriter>,  // 0x0020 LH
    &RunBlockWriter<L_BlockWriter>,  // 0x0040 L
    nullptr,  // 0x0080 Setup Windows Variables
    nullptr,  // 0x0100 Windows Variables
    &RunBlockWriter<I_BlockWriter>,  // 0x0200 I
    nullptr,  // 0x0400 Setup Variables
    nullptr,  // 0x0800 A
    &RunBlockWriter<S_BlockWriter>,  // 0x1000 S
    &RunBlockWriter<D_BlockWriter>,  // 0x2000 D
    nullptr,  // 0x4000 reserved
    nullptr,  // 0x8000 reserved
};

}  // namespace

BlockWriteFunction FindBlockWriter(int bit) {
  if (bit < 0 || bit >= static_cast<int>(writers.size())) return nullptr;
  return writers[bit];
}
