// Any bytes as a store file: decoding never fails, encoding gives a whole
// record, and a second round trip changes nothing.
#include <cstdint>
#include <cstdlib>

#include "store/record_text.h"
#include "store/user_data_store.h"
#include "text/cp932.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kelvara;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const SettingsRecord first = DecodeRecord(bytes);
  const std::string encoded = EncodeRecord(first);
  if (encoded.size() != kRecordLength) std::abort();
  const SettingsRecord second = DecodeRecord(encoded);
  if (EncodeRecord(second) != encoded) std::abort();
  for (const StoreField& field : kStoreFields) {
    // A field never holds half a character, so its bytes decode whole.
    const std::string_view raw = std::string_view(encoded).substr(field.offset, field.width);
    if (cp932::CutAtCharacter(raw, field.width) != field.width) std::abort();
  }
  SettingsRecord trimmed = second;
  TrimTrailingSpaces(trimmed);
  if (EncodeRecord(trimmed) != encoded) std::abort();
  return 0;
}
