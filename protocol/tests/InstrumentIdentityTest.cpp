#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "AnalyzerTalvinetFixture.h"
#include "simanalyzer/Identity.h"

namespace talvinet::testing {
namespace {

using simanalyzer::Model;

class InstrumentIdentityTest : public AnalyzerTalvinetTest {
 protected:
  simanalyzer::Identity& Identity() { return Virtual().State().identity; }
};

TEST_F(InstrumentIdentityTest, BeforeIdentificationOnlyIsDeodarAnswers) {
  EXPECT_EQ(analyzer.modelClass, 255);
  EXPECT_EQ(analyzer.IsAlder() + analyzer.IsBirch() + analyzer.IsCedar(), 0);
  EXPECT_EQ(analyzer.IsDeodar(), 1);
  EXPECT_EQ(analyzer.IsOption30() + analyzer.IsOption474849() + analyzer.HasTach(), 0);
  EXPECT_EQ(analyzer.IsOption112() + analyzer.IsOption113(), 0);
}

struct ModelCase {
  Model model;
  int alder, birch, cedar, deodar;
  int modelClass;
  int modelNumber;
};

TEST_F(InstrumentIdentityTest, TheTwoModelBitsDecideModelClassAndFileHeaderNumber) {
  // A Cedar answers IsBirch and IsAlder too.
  const ModelCase cases[] = {
      {Model::Cedar, 1, 1, 1, 0, 2, 2480},
      {Model::Birch, 0, 1, 0, 0, 2, 2470},
      {Model::Alder, 1, 0, 0, 0, 1, 2260},
      {Model::Deodar, 0, 0, 0, 1, 3, 2900},
  };
  Open();
  for (const ModelCase& c : cases) {
    SCOPED_TRACE(simanalyzer::ModelName(c.model));
    Identity() = simanalyzer::IdentityFor(c.model);
    ASSERT_EQ(analyzer.InitHardwareInfo(0), 1);
    EXPECT_EQ(analyzer.IsAlder(), c.alder);
    EXPECT_EQ(analyzer.IsBirch(), c.birch);
    EXPECT_EQ(analyzer.IsCedar(), c.cedar);
    EXPECT_EQ(analyzer.IsDeodar(), c.deodar);
    EXPECT_EQ(analyzer.modelClass, c.modelClass);
    EXPECT_EQ(analyzer.ModelNumber(), c.modelNumber);
  }
}

TEST_F(InstrumentIdentityTest, OptionFlagsAreReadAtTheirPositions) {
  struct Flag {
    int position;
    int (Talvinet::*predicate)();
  };
  const Flag flags[] = {
      {10, &Talvinet::IsOption474849},
      {20, &Talvinet::IsOption30},
      {23, &Talvinet::HasTach},
  };
  Open();
  for (const Flag& flag : flags) {
    SCOPED_TRACE(flag.position);
    Identity().options.assign(24, '0');
    ASSERT_EQ(analyzer.InitHardwareInfo(0), 1);
    EXPECT_EQ((analyzer.*flag.predicate)(), 0);
    Identity().options.assign(24, '1');
    Identity().options[static_cast<std::size_t>(flag.position)] = '0';
    ASSERT_EQ(analyzer.InitHardwareInfo(0), 1);
    EXPECT_EQ((analyzer.*flag.predicate)(), 0);
    Identity().options.assign(24, '0');
    Identity().options[static_cast<std::size_t>(flag.position)] = '1';
    ASSERT_EQ(analyzer.InitHardwareInfo(0), 1);
    EXPECT_EQ((analyzer.*flag.predicate)(), 1);
  }
}

TEST_F(InstrumentIdentityTest, AShorterOptionsLineLeavesNoOldFlagBehind) {
  Open();
  ASSERT_EQ(analyzer.InitHardwareInfo(0), 1);
  ASSERT_EQ(analyzer.IsCedar(), 1);
  Identity().options = "0000";
  ASSERT_EQ(analyzer.InitHardwareInfo(0), 1);
  EXPECT_EQ(analyzer.IsAlder(), 0);
  EXPECT_EQ(analyzer.IsDeodar(), 1);
  EXPECT_EQ(analyzer.HasTach(), 0);
}

TEST_F(InstrumentIdentityTest, ADeodarTellsOption112From113ByTheStopBitsOfTheLine) {
  Identity() = simanalyzer::IdentityFor(Model::Deodar);
  Open(kBaudRate, 2);
  ASSERT_EQ(analyzer.InitHardwareInfo(0), 1);
  EXPECT_EQ(analyzer.IsOption112(), 1);
  EXPECT_EQ(analyzer.IsOption113(), 0);
  ASSERT_EQ(analyzer.CloseConnection(), 1);
  EXPECT_EQ(analyzer.IsOption112() + analyzer.IsOption113(), 0);
  Open(kBaudRate, 1);
  EXPECT_EQ(analyzer.IsOption112(), 0);
  EXPECT_EQ(analyzer.IsOption113(), 1);
}

TEST_F(InstrumentIdentityTest, OtherModelsHaveNeitherOption112Nor113) {
  Open(kBaudRate, 2);
  ASSERT_EQ(analyzer.InitHardwareInfo(0), 1);
  EXPECT_EQ(analyzer.IsOption112() + analyzer.IsOption113(), 0);
}

TEST_F(InstrumentIdentityTest, EachLineIsCutToItsFieldAndTheSerialNumberLosesItsLineEnd) {
  Identity().setupCount = "160";
  Identity().systemId = "CED01092XYZ";
  Identity().firmwareVersion = "V5.20";
  Identity().line3 = "ABCDEFGH";
  Identity().serialNumber = "AB123";
  Open();
  ASSERT_EQ(analyzer.InitHardwareInfo(1), 1);
  const HardwareSetupStruct& setup = analyzer.hardwareSetup;
  EXPECT_STREQ(setup.setupCount, "160\r\n");
  EXPECT_STREQ(setup.systemId, "CED01092");
  EXPECT_STREQ(setup.line3, "ABCDEF");
  EXPECT_STREQ(setup.firmwareVersion, "V5.20");
  EXPECT_EQ(std::string(setup.options), Identity().options);
  EXPECT_STREQ(setup.serialNumber, "AB123");
  EXPECT_EQ(line.Written(), "\x12QHS\r\n\x11\x17");
}

TEST_F(InstrumentIdentityTest, ALongSerialNumberKeepsThirteenCharacters) {
  Identity().serialNumber = "0123456789ABCDEF";
  Open();
  ASSERT_EQ(analyzer.InitHardwareInfo(0), 1);
  EXPECT_STREQ(analyzer.hardwareSetup.serialNumber, "0123456789ABC");
}

TEST_F(InstrumentIdentityTest, TheQueryWaitsItsDelayBeforeReading) {
  Open();
  EXPECT_GE(MillisecondsTaken([&] { ASSERT_EQ(analyzer.InitHardwareInfo(0), 1); }), 500);
}

TEST_F(InstrumentIdentityTest, AReplyOfNineLinesFailsAndLeavesTheTenthFieldAndTheModelClass) {
  Open();
  Faults().dropLineOf = "QHS";
  Faults().droppedLineIndex = 9;
  std::strcpy(analyzer.hardwareSetup.serialNumber, "UNTOUCHED");
  EXPECT_EQ(analyzer.InitHardwareInfo(0), 0);
  EXPECT_STREQ(analyzer.hardwareSetup.serialNumber, "UNTOUCHED");
  EXPECT_STREQ(analyzer.hardwareSetup.systemId, "CED01092");
  EXPECT_EQ(analyzer.modelClass, 255);
}

TEST_F(InstrumentIdentityTest, WithoutAConnectionNothingIsAsked) {
  HardwareSetupStruct setup{};
  EXPECT_EQ(analyzer.GetHardwareSetup(&setup, 1), 0);
  EXPECT_EQ(analyzer.GetHardwareSetup(nullptr, 0), 0);
  EXPECT_EQ(line.Written(), "");
}

TEST_F(InstrumentIdentityTest, CopiesComeFromTheCacheAndNeverPassTheRoom) {
  Identity().serialNumber = "0123456789ABC";
  Open();
  ASSERT_EQ(analyzer.InitHardwareInfo(0), 1);
  ASSERT_EQ(analyzer.CloseConnection(), 1);
  struct CopyCase {
    void (Talvinet::*copy)(char*, int);
    int room;
    const char* expected;
  };
  const CopyCase cases[] = {
      {&Talvinet::GetSerialNumber, 32, "0123456789A"}, {&Talvinet::GetSerialNumber, 4, "012"},
      {&Talvinet::GetSystemID, 32, "CED01092"},       {&Talvinet::GetSystemID, 1, ""},
      {&Talvinet::GetFirmwareVersion, 32, "V5.20"},   {&Talvinet::GetFirmwareVersion, 3, "V5"},
  };
  for (const CopyCase& c : cases) {
    SCOPED_TRACE(c.expected);
    char text[40];
    std::memset(text, '#', sizeof text);
    (analyzer.*c.copy)(text, c.room);
    EXPECT_STREQ(text, c.expected);
    EXPECT_EQ(text[c.room], '#');
  }
  analyzer.GetSerialNumber(nullptr, 32);
}

}  // namespace
}  // namespace talvinet::testing
