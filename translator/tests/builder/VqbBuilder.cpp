#include "VqbBuilder.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace vqbtest {

ByteWriter& ByteWriter::U8(uint32_t value) {
  data_.push_back(static_cast<uint8_t>(value));
  return *this;
}

ByteWriter& ByteWriter::U16(uint32_t value) { return U8(value).U8(value >> 8); }

ByteWriter& ByteWriter::U32(uint32_t value) { return U16(value).U16(value >> 16); }

ByteWriter& ByteWriter::Time(uint16_t quarterMilliseconds, uint16_t hundreds) {
  return U16(quarterMilliseconds).U16(hundreds);
}

ByteWriter& ByteWriter::Text(const std::string& text, std::size_t width) {
  for (std::size_t i = 0; i < width; ++i) U8(i < text.size() ? static_cast<uint8_t>(text[i]) : 0);
  return *this;
}

ByteWriter& ByteWriter::Raw(const Bytes& bytes) {
  data_.insert(data_.end(), bytes.begin(), bytes.end());
  return *this;
}

ByteWriter& ByteWriter::Zeros(std::size_t count) {
  data_.insert(data_.end(), count, 0);
  return *this;
}

Bytes PrefixBytes(const PrefixFields& p, uint16_t mask) {
  ByteWriter w;
  w.U16(p.length).U8(p.storeType).U8(p.hardwareChannels).U32(p.dataLength).U16(p.blockMask.value_or(mask));
  w.U16(p.codeRev).Text(p.datestamp, 18).U8(p.inputSet);
  for (uint8_t input : p.inputs) w.U8(input);
  for (uint8_t flag : p.flags) w.U8(flag);
  for (uint8_t reserved : p.reserved) w.U8(reserved);
  return w.Data();
}

Bytes MainBody(const MainFields& m, const Bytes& variable) {
  ByteWriter w;
  w.U8(m.systemMode).U8(m.channels).U16(m.tChannels).U8(m.dataType).U8(m.masterChannel).Zeros(1);
  w.U8(m.filter).U8(m.octaveWindow).U16(m.baseFrequency).U8(m.fftLowPass).U8(m.fftWindow).U16(m.lifter);
  w.U8(m.zoom).U16(m.bins).U16(m.startBin).U8(m.tenDbs).U8(m.range).U8(m.detector);
  w.Time(m.detectorQuarterMilliseconds, m.detectorHundreds).U8(m.exptimecode).U8(m.constantcode).U8(m.inSetIndex);
  return w.Raw(variable).Data();
}

Bytes PerChannelGroups(int channels) {
  constexpr int kGroups = 6;
  ByteWriter w;
  for (int group = 0; group < kGroups; ++group) {
    for (int channel = 0; channel < channels; ++channel) w.U8(10 * group + channel + 1);
  }
  return w.Data();
}

Bytes Words(const std::vector<int16_t>& values) {
  ByteWriter w;
  for (int16_t value : values) w.U16(static_cast<uint16_t>(value));
  return w.Data();
}

Bytes StoreBody(uint16_t checksum, uint16_t overload, const std::vector<int16_t>& channelWords, const Bytes& groups) {
  ByteWriter w;
  w.U16(checksum).Time(200, 1).U16(overload).Raw(Words(channelWords)).Raw(groups);
  return w.Data();
}

namespace {

// The prefix and main system variables of a standard-mode spectrum of
// `bins` bands of 2^channelExponent channels.
RecordBuilder StandardSetUp(uint8_t filter, uint16_t bins, uint8_t channelExponent) {
  const int channels = 1 << channelExponent;
  PrefixFields prefix;
  prefix.hardwareChannels = static_cast<uint8_t>(channels);
  prefix.dataLength = 2u * bins * static_cast<uint32_t>(channels);
  MainFields main;
  main.filter = filter;
  main.channels = channelExponent;
  main.bins = bins;
  main.fftLowPass = 1;
  RecordBuilder builder(prefix);
  builder.Block(0x0004, MainBody(main, PerChannelGroups(channels)));
  return builder;
}

// Levels of a smooth spectrum, channel by channel, moved along by `shift` bands.
std::vector<int16_t> SpectrumLevels(uint16_t bins, int channels, int shift) {
  std::vector<int16_t> levels;
  constexpr double kStepsPerDb = 256 / 6.0205999;
  for (int channel = 0; channel < channels; ++channel) {
    for (int bin = shift; bin < bins + shift; ++bin) {
      const double db = 45 + 20 * std::sin(bin * 0.05 + channel) - 0.01 * bin;
      levels.push_back(static_cast<int16_t>(std::lround(db * kStepsPerDb)));
    }
  }
  return levels;
}

}  // namespace

Bytes SpectrumRecord(uint8_t filter, uint16_t bins, uint8_t channelExponent) {
  return StandardSetUp(filter, bins, channelExponent)
      .RawBlock(0x2000, Words(SpectrumLevels(bins, 1 << channelExponent, 0)))
      .Build();
}

Bytes MlsImpulseRecord(uint8_t rate, std::size_t samples) {
  PrefixFields prefix;
  prefix.storeType = 47;
  ByteWriter w;
  w.U16(0).U8(12).U8(1).U8(rate).U8(1).U8(3).U8(4).U8(0xFF).U8(2);
  w.U16(100).U16(200).U16(5).U16(6).U16(38).U16(static_cast<uint32_t>(4 * samples));
  for (int i = 0; i < 8; ++i) w.U16(static_cast<uint32_t>(1000 + i));
  uint32_t noise = 12345;
  for (std::size_t n = 0; n < samples; ++n) {
    noise = noise * 1103515245u + 12345u;
    const double envelope = 30000.0 * std::exp(-static_cast<double>(n) / 4000.0);
    const double jitter = static_cast<double>(static_cast<int16_t>(noise >> 16)) / 32768.0;
    const auto sample = static_cast<int16_t>(std::lround(envelope * jitter));
    w.U16(static_cast<uint16_t>(sample)).U16(static_cast<uint16_t>(-sample / 2));
  }
  RecordBuilder builder(prefix);
  builder.Block(0x0004, MainBody(MainFields{}, PerChannelGroups(prefix.hardwareChannels)));
  return builder.RawBlock(0x2000, w.Data()).Build();
}

Bytes StoreBlock(uint16_t overload, const std::vector<int16_t>& channelWords, const Bytes& groups) {
  const Bytes body = StoreBody(0, overload, channelWords, groups);
  return ByteWriter().U16(static_cast<uint32_t>(body.size() + 2)).Raw(body).Data();
}

Bytes AutostoreBlock(uint16_t frameCount, uint16_t deltaQuarterMilliseconds, const Bytes& frames) {
  const uint32_t end = uint32_t{deltaQuarterMilliseconds} * frameCount;
  ByteWriter w;
  w.U16(12).U16(frameCount).Time(static_cast<uint16_t>(end % 40000), static_cast<uint16_t>(end / 40000));
  return w.Time(deltaQuarterMilliseconds, 0).Raw(frames).Data();
}

Bytes AutostoreRecord(uint8_t filter, uint16_t bins, uint8_t channelExponent, uint16_t frameCount) {
  const int channels = 1 << channelExponent;
  // Sums of 9500, then data scales of 0 where there are two or more channels.
  std::vector<int16_t> channelWords(channels, 9500);
  if (channels > 1) channelWords.resize(2 * channels, 0);
  ByteWriter frames;
  for (int frame = 0; frame < frameCount; ++frame) {
    frames.Raw(StoreBlock(0, channelWords)).Raw(Words(SpectrumLevels(bins, channels, frame)));
  }
  return StandardSetUp(filter, bins, channelExponent)
      .RawBlock(0x0800, AutostoreBlock(frameCount, 200, frames.Data()))
      .Build();
}

RecordBuilder& RecordBuilder::Block(uint16_t bit, const Bytes& body, std::optional<uint16_t> declaredLength) {
  ByteWriter w;
  w.U16(declaredLength.value_or(static_cast<uint16_t>(body.size() + 2))).Raw(body);
  return RawBlock(bit, w.Data());
}

RecordBuilder& RecordBuilder::RawBlock(uint16_t bit, const Bytes& bytes) {
  blocks_.emplace_back(bit, bytes);
  return *this;
}

RecordBuilder& RecordBuilder::CutTo(std::size_t size) {
  cutTo_ = size;
  return *this;
}

Bytes RecordBuilder::Build() const {
  auto ordered = blocks_;
  std::stable_sort(ordered.begin(), ordered.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  uint16_t mask = 0x0001;
  for (const auto& block : ordered) mask = static_cast<uint16_t>(mask | block.first);
  Bytes record = PrefixBytes(prefix_, mask);
  for (const auto& block : ordered) record.insert(record.end(), block.second.begin(), block.second.end());
  if (cutTo_ && *cutTo_ < record.size()) record.resize(*cutTo_);
  return record;
}

Bytes HeaderBytes(int model) {
  char text[64];
  std::snprintf(text, sizeof text, "Vexlor-Quand %d binary data file.%c", model, 0x1A);
  Bytes header(text, text + 36);
  return header;
}

VqbFileBuilder& VqbFileBuilder::Model(int model) {
  model_ = model;
  return *this;
}

VqbFileBuilder& VqbFileBuilder::Add(uint8_t type, const Bytes& record, std::optional<uint16_t> units) {
  records_.push_back({type, record, units});
  return *this;
}

VqbFileBuilder& VqbFileBuilder::ClaimCount(uint16_t count) {
  claimedCount_ = count;
  return *this;
}

Bytes VqbFileBuilder::Build() const {
  ByteWriter w;
  w.Raw(HeaderBytes(model_)).U16(claimedCount_.value_or(static_cast<uint16_t>(records_.size())));
  for (const FileRecord& r : records_) {
    w.U8(r.type).U16(r.units.value_or(static_cast<uint16_t>((r.bytes.size() + 255) / 256)));
  }
  for (const FileRecord& r : records_) {
    const std::size_t area = 256u * r.units.value_or(static_cast<uint16_t>((r.bytes.size() + 255) / 256));
    Bytes data = r.bytes;
    data.resize(area, 0);
    w.Raw(data);
  }
  return w.Data();
}

void VqbFileBuilder::WriteTo(const std::string& path) const { WriteFile(path, Build()); }

void WriteFile(const std::string& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

std::string ReadFileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace vqbtest
