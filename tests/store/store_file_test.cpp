#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "store/user_data_store.h"

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
  void (*arrange)(const fs::path& file);
};

const Fault kFaults[] = {
    {"read-only file",
     [](const fs::path& file) {
       fs::permissions(file,
                       fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                       fs::perm_options::remove);
     }},
    {"temporary file cannot be made",
     [](const fs::path& file) {
       fs::path blocker = file;
       blocker += ".tmp";
       fs::create_directories(blocker / "x");
     }},
    {"path is a folder",
     [](const fs::path& file) {
       fs::remove(file);
       fs::create_directories(file);
     }},
};

TEST_F(StoreFileTest, FailedSaveLeavesTheFileAsItWas) {
  for (const Fault& fault : kFaults) {
    const std::string before = EncodeRecord(SettingsRecord{.WTop = "1", .WLeft = "2"}) + "tail";
    TearDown();
    SetUp();
    WriteRaw(before);
    fault.arrange(file_);
    const StoreStatus status = WriteFirstRecord(Path(), Sample());
    EXPECT_FALSE(status.ok) << fault.what;
    EXPECT_FALSE(status.reason.empty()) << fault.what;
    if (fs::is_regular_file(file_)) {
      EXPECT_EQ(ReadRaw(), before) << fault.what;
    }
    EXPECT_FALSE(fs::is_regular_file(fs::path(file_) += ".tmp")) << fault.what;
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
