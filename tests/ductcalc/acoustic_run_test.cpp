// What the hand-over reads of a calculation document: every record's type
// code, kind, dB flag and three octave-band rows, with the empty record after
// the last fitting.
#include <gtest/gtest.h>

#include "ductcalc/acoustic_run.h"

namespace orvanta {
namespace {

TEST(AcousticRunData, ReadsEveryRecordAndTheEmptyOneAfterIt) {
  DuctDocument document;
  FittingRecord fan = NewResetRecord();
  fan.Text(FittingField::TypeCode) = "FAN_R";
  fan.Text(FittingField::Kind) = "24";
  fan.fan_power_in_db = false;
  fan.Text(BandField(0, 0)) = "71,5";  // either decimal separator
  fan.Text(BandField(0, 1)) = "72.5";
  fan.Text(BandField(0, 2)) = "abc";   // not a number: left empty
  fan.Text(BandField(0, 3)) = "";
  fan.Text(BandField(2, 7)) = "-3";
  ASSERT_TRUE(document.Append(fan).ok());
  FittingRecord odd = NewResetRecord();
  odd.Text(FittingField::TypeCode) = "TUBE*";
  odd.Text(FittingField::Kind) = "1,5";  // no such kind
  ASSERT_TRUE(document.Append(odd).ok());

  const std::vector<FittingAcousticData> run = AcousticRunData(document);
  ASSERT_EQ(run.size(), 3u);
  EXPECT_EQ(run[0].type_code, "FAN_R");
  EXPECT_EQ(run[0].kind, 24);
  EXPECT_FALSE(run[0].fan_power_in_db);
  EXPECT_EQ(run[0].first[0], 71.5);
  EXPECT_EQ(run[0].first[1], 72.5);
  EXPECT_FALSE(run[0].first[2]);
  EXPECT_FALSE(run[0].first[3]);
  EXPECT_EQ(run[0].first[4], 0);  // "0" of a reset record
  EXPECT_EQ(run[0].third[7], -3);
  EXPECT_EQ(run[1].kind, 0);
  EXPECT_TRUE(run[1].fan_power_in_db);
  EXPECT_EQ(run[2].type_code, "");

  // The fan's row reaches the calculator's source, with its dB(A) choice.
  const AcousticTransfer t = TransferToAcousticCalculator(run);
  EXPECT_EQ(t.source[1], 72.5);
  EXPECT_FALSE(t.source[2]);
  EXPECT_EQ(t.source_in_db, false);
}

}  // namespace
}  // namespace orvanta
