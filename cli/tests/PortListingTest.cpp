// verda ports: the listing of a made-up enumeration, and the real one's shape.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "PortListing.h"
#include "VerdaRunner.h"

namespace verda {
namespace {

using serialports::PortListing;
using serialports::SerialPortEntry;

TEST(PortListingTest, EachPortIsItsDeviceATabAndItsMakerAndProduct) {
  const std::vector<SerialPortEntry> ports = {
      {"/dev/ttyUSB1", "FTDI", "FT232R USB UART"},
      {"/dev/ttyUSB0", "Prolific Technology Inc.", "USB-Serial Controller"},
      {"/dev/ttyACM0", "Arduino", "Arduino Uno"},
      {"/dev/ttyS0", "", ""},
      {"/dev/ttyUSB2", "Silicon Labs", ""},
      {"/dev/ttyUSB3", " Odd\tMaker ", "Line\nbreak"},
  };
  EXPECT_EQ(PortListing(ports),
            "/dev/ttyACM0\tArduino Uno\n"
            "/dev/ttyS0\t\n"
            "/dev/ttyUSB0\tProlific Technology Inc. USB-Serial Controller\n"
            "/dev/ttyUSB1\tFTDI FT232R USB UART\n"
            "/dev/ttyUSB2\tSilicon Labs\n"
            "/dev/ttyUSB3\tOdd Maker Line break\n");
}

TEST(PortListingTest, VerdaPortsPrintsOneDeviceAndDescriptionPerLine) {
  const VerdaResult result = RunVerda({"ports"});
  EXPECT_EQ(result.status, 0) << result.err;
  std::istringstream lines(result.out);
  for (std::string line; std::getline(lines, line);) {
    EXPECT_TRUE(std::regex_match(line, std::regex("/dev/[^\t]+\t[^\t]*"))) << line;
  }
  EXPECT_EQ(RunVerda({"ports", "extra"}).status, 2);
}

}  // namespace
}  // namespace verda
