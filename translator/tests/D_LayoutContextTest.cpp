// What every spectral data layout relies on: bounded values, the channel
// count rule and the output.
#include <gtest/gtest.h>

#include <string>

#include "TextSink.h"
#include "VqbBuilder.h"
#include "blocks/D_LayoutContext.h"

using vqbtest::Bytes;

namespace {

struct Parsed {
  Bytes record;
  M_Block main;
  long long dataStart = -1;

  Parsed(const vqbtest::PrefixFields& prefix, const vqbtest::MainFields& fields, const Bytes& data,
         bool withData = true) {
    vqbtest::RecordBuilder builder(prefix);
    builder.Block(0x0004, vqbtest::MainBody(fields, vqbtest::PerChannelGroups(prefix.hardwareChannels)));
    if (withData) builder.RawBlock(0x2000, data);
    record = builder.Build();
    main.Decode(record.data(), static_cast<unsigned long>(record.size()), 0);
    dataStart = withData ? static_cast<long long>(record.size() - data.size()) : -1;
  }

  D_LayoutContext Context(TextSink* output = nullptr) const {
    return D_LayoutContext(record.data(), static_cast<uint32_t>(record.size()), dataStart, output, main, true, false);
  }
};

vqbtest::PrefixFields OneChannel(uint8_t flag34 = 0, uint8_t flag35 = 0) {
  vqbtest::PrefixFields prefix;
  prefix.hardwareChannels = 1;
  prefix.flags[0] = flag34;
  prefix.flags[1] = flag35;
  return prefix;
}

TEST(D_LayoutContext, ValuesStopAtTheEndOfTheRecord) {
  Bytes data = vqbtest::Words({-1, 256, 7});
  data.push_back(0x55);  // half a value
  const Parsed parsed(OneChannel(), {}, data);
  const D_LayoutContext context = parsed.Context();
  EXPECT_TRUE(context.HasData());
  EXPECT_EQ(context.DataStart(), parsed.dataStart);
  EXPECT_EQ(context.ValuesInRecord(), 3u);
  int16_t value = 0;
  ASSERT_TRUE(context.Value(0, value));
  EXPECT_EQ(value, -1);
  ASSERT_TRUE(context.Value(2, value));
  EXPECT_EQ(value, 7);
  EXPECT_FALSE(context.Value(3, value));
  EXPECT_FALSE(context.Value(UINT64_MAX, value));
  EXPECT_EQ(value, 7) << "a failed read leaves the value alone";
  EXPECT_EQ(context.Record(), parsed.record.data());
  EXPECT_EQ(context.RecordSize(), parsed.record.size());
}

TEST(D_LayoutContext, NoDataWithoutTheBlockOrTheRecord) {
  const Parsed parsed(OneChannel(), {}, {}, false);
  const D_LayoutContext absent = parsed.Context();
  EXPECT_FALSE(absent.HasData());
  EXPECT_EQ(absent.ValuesInRecord(), 0u);
  int16_t value = 0;
  EXPECT_FALSE(absent.Value(0, value));
  const D_LayoutContext empty(parsed.record.data(), 0, 50, nullptr, parsed.main, false, false);
  EXPECT_FALSE(empty.HasData());
}

TEST(D_LayoutContext, ChannelCountRule) {
  const struct {
    const char* what;
    uint8_t flag34, flag35, exponent;
    uint16_t tChannels;
    uint64_t count;
  } cases[] = {
      {"two to the exponent", 0, 0, 2, 9, 4},     {"byte 34 bit 3", 0x08, 0, 5, 3, 3},
      {"byte 35 bit 5", 0, 0x20, 5, 2, 2},        {"no channels", 0x08, 0, 0, 0, 0},
      {"bounded by the values", 0, 0, 40, 0, 16}, {"t_channels bounded too", 0, 0x20, 0, 0xFFFF, 16},
  };
  for (const auto& c : cases) {
    vqbtest::MainFields fields;
    fields.channels = c.exponent;
    fields.tChannels = c.tChannels;
    const Parsed parsed(OneChannel(c.flag34, c.flag35), fields, Bytes(32, 0));
    EXPECT_EQ(parsed.Context().ChannelCount(), c.count) << c.what;
  }
}

TEST(D_LayoutContext, LabelsAndOutput) {
  vqbtest::MainFields fields;
  fields.filter = 4;
  fields.bins = 401;
  fields.fftLowPass = 2;
  const Parsed parsed(OneChannel(), fields, Bytes(2, 0));
  std::string text;
  TextSink sink(&text);
  const D_LayoutContext context = parsed.Context(&sink);
  EXPECT_EQ(context.Output(), &sink);
  EXPECT_TRUE(context.Headings());
  EXPECT_FALSE(context.KeepUnits());
  EXPECT_EQ(context.BinLabel(1), "    25.0000");
  EXPECT_EQ(context.SampleTime(256), "     0.0100000");
  EXPECT_EQ(context.Prefix().HardwareChannels(), 1);
  EXPECT_EQ(context.Main().Bins(), 401);
  context.Write("row\r\n");
  EXPECT_EQ(text, "row\r\n");
  parsed.Context().Write("nowhere");
}

}  // namespace
