// What tessan's session makes of --set: a scalar the NC text can reach, or a
// refusal when the name is an axis of the channel, is declared already, or
// is read as something else.
#include <gtest/gtest.h>

#include "session.h"

namespace Velkor::Tessan {
namespace {

std::string OpenWith(std::vector<ScalarSetting> settings, std::vector<std::string> axes = {}) {
  CommandLine commandLine;
  commandLine.settings = std::move(settings);
  commandLine.axes = std::move(axes);
  std::string error;
  const std::unique_ptr<Session> session = Session::Open(commandLine, error);
  EXPECT_EQ(session == nullptr, !error.empty());
  return error;
}

TEST(TessanSession, SettingsMayNotHideBehindAWordNorHideAVariable) {
  EXPECT_EQ(OpenWith({{"A", "5"}}), "--set A: A is an axis of the channel");
  EXPECT_EQ(OpenWith({{"Q", "5"}}, {"Q", "Y"}), "--set Q: Q is an axis of the channel");
  // A is an address letter whatever the channel's axes are.
  EXPECT_EQ(OpenWith({{"A", "5"}}, {"X", "Y", "Z"}), "--set A: NC text reads A as something other than this variable");
  EXPECT_EQ(OpenWith({{"R1", "5"}}), "--set R1: NC text reads R1 as something other than this variable");
  EXPECT_EQ(OpenWith({{"ZZ", "5"}}), "");
  EXPECT_EQ(OpenWith({{"$R", "1"}}), "--set $R: $R is declared already");
  EXPECT_EQ(OpenWith({{"CNT", "1"}, {"CNT", "2"}}), "--set CNT: CNT is declared already");
  EXPECT_EQ(OpenWith({{"VV", "1e400"}}), "--set VV: '1e400' lies outside the range of a REAL");
}

TEST(TessanSession, ASettingIsDeclaredWithItsValue) {
  CommandLine commandLine;
  commandLine.settings = {{"CNT", "7"}};
  std::string error;
  const std::unique_ptr<Session> session = Session::Open(commandLine, error);
  ASSERT_TRUE(session) << error;
  Orv::SmartPointer<Orv::INCExpression> expression;
  std::int32_t kind = 0;
  Orv::String message;
  EXPECT_EQ(session->parser().ParseExpression("CNT+1", &session->context(), &expression, &kind, &message),
            Orv::ORV_SUCCESS)
      << message.c_str();
}

}  // namespace
}  // namespace Velkor::Tessan
