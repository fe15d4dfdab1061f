#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <boost/filesystem.hpp>
#include <fstream>

#include "engine/log.h"
#include "engine/progress.h"
#include "engine/save_data.h"
#include "support/headless.h"

namespace {
const char* kFirstRun = "0\n0\n0\n0\n1\n0\n0\n0\n0\n0\n1\n0";

class SaveDataTest : public testing::Test {
 protected:
  void SetUp() override {
    EnterGameDir();
    OpenLog("log.txt");
  }
  // The progress read here is the whole program's: a later test's hero must not start in the
  // second look or with this test's money.
  void TearDown() override {
    gameCompleted = false;
    money = hat = costume = 0;
    ownedItems.clear();
  }
  void WriteSave(const std::string& text) { std::ofstream("save.txt", std::ios::binary) << text; }
  std::string LogText() {
    CloseLog();
    return ReadFile("log.txt");
  }
};
}  // namespace

TEST_F(SaveDataTest, AFirstRunWritesTheTwelveDefaultLines) {
  ReadSaveFile();
  EXPECT_TRUE(ownedItems.empty());
  ASSERT_TRUE(WriteSaveFile());
  EXPECT_EQ(ReadFile("save.txt"), kFirstRun);
  EXPECT_EQ(LogText(), "Reading Save Data\nNo save data found.\n");
}

TEST_F(SaveDataTest, ValuesSurviveARoundTrip) {
  gameCompleted = true;
  money = 1234;
  hat = 5;
  costume = 1;
  ownedItems = {true, true, false, false, true, true, true, true};
  ASSERT_TRUE(WriteSaveFile());
  gameCompleted = false;
  money = hat = costume = 0;
  ownedItems.clear();
  ReadSaveFile();
  EXPECT_TRUE(gameCompleted);
  EXPECT_EQ(money, 1234);
  EXPECT_EQ(hat, 5);
  EXPECT_EQ(costume, 1);
  EXPECT_EQ(ownedItems, (std::vector<bool>{true, true, false, false, true, true, true, true}));
  EXPECT_EQ(LogText().find("damaged"), std::string::npos);
}

TEST_F(SaveDataTest, AFourLineFileGivesNoOwnedFlagsAndTheDefaultsAreWritten) {
  WriteSave("0\n75\n2\n0");
  ReadSaveFile();
  EXPECT_EQ(money, 75);
  EXPECT_EQ(hat, 2);
  EXPECT_TRUE(ownedItems.empty());
  WriteSaveFile();
  EXPECT_EQ(ReadFile("save.txt"), "0\n75\n2\n0\n1\n0\n0\n0\n0\n0\n1\n0");
}

TEST_F(SaveDataTest, ACompletedFlagOfSevenIsWrittenBackAsOne) {
  WriteSave("7\n0\n0\n0\n1\n0\n0\n0\n0\n0\n1\n0");
  ReadSaveFile();
  EXPECT_TRUE(gameCompleted);
  WriteSaveFile();
  EXPECT_EQ(ReadFile("save.txt").substr(0, 2), "1\n");
}

TEST_F(SaveDataTest, NeverKeepsMoreFlagsThanTheShopHasArticles) {
  WriteSave("0\n0\n0\n0\n1\n1\n1\n1\n1\n1\n1\n1\n1\n1\n1");
  ReadSaveFile();
  EXPECT_EQ(ownedItems.size(), 8u);
}

TEST_F(SaveDataTest, DamagedFilesAreReadAsFarAsPossibleAndNeverDrawOutsideTheTables) {
  struct Case {
    const char* text;
    int money, hat, costume;
    size_t owned;
  };
  const Case cases[] = {
      {"1\nlots\n3\n1\n1\n0\n0\n0\n0\n0\n1\n0", 0, 3, 1, 8},  // a word where a number belongs
      {"0\n-50\n2\n0", 0, 2, 0, 0},                          // negative money
      {"0\n10\n99\n5\n1\n0\n0\n0\n0\n0\n1\n0", 10, 0, 0, 8},  // hat and look outside the pictures
      {"0\n10\n-1\n-3", 10, 0, 0, 0},
      {"0\n99999999999999999999\n1\n0", 0, 1, 0, 0},  // too big for a number
      {"0\n10\n1\n0\n1\n1\n0", 10, 1, 0, 8},          // too few owned flags: completed
      {"", 0, 0, 0, 0},
      {"\x01\x02\xff\xfe binary", 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    WriteSave(c.text);
    money = hat = costume = 42;
    ReadSaveFile();
    EXPECT_EQ(money, c.money) << c.text;
    EXPECT_EQ(hat, c.hat) << c.text;
    EXPECT_EQ(costume, c.costume) << c.text;
    EXPECT_EQ(ownedItems.size(), c.owned) << c.text;
    if (!ownedItems.empty()) {
      EXPECT_TRUE(ownedItems[0]) << c.text;  // "No Hat" is always owned
      EXPECT_TRUE(ownedItems[6]) << c.text;  // so is the hero's own look
    }
  }
  const std::string log = LogText();
  size_t damagedLines = 0;
  for (size_t at = log.find("damaged"); at != std::string::npos; at = log.find("damaged", at + 1)) ++damagedLines;
  EXPECT_EQ(damagedLines, sizeof(cases) / sizeof(cases[0]));
}

TEST_F(SaveDataTest, AFailedWriteLeavesTheOldSaveIntact) {
  WriteSave(kFirstRun);
  ReadSaveFile();
  // The temporary file cannot be created when a folder stands in its place.
  boost::filesystem::create_directory("save.txt.tmp");
  money = 500;
  EXPECT_FALSE(WriteSaveFile());
  EXPECT_EQ(ReadFile("save.txt"), kFirstRun);
  EXPECT_NE(LogText().find("Error: could not write save.txt; the save from before stays"), std::string::npos);
  boost::filesystem::remove("save.txt.tmp");
  EXPECT_TRUE(WriteSaveFile());
  EXPECT_EQ(ReadFile("save.txt").substr(0, 6), "0\n500\n");
}

namespace {
// The user a read-only folder really refuses: root writes anywhere.
const uid_t kNobody = 65534;

// In a child, as a user who may not write in folder: opens log.txt there, checks the folder and
// saves twice. Returns what the child said on stderr; the child fails if a save claimed success.
std::string PlayInReadOnlyFolder(const std::string& folder) {
  const std::string said = boost::filesystem::absolute("stderr.txt").string();
  chmod(folder.c_str(), 0555);
  const pid_t child = fork();
  if (child == 0) {
    if (!freopen(said.c_str(), "w", stderr) || chdir(folder.c_str()) != 0) _exit(2);
    if (getuid() == 0 && setuid(kNobody) != 0) _exit(2);
    OpenLog("log.txt");
    const bool saved = CheckSaveFolder() || WriteSaveFile() || WriteSaveFile();
    CloseLog();
    _exit(saved ? 1 : 0);
  }
  int status = -1;
  waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << folder;
  chmod(folder.c_str(), 0755);
  return ReadFile(said);
}

size_t Count(const std::string& text, const std::string& part) {
  size_t found = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++found;
  return found;
}
}  // namespace

// Said once, in log.txt when that can be written, else on stderr; the saves at exit stay quiet.
TEST_F(SaveDataTest, AReadOnlyFolderSaysOnceThatProgressCannotBeSaved) {
  const std::string cannot = "progress cannot be saved";
  boost::filesystem::create_directory("with-log");
  std::ofstream("with-log/log.txt") << "";
  chmod("with-log/log.txt", 0666);
  EXPECT_EQ(PlayInReadOnlyFolder("with-log"), "");
  EXPECT_EQ(Count(ReadFile("with-log/log.txt"), cannot), 1u);
  EXPECT_EQ(Count(ReadFile("with-log/log.txt"), "could not write"), 0u);

  boost::filesystem::create_directory("bare");
  EXPECT_EQ(Count(PlayInReadOnlyFolder("bare"), cannot), 1u);
  EXPECT_FALSE(boost::filesystem::exists("bare/log.txt"));
}

// A child saves two different progresses in turn until it is killed, mid-write or not.
TEST_F(SaveDataTest, AKillDuringASaveLeavesTheOldOrTheNewSaveWhole) {
  const long kMoneys[] = {1, 999999};
  std::string saves[2];
  for (int i = 0; i < 2; ++i) {
    money = kMoneys[i];
    ASSERT_TRUE(WriteSaveFile());
    saves[i] = ReadFile("save.txt");
  }
  const useconds_t kFirstWaitUs = 500;
  for (int round = 0; round < 20; ++round) {
    const pid_t child = fork();
    if (child == 0) {
      for (int i = 0;; i = 1 - i) {
        money = kMoneys[i];
        WriteSaveFile();
      }
    }
    usleep(kFirstWaitUs * (round + 1));
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    const std::string left = ReadFile("save.txt");
    EXPECT_TRUE(left == saves[0] || left == saves[1]) << "round " << round << ": " << left;
  }
}
