// The table of best scores: its order, its size, its file, and what a damaged file or a
// failing write does.
#include "screens/score_table.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>
#include <vector>

#include "support/files_temp_folder.h"
#include "support/in_processes.h"

namespace orv {
namespace {

ScoreEntry entry(std::int32_t score, std::string name = "ann") {
  return {score, 3, "2026-12-07", std::move(name)};
}

std::vector<std::int32_t> scores_of(const ScoreTable& table) {
  std::vector<std::int32_t> scores;
  for (const ScoreEntry& e : table) scores.push_back(e.score);
  return scores;
}

TEST(ScoreTable, KeepsTheTenBestBestFirstOlderAheadOfEqual) {
  ScoreTable table;
  for (std::int32_t s : {50, 20, 90, 20, 70, 10, 30, 60, 80, 40}) add_score(table, entry(s));
  EXPECT_EQ(scores_of(table), (std::vector<std::int32_t>{90, 80, 70, 60, 50, 40, 30, 20, 20, 10}));
  EXPECT_EQ(add_score(table, entry(20, "late")), 9u);  // behind the two older 20s
  EXPECT_EQ(table.back().name, "late");
  EXPECT_EQ(add_score(table, entry(5)), std::nullopt);  // below all ten: not kept
  EXPECT_EQ(add_score(table, entry(100)), 0u);
  EXPECT_EQ(std::tuple(table.size(), table.front().score, table.back().score),
            std::tuple(kScoresKept, 100, 20));
}

TEST(ScoreTable, DamagedTextIsRefused) {
  for (const char* text :
       {"", "SCORES\n", "ORVANTE SCORES\n12\t1\tdate\n", "ORVANTE SCORES\nx\t1\td\tn\n",
        "ORVANTE SCORES\n12\t1x\td\tn\n", "ORVANTE SCORES\n99999999999\t1\td\tn\n",
        "ORVANTE SCORES\n1\t1\td\tn\textra\n"})
    EXPECT_FALSE(parse_score_table(text)) << text;
  // An unordered or too long table is still a table: it is sorted and cut.
  std::string text = "ORVANTE SCORES\n";
  for (int s = 1; s <= 12; ++s) text += std::to_string(s) + "\t1\td\tn\n";
  const auto table = parse_score_table(text);
  ASSERT_TRUE(table);
  EXPECT_EQ(std::tuple(table->size(), table->front().score), std::tuple(kScoresKept, 12));
}

class ScoreFile : public ::testing::Test {
 protected:
  media::testing::FilesTempFolder dir;
  std::string path = dir / "scores.txt";
};

TEST_F(ScoreFile, ATableRoundTripsThroughAFileOnlySavingMakes) {
  EXPECT_TRUE(load_score_table(path).table.empty());
  EXPECT_FALSE(std::filesystem::exists(path));
  // Names stay on their line.
  ASSERT_TRUE(
      save_score_table(path, {entry(300, "b\tob"), entry(200, "line\nbreak"), entry(-5, "")}));
  const LoadedScores loaded = load_score_table(path);
  EXPECT_EQ(loaded.table,
            (ScoreTable{entry(300, "b ob"), entry(200, "line break"), entry(-5, "")}));
  EXPECT_EQ(loaded.set_aside_as, "");
  // Nothing but the table is left in the folder.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST_F(ScoreFile, ADamagedFileIsSetAsideForAFreshTable) {
  dir.write("scores.txt", "ORVANTE SCORES\n1\t2\n");
  const LoadedScores loaded = load_score_table(path);
  EXPECT_TRUE(loaded.table.empty());
  EXPECT_EQ(loaded.set_aside_as, path + ".damaged");
  EXPECT_EQ(dir.read("scores.txt.damaged"), "ORVANTE SCORES\n1\t2\n");
  EXPECT_FALSE(std::filesystem::exists(path));
}

// A write that stops half way, as on a full disk: the file size limit makes the write fail
// after the first bytes. The old table stays whole and no temporary file is left behind.
TEST_F(ScoreFile, AWriteFailingHalfWayKeepsTheOldTable) {
  ASSERT_TRUE(save_score_table(path, {entry(70)}));
  const std::string before = dir.read("scores.txt");
  ScoreTable big;
  for (int i = 0; i < 10; ++i) big.push_back(entry(1000 - i, std::string(200, 'n')));

  EXPECT_FALSE(
      media::testing::write_with_size_limit(100, [&] { return save_score_table(path, big); }));
  EXPECT_EQ(dir.read("scores.txt"), before);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

// Games finishing at the same moment, in processes of their own: every score that belongs in
// the table is there, best first, and the file is never damaged.
TEST_F(ScoreFile, GamesSavingAtOnceKeepEveryBestScore) {
  constexpr int kGames = 4;
  constexpr int kScoresEach = 6;
  ASSERT_TRUE(test::in_processes(kGames, [&](int game) {
    bool ok = true;
    for (int n = 0; n < kScoresEach; ++n) {
      const KeptScores kept = keep_score_in_table(path, entry(1000 + n * kGames + game));
      ok = ok && kept.error.empty() && kept.set_aside_as.empty();
    }
    return ok;
  }));
  const auto table = parse_score_table(dir.read("scores.txt"));
  ASSERT_TRUE(table);
  ASSERT_EQ(table->size(), kScoresKept);
  for (std::size_t i = 0; i < kScoresKept; ++i)
    EXPECT_EQ((*table)[i].score, 1000 + kGames * kScoresEach - 1 - std::int32_t(i));
}

// Looking at the table without adding to it leaves no lock file where there is no table, and
// sets a damaged table aside as adding would.
TEST_F(ScoreFile, LookingWithoutAnEntryOnlySetsDamageAside) {
  const KeptScores none = keep_score_in_table(dir / "nowhere/scores.txt", std::nullopt);
  EXPECT_TRUE(none.table.empty());
  EXPECT_EQ(none.error, "");
  EXPECT_FALSE(std::filesystem::exists(dir / "nowhere"));
  dir.write("scores.txt", "not a table");
  const KeptScores damaged = keep_score_in_table(path, std::nullopt);
  EXPECT_EQ(damaged.set_aside_as, path + ".damaged");
  EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
}  // namespace orv
