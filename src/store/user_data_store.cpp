#include "store/user_data_store.h"

#include "text/cp932.h"

namespace kelvara {

#define KELVARA_FIELD(name, offset, width) \
  StoreField { #name, offset, width, &SettingsRecord::name }

const std::array<StoreField, 31> kStoreFields = {{
    KELVARA_FIELD(WTop, 0, 6),        KELVARA_FIELD(WLeft, 6, 8),
    KELVARA_FIELD(AllClor, 14, 30),   KELVARA_FIELD(DATEClor, 44, 30),
    KELVARA_FIELD(TimeClor, 74, 30),  KELVARA_FIELD(CClor, 104, 30),
    KELVARA_FIELD(RClor, 134, 30),    KELVARA_FIELD(DClor, 164, 30),
    KELVARA_FIELD(DSClor, 194, 30),   KELVARA_FIELD(CVw, 224, 6),
    KELVARA_FIELD(MVw, 230, 6),       KELVARA_FIELD(ClFntN, 236, 30),
    KELVARA_FIELD(ClFntSt, 266, 20),  KELVARA_FIELD(ClSW, 286, 20),
    KELVARA_FIELD(BClor, 306, 30),    KELVARA_FIELD(MClor, 336, 30),
    KELVARA_FIELD(HClor, 366, 30),    KELVARA_FIELD(SClor, 396, 30),
    KELVARA_FIELD(ClImage, 426, 280), KELVARA_FIELD(CpuImg, 706, 280),
    KELVARA_FIELD(MemImg, 986, 280),  KELVARA_FIELD(DscImg, 1266, 280),
    KELVARA_FIELD(DspImg, 1546, 280), KELVARA_FIELD(FSize, 1826, 4),
    KELVARA_FIELD(MAgeVw, 1830, 6),   KELVARA_FIELD(PFVw, 1836, 6),
    KELVARA_FIELD(PFImg, 1842, 280),  KELVARA_FIELD(PClor, 2122, 30),
    KELVARA_FIELD(MAClor, 2152, 30),  KELVARA_FIELD(RTUl, 2182, 6),
    KELVARA_FIELD(PFUl, 2188, 6),
}};

#undef KELVARA_FIELD

std::string EncodeRecord(const SettingsRecord& record) {
  std::string bytes(kRecordLength, ' ');
  for (const StoreField& field : kStoreFields) {
    const std::string encoded = cp932::FromUtf8(record.*field.member);
    const std::size_t length = cp932::CutAtCharacter(encoded, field.width);
    bytes.replace(field.offset, length, encoded, 0, length);
  }
  return bytes;
}

SettingsRecord DecodeRecord(std::string_view bytes) {
  SettingsRecord record;
  for (const StoreField& field : kStoreFields) {
    std::string raw(field.width, ' ');
    if (field.offset < bytes.size()) {
      const std::string_view present = bytes.substr(field.offset, field.width);
      raw.replace(0, present.size(), present);
    }
    record.*field.member = cp932::ToUtf8(raw);
  }
  return record;
}

int CountRecords(std::uint64_t file_length) {
  std::uint64_t quotient = file_length / kRecordLength;
  const std::uint64_t twice_remainder = 2 * (file_length % kRecordLength);
  if (twice_remainder > kRecordLength || (twice_remainder == kRecordLength && quotient % 2 == 1)) {
    ++quotient;
  }
  constexpr std::uint64_t kMost = 0x7FFFFFFF;
  return static_cast<int>(quotient < kMost ? quotient : kMost);
}

}  // namespace kelvara
