// Building the reference tables and the tips text.
//
// ausland.dat (index archive): int32 count; 43-byte records: dialling code[8],
//   country mark[3], country name[32], zero-terminated texts.
// blz.dat (index archive): int32 count; 105-byte records: sort code[9], bank
//   name[60], postal code[6], town[30], zero-terminated texts.
// phonetic.dat (code archive): int32 n; n entries of 12 bytes (code[6]
//   zero-terminated, int32 index of the first id, int16 id count), ascending by code
//   bytes; then the int32 ids (surname word number + 1), ascending within an entry.
// TipsAndTricks.txt (list archive): the tip count in decimal, then one tip per line,
//   lines ended by CR LF.
#pragma once

#include <string>
#include <vector>

#include "dictionary_writer.h"
#include "source_data.h"

namespace vendarion::mkdata {

// An entry of phonetic.dat holds at most this many surnames.
inline constexpr std::size_t kMaxPhoneticIds = 32767;

std::string BuildCountries(const std::vector<Country>& countries);
std::string BuildBanks(const std::vector<Bank>& banks);
// Every surname under its phonetic code cut to five letters. A code shared by more
// than kMaxPhoneticIds surnames keeps the lowest word numbers; warnings then receives
// one line per such code.
std::string BuildPhonetic(const SortedWords& surnames, std::vector<std::string>* warnings);
std::string BuildTips(const std::vector<std::string>& tips);

}  // namespace vendarion::mkdata
