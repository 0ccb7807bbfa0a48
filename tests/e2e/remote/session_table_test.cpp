// The server's table of sessions: each client reaches its own sessions only,
// a close takes a session once, and the shutdown takes every one.
#include <gtest/gtest.h>

#include "SessionTable.h"

namespace zuremote {
namespace {

TEST(RemoteSessionTable, EachClientReachesItsOwnSessionsOnly) {
  SessionTable table;
  table.Add("client a at ipv4:127.0.0.1", 65537);
  table.Add("client b at ipv4:127.0.0.1", 65538);
  EXPECT_TRUE(table.Owns("client a at ipv4:127.0.0.1", 65537));
  EXPECT_FALSE(table.Owns("client b at ipv4:127.0.0.1", 65537));
  EXPECT_FALSE(table.Owns("client a at ipv4:127.0.0.1", 65538));
  EXPECT_FALSE(table.Owns("client a at ipv4:127.0.0.1", 4));
  EXPECT_FALSE(table.Take("client b at ipv4:127.0.0.1", 65537));
  EXPECT_TRUE(table.Take("client a at ipv4:127.0.0.1", 65537));
  EXPECT_FALSE(table.Take("client a at ipv4:127.0.0.1", 65537)) << "a session is closed once";
  EXPECT_FALSE(table.Owns("client a at ipv4:127.0.0.1", 65537));
}

TEST(RemoteSessionTable, ShutdownTakesEverySessionOnce) {
  SessionTable table;
  table.Add("a", 1);
  table.Add("b", 2);
  table.Add("b", 3);
  EXPECT_EQ(table.TakeAll(), (std::vector<ViSession>{1, 2, 3}));
  EXPECT_TRUE(table.TakeAll().empty());
  EXPECT_FALSE(table.Owns("b", 2));
}

} // namespace
} // namespace zuremote
