#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <vector>

#include "store/record_text.h"
#include "store/user_data_store.h"
#ifdef _WIN32
#include "win32/held_file.h"
#endif

namespace kelvara {
namespace {

namespace fs = std::filesystem;

std::string Utf8(const fs::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

class StoreFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::random_device seed;
    folder_ = fs::temp_directory_path() / ("kelvara-store-" + std::to_string(seed()));
    fs::create_directories(folder_);
    // A Japanese folder and user name, as on the machines this runs on.
    file_ = folder_ / fs::path(u8"UsrData") / fs::path(u8"山田.qmx");
  }
  void TearDown() override {
    std::error_code ec;
    for (const auto& entry : fs::recursive_directory_iterator(folder_, ec)) {
      fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ec);
    }
    fs::remove_all(folder_, ec);
  }

  void WriteRaw(const std::string& bytes) {
    fs::create_directories(file_.parent_path());
    std::ofstream(file_, std::ios::binary | std::ios::trunc) << bytes;
  }
  std::string ReadRaw() const {
    std::ifstream in(file_, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  std::string Path() const { return Utf8(file_); }
  bool TemporaryLeft() const {
    for (const auto& entry : fs::directory_iterator(file_.parent_path())) {
      if (entry.path().extension() == ".tmp") return true;
    }
    return false;
  }

  fs::path folder_;
  fs::path file_;
};

SettingsRecord Sample() {
  return {.WTop = "1500",
          .WLeft = "9000",
          .CVw = "on",
          .ClFntN = "ＭＳ Ｐゴシック",
          .ClFntSt = "太字 斜体",
          .ClSW = "アナログ時計",
          .BClor = "12632246",
          .ClImage = "C:\\画像\\時計.bmp",
          .FSize = "24",
          .PFUl = "999999"};
}

TEST_F(StoreFileTest, CreateMakesTheFolderAndAnEmptyFileOnce) {
  ASSERT_TRUE(CreateStoreFile(Path()).ok);
  EXPECT_TRUE(fs::is_directory(file_.parent_path()));
  EXPECT_EQ(fs::file_size(file_), 0u);
  WriteRaw("kept");
  ASSERT_TRUE(CreateStoreFile(Path()).ok);
  EXPECT_EQ(ReadRaw(), "kept") << "an existing file is left alone";
}

TEST_F(StoreFileTest, CreateFailsWhenAFileHoldsTheFolderName) {
  std::ofstream(folder_ / "UsrData") << "x";
  const StoreStatus status = CreateStoreFile(Path());
  EXPECT_FALSE(status.ok);
  EXPECT_FALSE(status.reason.empty());
}

TEST_F(StoreFileTest, CountsRoundedRecords) {
  const struct {
    std::size_t length;
    int records;
  } cases[] = {{0, 0}, {1097, 0}, {1098, 1}, {2194, 1}, {3291, 2}, {4388, 2}, {5485, 2}};
  for (const auto& c : cases) {
    WriteRaw(std::string(c.length, 'z'));
    int records = -1;
    ASSERT_TRUE(CountStoreRecords(Path(), records).ok);
    EXPECT_EQ(records, c.records) << c.length;
  }
}

TEST_F(StoreFileTest, CountOfAMissingFileIsAnErrorAndLeavesTheCount) {
  int records = 7;
  const StoreStatus status = CountStoreRecords(Path(), records);
  EXPECT_FALSE(status.ok);
  EXPECT_FALSE(status.reason.empty());
  EXPECT_EQ(records, 7);
}

TEST_F(StoreFileTest, SaveThenLoadRoundTrips) {
  ASSERT_TRUE(CreateStoreFile(Path()).ok);
  ASSERT_TRUE(WriteFirstRecord(Path(), Sample()).ok);
  EXPECT_EQ(fs::file_size(file_), kRecordLength);
  EXPECT_FALSE(TemporaryLeft());
  SettingsRecord read;
  ASSERT_TRUE(ReadFirstRecord(Path(), read).ok);
  EXPECT_EQ(read.ClFntN, "ＭＳ Ｐゴシック" + std::string(15, ' '));
  TrimTrailingSpaces(read);
  EXPECT_EQ(read, Sample());
  EXPECT_EQ(ReadRaw(), EncodeRecord(Sample()));
}

TEST_F(StoreFileTest, SaveKeepsBytesAfterTheFirstRecord) {
  const std::string second = "second record " + std::string(2180, '#');
  WriteRaw(std::string(kRecordLength, 'o') + second);
  ASSERT_TRUE(WriteFirstRecord(Path(), Sample()).ok);
  EXPECT_EQ(ReadRaw(), EncodeRecord(Sample()) + second);
}

TEST_F(StoreFileTest, SaveOverAShortFileMakesAWholeRecord) {
  WriteRaw(std::string(1500, 'q'));
  ASSERT_TRUE(WriteFirstRecord(Path(), SettingsRecord{}).ok);
  EXPECT_EQ(ReadRaw(), std::string(kRecordLength, ' '));
}

TEST_F(StoreFileTest, LoadOfShortAndEmptyFilesReadsMissingBytesAsSpaces) {
  WriteRaw("");
  SettingsRecord read = Sample();
  ASSERT_TRUE(ReadFirstRecord(Path(), read).ok);
  TrimTrailingSpaces(read);
  EXPECT_EQ(read, SettingsRecord{});

  // Ends inside record 1, between the two bytes of a character of the path.
  WriteRaw(EncodeRecord(Sample()).substr(0, 430));
  ASSERT_TRUE(ReadFirstRecord(Path(), read).ok);
  TrimTrailingSpaces(read);
  EXPECT_EQ(read.ClSW, "アナログ時計");
  EXPECT_EQ(read.ClImage, "C:\\\xEF\xBF\xBD");
  EXPECT_EQ(read.FSize, "");
  EXPECT_EQ(read.PFUl, "");
}

TEST_F(StoreFileTest, LoadOfGarbageDoesNotFail) {
  std::string garbage(kRecordLength, '\0');
  std::mt19937 random(42);
  for (char& c : garbage) c = static_cast<char>(random());
  WriteRaw(garbage);
  SettingsRecord read;
  ASSERT_TRUE(ReadFirstRecord(Path(), read).ok);
  for (const StoreField& field : kStoreFields) EXPECT_FALSE((read.*field.member).empty());
}

struct Fault {
  const char* what;
  // What it returns keeps the fault in place until the save is checked.
  std::shared_ptr<void> (*arrange)(const fs::path& file);
  const char* reason;  // none: the save rides the fault out
};

const Fault kFaults[] = {
    {"read-only file",
     [](const fs::path& file) {
       fs::permissions(file,
                       fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                       fs::perm_options::remove);
       return std::shared_ptr<void>();
     },
     "読み取り専用のファイルです"},
    {"temporary file cannot be made",
     [](const fs::path& file) {
       fs::path blocker = file;
       blocker += ".tmp";
       fs::create_directories(blocker / "x");
       return std::shared_ptr<void>();
     },
     "一時ファイルを作成できません"},
    {"path is a folder",
     [](const fs::path& file) {
       fs::remove(file);
       fs::create_directories(file);
       return std::shared_ptr<void>();
     },
     "ファイルではありません"},
#ifdef _WIN32
    // Windows refuses to replace a file open without delete sharing.
    {"held without delete sharing for 100 ms",
     [](const fs::path& file) {
       return HoldWithoutDeleteSharing(file, std::chrono::milliseconds(100));
     },
     nullptr},
    {"held without delete sharing for 5 s",
     [](const fs::path& file) { return HoldWithoutDeleteSharing(file, std::chrono::seconds(5)); },
     "ファイルを置き換えられません"},
#endif
};

TEST_F(StoreFileTest, SaveUnderAFaultRidesItOutOrLeavesTheFileAsItWas) {
  for (const Fault& fault : kFaults) {
    const std::string before = EncodeRecord(SettingsRecord{.WTop = "1", .WLeft = "2"}) + "tail";
    TearDown();
    SetUp();
    WriteRaw(before);
    {
      const std::shared_ptr<void> kept = fault.arrange(file_);
      const StoreStatus status = WriteFirstRecord(Path(), Sample());
      if (fault.reason == nullptr) {
        EXPECT_TRUE(status.ok) << fault.what << ": " << status.reason;
        EXPECT_EQ(ReadRaw(), EncodeRecord(Sample()) + "tail") << fault.what;
      } else {
        EXPECT_FALSE(status.ok) << fault.what;
        EXPECT_EQ(status.reason, fault.reason) << fault.what;
        if (fs::is_regular_file(file_)) {
          EXPECT_EQ(ReadRaw(), before) << fault.what;
        }
      }
      EXPECT_FALSE(fs::is_regular_file(fs::path(file_) += ".tmp")) << fault.what;
    }
  }
}

// Refusals as MinGW's library reports them: a held target, a held temporary.
TEST_F(StoreFileTest, ReplaceIsTriedAgainOnlyWhileARefusalMayPass) {
  using std::errc;
  const struct {
    const char* what;
    std::vector<errc> refusals;  // then the real rename
    bool temporary_gone;
    int tries;
    bool saved;
  } cases[] = {
      {"access denied twice", {errc::permission_denied, errc::permission_denied}, false, 3, true},
      {"sharing violation once", {errc::io_error}, false, 2, true},
      {"busy once", {errc::device_or_resource_busy}, false, 2, true},
      {"access denied throughout", std::vector(9, errc::permission_denied), false, 6, false},
      {"access denied five times", std::vector(5, errc::permission_denied), false, 6, true},
      {"onto a folder", {errc::is_a_directory}, false, 1, false},
      {"read-only file system", {errc::read_only_file_system}, false, 1, false},
      {"temporary gone", {errc::io_error}, true, 1, false},
  };
  for (const auto& c : cases) {
    const std::string before = EncodeRecord(SettingsRecord{.WTop = "1"}) + "tail";
    WriteRaw(before);
    int tries = 0;
    std::vector<std::chrono::milliseconds> pauses;
    ReplaceRetry retry;
    retry.replace = [&](const fs::path& from, const fs::path& to) {
      std::error_code ec;
      const std::size_t refusal = static_cast<std::size_t>(tries++);
      if (refusal < c.refusals.size()) {
        if (c.temporary_gone) fs::remove(from, ec);
        return std::make_error_code(c.refusals[refusal]);
      }
      fs::rename(from, to, ec);
      return ec;
    };
    retry.sleep = [&](std::chrono::milliseconds pause) { pauses.push_back(pause); };

    const StoreStatus status = WriteFirstRecord(Path(), Sample(), retry);
    EXPECT_EQ(tries, c.tries) << c.what;
    EXPECT_EQ(pauses,
              std::vector(static_cast<std::size_t>(c.tries - 1), std::chrono::milliseconds(100)))
        << c.what;
    EXPECT_EQ(status.ok, c.saved) << c.what;
    EXPECT_EQ(status.reason, c.saved ? "" : "ファイルを置き換えられません") << c.what;
    EXPECT_EQ(ReadRaw(), c.saved ? EncodeRecord(Sample()) + "tail" : before) << c.what;
    EXPECT_FALSE(TemporaryLeft()) << c.what;
  }
}

TEST_F(StoreFileTest, SaveAndLoadInAMissingFolderFailWithoutChangingAnything) {
  const std::string missing = Utf8(folder_ / "nowhere" / "u.qmx");
  const StoreStatus saved = WriteFirstRecord(missing, Sample());
  EXPECT_FALSE(saved.ok);
  EXPECT_FALSE(saved.reason.empty());
  EXPECT_FALSE(fs::exists(folder_ / "nowhere"));
  SettingsRecord record = Sample();
  const StoreStatus loaded = ReadFirstRecord(missing, record);
  EXPECT_FALSE(loaded.ok);
  EXPECT_FALSE(loaded.reason.empty());
  EXPECT_EQ(record, Sample()) << "a failed load changes no field";
}

}  // namespace
}  // namespace kelvara
