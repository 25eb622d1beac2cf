// The impulse response of a maximum-length-sequence measurement.
#include "LayoutGolden.h"

namespace {

vqbtest::Bytes MlsRecord(uint8_t rate, uint8_t window, std::size_t samples) {
  layouttest::DataRecord r;
  r.prefix.storeType = 47;
  vqbtest::ByteWriter w;
  w.U16(0).U8(12).U8(1).U8(rate).U8(window).U8(3).U8(4).U8(0xFF).U8(2);
  w.U16(100).U16(200).U16(5).U16(6).U16(7).U16(8);
  for (int i = 0; i < 8; ++i) w.U16(1000 + i);
  for (std::size_t n = 0; n < samples; ++n) {
    const bool last = n == 65535;
    w.U16(n == 0 ? 16384 : last ? 0xFFFF : 0).U16(n == 0 ? 0x8000 : n == 1 ? 1 : 0);
  }
  r.data = w.Data();
  return r.Build();
}

TEST(MlsLayout, HeaderAndSamples) {
  const std::string header =
      ",Dump of ML header block (embedded in D):\r\n,,slevel =, 12,db attentuation\r\n,,sfilter =,1,pink\r\n"
      ",,rate =,129,10 KHz,based on octave\r\n,,window =,1,WD.LEAD\r\n,,mls_range =,3\r\n,,mls_splits =,4\r\n"
      ",,exp0 =,-1,channel 1 scaled by,0.500000\r\n,,exp1 =,2,channel 2 scaled by,4.000000\r\n"
      ",,sum_start =,100\r\n,,sum_end =,200\r\n,,counter =,5\r\n,,counts =,6\r\n,,data_start =,7\r\n"
      ",,data_size =,8\r\n,,dsp_state[0] =,1000\r\n,,dsp_state[1] =,1001\r\n,,dsp_state[2] =,1002\r\n"
      ",,dsp_state[3] =,1003\r\n,,dsp_state[4] =,1004\r\n,,dsp_state[5] =,1005\r\n,,dsp_state[6] =,1006\r\n"
      ",,dsp_state[7] =,1007\r\n,Dump of ML data block (embedded in D):\r\n,,,Time,Channel 1,Channel 2\r\n";
  const std::string text = layouttest::WriteDataBlock(MlsRecord(0x81, 1, 65537), layouttest::kNoHeadings);
  // A 2 / 64000 s interval; channel 1 scaled by 2^-1, channel 2 by 2^2.
  const std::string firstRows = ",,,0.000000, 2.500e-01,-4.000e+00\r\n,,,0.000031, 0.000e+00, 1.221e-04\r\n";
  EXPECT_EQ(text.substr(0, header.size() + firstRows.size()), header + firstRows);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 25 + 65536) << "the 65,537th sample is not printed";
  EXPECT_TRUE(text.ends_with(",,,2.047969,-1.526e-05, 0.000e+00\r\n"));

  vqbtest::Bytes cut = MlsRecord(0x05, 3, 3);
  cut.pop_back();
  const std::string fft = layouttest::WriteDataBlock(cut, layouttest::kNoHeadings);
  EXPECT_NE(fft.find(",,rate =,5,invalid,based on fft\r\n,,window =,3,invalid\r\n"), std::string::npos);
  EXPECT_TRUE(fft.ends_with("Channel 2\r\n,,,0.000000, 2.500e-01,-4.000e+00\r\n,,,0.001250, 0.000e+00, 1.221e-04\r\n"))
      << "32 / 25600 s apart, and the cut third sample is left out";
}

}  // namespace
