// The server's table of sessions: each client reaches its own sessions only,
// a close takes a session once, and the shutdown takes every one; a client's
// calls and sessions stay within its limits, and the sessions of a client
// silent for the grace period are taken, never those of one still calling; a
// named session is shared by the clients attached to it until the last lets go.
#include <gtest/gtest.h>

#include "SessionTable.h"

namespace zuremote {
namespace {

using Left = SessionTable::Left;
using Attachment = SessionTable::Attachment;

TEST(RemoteSessionTable, EachClientReachesItsOwnSessionsOnly) {
  SessionTable table;
  table.Add("client a at ipv4:127.0.0.1", 65537);
  table.Add("client b at ipv4:127.0.0.1", 65538);
  EXPECT_TRUE(table.Owns("client a at ipv4:127.0.0.1", 65537));
  EXPECT_FALSE(table.Owns("client b at ipv4:127.0.0.1", 65537));
  EXPECT_FALSE(table.Owns("client a at ipv4:127.0.0.1", 65538));
  EXPECT_FALSE(table.Owns("client a at ipv4:127.0.0.1", 4));
  EXPECT_EQ(table.Take("client b at ipv4:127.0.0.1", 65537), Left::NotHeld);
  EXPECT_EQ(table.Take("client a at ipv4:127.0.0.1", 65537), Left::Last);
  EXPECT_EQ(table.Take("client a at ipv4:127.0.0.1", 65537), Left::NotHeld) << "a session is closed once";
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
  EXPECT_EQ(table.Take("a", 1), Left::Last);
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

TEST(RemoteSessionTable, NamedSessionsLastUntilTheirLastHolderLetsGo) {
  SessionTable table;
  ViSession vi = VI_NULL;
  EXPECT_TRUE(table.ReserveName("bench"));
  EXPECT_FALSE(table.ReserveName("bench")) << "an open of that name is under way";
  EXPECT_EQ(table.Attach("b", "bench", vi), Attachment::NoSuchName) << "not open yet";
  table.Add("a", 7, "bench");
  EXPECT_EQ(table.Attach("b", "bench", vi), Attachment::Attached);
  EXPECT_EQ(vi, 7u);
  EXPECT_EQ(table.Attach("b", "", vi), Attachment::NoSuchName);
  EXPECT_EQ(table.Take("a", 7), Left::Shared);
  EXPECT_TRUE(table.Owns("b", 7) && !table.Owns("a", 7));
  EXPECT_EQ(table.Take("a", 7), Left::NotHeld);
  EXPECT_EQ(table.Take("b", 7), Left::Last);
  EXPECT_TRUE(table.ReserveName("bench")) << "the name is free with its session gone";
  table.DropName("bench");
  EXPECT_TRUE(table.ReserveName("bench")) << "a failed open frees its name";

  table.Add("a", 8, "bench", true);
  table.DropName("bench"); // only a name still under way is dropped
  EXPECT_EQ(table.Attach("b", "bench", vi), Attachment::Exclusive);
  EXPECT_EQ(table.Attach("a", "bench", vi), Attachment::Attached) << "its holder reaches it";
  EXPECT_EQ(table.Take("a", 8), Left::Last) << "attaching again adds no holder";
}

TEST(RemoteSessionTable, SilentHoldersLetGoOfSharedSessions) {
  using std::chrono::seconds;
  SessionTable table;
  const auto start = SessionTable::Clock::now();
  table.Add("gone", 1, "shared");
  table.Add("gone", 2);
  ViSession vi = VI_NULL;
  table.Attach("live", "shared", vi);
  for (const char *client : {"gone", "live"}) table.Enter(client, 4, start);
  table.Leave("gone", start);
  using Taken = std::vector<std::pair<std::string, ViSession>>;
  EXPECT_EQ(table.TakeIdle(start + seconds(5)), (Taken{{"gone", 2}})) << "session 1 stays for live";
  EXPECT_TRUE(table.Owns("live", 1) && !table.Owns("gone", 1));
  table.Leave("live", start);
  EXPECT_EQ(table.TakeIdle(start + seconds(5)), (Taken{{"live", 1}}));
  EXPECT_TRUE(table.ReserveName("shared"));
}

} // namespace
} // namespace zuremote
