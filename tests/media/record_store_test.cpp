// Records kept per data set: locked updates from several processes at once, damaged records,
// and the digest that names a data set.
#include "media/files/record_store.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "media/files/content_digest.h"
#include "media/files/paths.h"
#include "media/messages.h"
#include "support/files_temp_folder.h"
#include "support/in_processes.h"

namespace orv::media {
namespace {

using test::in_processes;
using testing::FilesTempFolder;

// Every process adds its lines to one record many times over: without the lock and the
// re-read under it, updates overwrite each other and lines go missing.
TEST(RecordUpdates, ConcurrentProcessesLoseNoUpdate) {
  FilesTempFolder dir;
  const std::string path = dir / "record.txt";
  constexpr int kProcesses = 4;
  constexpr int kUpdates = 40;
  ASSERT_TRUE(in_processes(kProcesses, [&](int process) {
    for (int n = 0; n < kUpdates; ++n) {
      const auto outcome = update_record_file(path, 1 << 20, [&](const RecordContent& old) {
        RecordChange change;
        change.write =
            old.bytes.value_or("") + std::to_string(process) + ":" + std::to_string(n) + "\n";
        return change;
      });
      if (!outcome.written || !outcome.error.empty()) return false;
    }
    return true;
  }));
  const std::string record = dir.read("record.txt");
  EXPECT_EQ(std::count(record.begin(), record.end(), '\n'), kProcesses * kUpdates);
  for (int process = 0; process < kProcesses; ++process)
    EXPECT_NE(record.find(std::to_string(process) + ":" + std::to_string(kUpdates - 1) + "\n"),
              std::string::npos);
  EXPECT_EQ(remove_stale_temporaries(dir.path(), -1), 0);  // no temporary file left behind
}

TEST(RecordUpdates, ADamagedRecordIsSetAsideUnderTheLockForAFreshOne) {
  FilesTempFolder dir;
  dir.write("r.txt", "garbage");
  const auto outcome = update_record_file(dir / "r.txt", 100, [](const RecordContent& old) {
    EXPECT_TRUE(old.present);
    EXPECT_EQ(old.bytes, "garbage");
    return RecordChange{"fresh", true};
  });
  EXPECT_TRUE(outcome.written);
  EXPECT_EQ(outcome.set_aside_as, dir / "r.txt.damaged");
  EXPECT_EQ(dir.read("r.txt"), "fresh");
  EXPECT_EQ(dir.read("r.txt.damaged"), "garbage");
  // Too large to read: present, without bytes.
  dir.write("big.txt", std::string(200, 'x'));
  update_record_file(dir / "big.txt", 100, [](const RecordContent& old) {
    EXPECT_TRUE(old.present);
    EXPECT_FALSE(old.bytes);
    return RecordChange{};
  });
  EXPECT_EQ(dir.read("big.txt").size(), 200u);  // nothing asked, nothing done
}

TEST(RecordUpdates, AStoreKeepsEachDataSetInAFolderOfItsKey) {
  FilesTempFolder dir;
  const RecordStore one(dir / "user", "00000000000000aa");
  const RecordStore two(dir.path() + "user/", "00000000000000bb");
  EXPECT_EQ(one.path_of("scores.txt"), dir / "user/records/00000000000000aa/scores.txt");
  EXPECT_NE(one.folder(), two.folder());
  EXPECT_EQ(one.prepare(), "");
  EXPECT_TRUE(file_exists(one.folder()));
}

// The digest depends on names and contents, not on where the folder is.
TEST(DataSetDigest, OnlyTheContentsCount) {
  FilesTempFolder dir;
  for (const char* set : {"a/", "b/", "c/"}) {
    dir.write(std::string(set) + "DEFS/gem.dll", "VALUE\r\n50\r\n");
    dir.write(std::string(set) + "DEFS/gem.png", "picture");
    dir.write(std::string(set) + "DEFS/SUB/star.DLL", "VALUE\r\n100\r\n");
  }
  dir.write("b/DEFS/gem.png", "another picture");  // pictures do not count with a suffix
  dir.write("c/DEFS/gem.dll", "VALUE\r\n5000\r\n");
  const auto digest = [&](const std::string& set, std::string_view suffix) {
    ContentDigest d;
    d.add_folder(dir / (set + "DEFS"), suffix);
    return d.hex();
  };
  EXPECT_EQ(digest("a/", ".dll"), digest("b/", ".dll"));
  EXPECT_NE(digest("a/", ".dll"), digest("c/", ".dll"));
  EXPECT_NE(digest("a/", ""), digest("b/", ""));
  EXPECT_EQ(digest("a/", ".dll").size(), 16u);
  ContentDigest ab, a_b;
  ab.add("ab");
  ab.add("c");
  a_b.add("a");
  a_b.add("bc");
  EXPECT_NE(ab.hex(), a_b.hex());
}

TEST(Messages, BytesFromFilesPrintEscaped) {
  EXPECT_EQ(printable("a\x1b[2Jb\r\n\xe9\x7f"), "a\\x1B[2Jb\\x0D\\x0A\\xE9\\x7F");
  EXPECT_EQ(printable(std::string("x\0y", 3)), "x\\x00y");
}

// Paths print with one separator; a file's findings stop at the limit with a count of the rest.
TEST(Messages, FindingsOfAFileStopAtTheLimit) {
  EXPECT_EQ(quoted_path("/home/ann/DATA\\LEVELS\\BASE.ai42"), "/home/ann/DATA/LEVELS/BASE.ai42");
  std::ostringstream out;
  FindingLimit findings("DATA\\x.txt", out);
  for (int line = 1; line <= 25; ++line) findings.report(line, "bad");
  findings.finish();
  const std::string text = out.str();
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), FindingLimit::kShown + 1);
  EXPECT_NE(text.find("DATA/x.txt:10: bad\n"), std::string::npos);
  EXPECT_EQ(text.find("DATA/x.txt:11:"), std::string::npos);
  EXPECT_NE(text.find("DATA/x.txt: and 15 more\n"), std::string::npos);
}

}  // namespace
}  // namespace orv::media
