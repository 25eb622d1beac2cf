#include "M_BlockWriter.h"

void M_BlockWriter::Write(const unsigned char* record, unsigned long size, TextSink* output,
                          const _DataProfileTag* profileToUse) {
  if (!BeginWrite(record, size, output, profileToUse, kWordM, "M")) return;
  WriteUnsignedByte(",System Mode", systemmode);
  // The channel count is stored as an exponent; only the low 8 bits of the count show.
  WriteUnsignedByte(",Channels", 1u << (channels % 32));
  WriteShort(",T Channels", t_channels);
  WriteUnsignedByte(",Data Type", barwhat);
  WriteUnsignedByte(",Master Channel", master_channel);
  WriteUnsignedByte(",Filter", filter);
  WriteUnsignedByte(",Octave Window", octave_window);
  WriteShort(",Base Frequency", base_frequency);
  WriteUnsignedByte(",FFT Low Pass", fft_low_pass);
  WriteUnsignedByte(",FFT Window", fft_window);
  WriteShort(",Lifter", lifter);
  WriteUnsignedByte(",Zoom", zoom);
  WriteShort(",Bins", bins);
  WriteShort(",Start Bin", start_bin);
  WriteUnsignedByte(",Range", range);
  WriteUnsignedByte(",Detector", detector);
  WriteFloat(",Detector Time", detector_time);
  WriteUnsignedByte(",Exptimecode", exptimecode);
  WriteUnsignedByte(",Constantcode", constantcode);
  WriteUnsignedByte(",In Set Index", in_set_index);
  WriteArray(",Splits", splits);
  WriteArray(",Units", channel_units);
  if (HasSlmSettings()) {
    WriteUnsignedByte(",Analyzer Mode", analyzer_mode);
    WriteUnsignedByte(",SLM Mode", slm_mode);
    WriteUnsignedByte(",Bias", bias);
    WriteArray(",Input", input);
  } else {
    WriteArray(",Mode", mode);
    WriteArray(",High Pass", high_pass);
    WriteArray(",Low Pass", low_pass);
    WriteArray(",Input", input);
  }
  if (HasRpmSettings()) {
    WriteUnsignedByte(",Max RPM", max_rpm);
    WriteUnsignedByte(",PPrev", pprev);
    WriteUnsignedByte(",Max Order", max_order);
    WriteUnsignedByte(",Loop Speed", loop_speed);
  } else if (HasFeet()) {
    WriteUnsignedByte(",Max Order", max_order);
  }
  if (HasFeet()) WriteShort(",Feet", feet);
}

void M_BlockWriter::WriteArray(const char* label, const ByteArray& array) {
  if (array) WriteByteList(label, array.data(), array.size());
}
