// Byte layout of the flat reference tables "ausland.dat" (international dialling
// codes) and "blz.dat" (bank sort codes), both in the index archive. Integers
// little-endian; texts Windows-1252, zero-terminated within their fields.
//
//   0   4                    int32 record count
//   4   count * record size  records
//
// Country record (43 bytes):      Bank record (105 bytes):
//   0   8   dialling code           0   9   sort code, eight digits
//   8   3   short country mark      9   60  bank name
//   11  32  country name            69  6   postal code, five digits
//                                   75  30  town
#pragma once

#include <cstddef>

namespace vendarion::reference_table_format {

struct Field {
    std::size_t offset;
    std::size_t width;
};

inline constexpr char kCountriesMember[] = "ausland.dat";
inline constexpr std::size_t kCountrySize = 43;
inline constexpr Field kCountryCode = {0, 8};
inline constexpr Field kCountryMark = {8, 3};
inline constexpr Field kCountryName = {11, 32};

inline constexpr char kBanksMember[] = "blz.dat";
inline constexpr std::size_t kBankSize = 105;
inline constexpr Field kBankCode = {0, 9};
inline constexpr Field kBankName = {9, 60};
inline constexpr Field kBankPostalCode = {69, 6};
inline constexpr Field kBankTown = {75, 30};

inline constexpr std::size_t kHeaderSize = 4;

}  // namespace vendarion::reference_table_format
