// The server's table of sessions: each client reaches its own sessions only,
// a close takes a session once, and the shutdown takes every one; a client's
// calls and sessions stay within its limits, and the sessions of a client
// silent for the grace period are taken, never those of one still calling.
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

TEST(RemoteSessionTable, LimitsCountWhatIsHeldAndFreeWhatEnds) {
  SessionTable table;
  const auto now = SessionTable::Clock::now();
  EXPECT_TRUE(table.Enter("a", 2, now));
  EXPECT_TRUE(table.Enter("a", 2, now));
  EXPECT_FALSE(table.Enter("a", 2, now)) << "a third call in flight";
  EXPECT_TRUE(table.Enter("b", 2, now)) << "each client has its own limit";
  table.Leave("a", now);
  EXPECT_TRUE(table.Enter("a", 2, now)) << "an ended call frees its place";

  table.Add("a", 1);
  EXPECT_TRUE(table.ReserveOpen("a", 2));
  EXPECT_FALSE(table.ReserveOpen("a", 2)) << "one session and one open under way";
  table.Add("a", 2);
  table.EndOpen("a");
  EXPECT_FALSE(table.ReserveOpen("a", 2));
  EXPECT_TRUE(table.Take("a", 1));
  EXPECT_TRUE(table.ReserveOpen("a", 2)) << "a closed session frees its place";
}

TEST(RemoteSessionTable, OnlySilentClientsLoseTheirSessions) {
  using std::chrono::seconds;
  SessionTable table;
  const auto start = SessionTable::Clock::now();
  for (const char *client : {"gone", "calling", "recent", "opening"}) table.Enter(client, 4, start);
  table.Leave("gone", start);
  table.Leave("recent", start + seconds(10));
  table.Leave("opening", start);
  table.ReserveOpen("opening", 4);
  ViSession vi = 1;
  for (const char *client : {"gone", "gone", "calling", "recent", "opening"}) table.Add(client, vi++);
  using Taken = std::vector<std::pair<std::string, ViSession>>;
  EXPECT_EQ(table.TakeIdle(start + seconds(5)), (Taken{{"gone", 1}, {"gone", 2}}));
  EXPECT_TRUE(table.TakeIdle(start + seconds(5)).empty());
  EXPECT_TRUE(table.Owns("calling", 3) && table.Owns("recent", 4) && table.Owns("opening", 5));
  table.Enter("gone", 4, start + seconds(20)); // the same client back later
  EXPECT_FALSE(table.Owns("gone", 1));
  EXPECT_EQ(table.TakeIdle(start + seconds(15)), (Taken{{"recent", 4}}));
}

} // namespace
} // namespace zuremote
