// The pauses and limits of file listings and record transfers, in one place.
#pragma once

namespace talvinet::timing {

// Room for one reply line of a listing or a query.
inline constexpr int kReplyLineRoom = 256;

// Before the record count is read, on both transports.
inline constexpr int kRecordCountPauseMs = 500;
// Time a listing needs on the serial line, per entry: bytes per entry and
// the margin in thousandths, applied as (entries x bytes / bytes a second) x margin.
inline constexpr double kRecordListingBytes = 100;
inline constexpr double kRecordListingMargin = 1700;
inline constexpr double kFileListingBytes = 34;
inline constexpr double kFileListingMargin = 1400;
inline constexpr int kDiskListingBytes = 34;
inline constexpr int kDiskListingMargin = 1400;

// After selecting a file, before its name is asked back.
inline constexpr int kSelectFileSettleMs = 1000;

// Record data over the serial line: a pause before the first poll, then one
// poll per 1,000,000 / baud ms until the record is whole or this many polls
// in a row brought nothing.
inline constexpr int kRecordDataStartMs = 200;
inline constexpr int kRecordDataIdlePolls = 10;
inline constexpr long kRecordDataPollMicrosecondsTimesBaud = 1000000;
inline constexpr long kRecordDataTakeTimeoutMs = 100;
// After record data over the parallel port.
inline constexpr int kParallelRecordDataPauseMs = 10;

// The largest listing a count may announce, and the largest record a binary
// data file can describe (16-bit counts and 256-byte units).
inline constexpr long kMaxListingEntries = 65535;
inline constexpr int kBytesPerUnit = 256;
inline constexpr long kMaxRecordSize = 65535L * kBytesPerUnit;

}  // namespace talvinet::timing
