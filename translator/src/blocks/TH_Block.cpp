#include "TH_Block.h"

int TH_Block::Decode(const unsigned char* record, unsigned long size, int report) {
  recordSize = static_cast<uint32_t>(size);
  decoded = 0;
  prefix = P_Block();
  prefix.Decode(record, size, 0);
  const std::size_t windows = WindowCount();
  trace_setup.assign(windows, 0);
  for (std::vector<uint16_t>* words : {&tach_low, &tach_high, &speed_low, &speed_high, &distance_low, &distance_high}) {
    words->assign(windows, 0);
  }
  pen_slots.assign(windows, WindowGroup{});
  hide_status.assign(windows, WindowGroup{});
  const long long start = FindBlock(record, kBit, size);
  FieldCursor fields(*this, record, start);
  // A window group cut by the record's end leaves the block undecoded, so
  // that its zeros come with the message that says so.
  if (ReadFixedPart(fields) && ReadWindowGroups(fields)) decoded = 1;
  return FinishDecode(fields.Position(), start, declared_length, report, "TH_Block");
}

bool TH_Block::ReadFixedPart(FieldCursor& fields) {
  return fields.U16(declared_length) && fields.U32(tach_scale) && fields.U32(tach_low_trigger) &&
         fields.U32(tach_high_trigger) && fields.U32(tach_min_interval) && fields.U32(tach_max_interval) &&
         fields.U32(speed_scale) && fields.U32(speed_low_trigger) && fields.U32(speed_high_trigger) &&
         fields.U32(speed_min_interval) && fields.U32(speed_max_interval) && fields.U8(tach_time) &&
         fields.U8(store_slope) && fields.U8(vertical_grids) && fields.U8(track_setup) && fields.U16(delta_level) &&
         fields.U8(trace_slope) && fields.U8(order_span) && fields.U8(order_sums) &&
         fields.Bytes(pen_status, kTraces) && fields.U16Array(trace_channel, kTraces) &&
         fields.U16Array(trace_bin, kTraces) && fields.U16Array(trace_order_channel, kTraces) &&
         fields.U16Array(trace_order_number, kTraces);
}

bool TH_Block::ReadWindowGroups(FieldCursor& fields) {
  const std::size_t windows = WindowCount();
  // The set-up and limit arrays are stepped over whether or not they fit.
  bool read = fields.BytesOrStep(trace_setup.data(), windows);
  for (std::vector<uint16_t>* words : {&tach_low, &tach_high, &speed_low, &speed_high}) {
    read = fields.U16ArrayOrStep(words->data(), windows) && read;
  }
  // The six-byte groups and the distances advance only as far as they are read.
  for (std::vector<WindowGroup>* groups : {&pen_slots, &hide_status}) {
    for (WindowGroup& group : *groups) read = fields.Bytes(group.data(), group.size()) && read;
  }
  if (!HasDistances()) return read;
  return fields.U16(start_distance) && fields.U16Array(distance_low.data(), windows) &&
         fields.U16Array(distance_high.data(), windows) && read;
}
