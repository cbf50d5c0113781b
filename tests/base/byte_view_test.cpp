#include "base/byte_view.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace vendarion {
namespace {

TEST(ByteView, ReadsLittleAndBigEndianInsideTheView) {
    const std::uint8_t bytes[] = {0x01, 0x02, 0x03, 0x04, 0xFF};
    const ByteView view(bytes, sizeof bytes);
    std::uint32_t u32 = 0;
    std::int32_t i32 = 0;
    std::uint16_t u16 = 0;
    std::int16_t i16 = 0;
    ASSERT_TRUE(view.U32(0, &u32));
    EXPECT_EQ(u32, 0x04030201u);
    ASSERT_TRUE(view.U32BigEndian(0, &u32));
    EXPECT_EQ(u32, 0x01020304u);
    ASSERT_TRUE(view.U24(1, &u32));
    EXPECT_EQ(u32, 0x040302u);
    ASSERT_TRUE(view.U24BigEndian(2, &u32));
    EXPECT_EQ(u32, 0x0304FFu);
    ASSERT_TRUE(view.U16(3, &u16));
    EXPECT_EQ(u16, 0xFF04u);
    ASSERT_TRUE(view.I16(3, &i16));
    EXPECT_EQ(i16, static_cast<std::int16_t>(0xFF04));
    ASSERT_TRUE(view.I32(1, &i32));
    EXPECT_EQ(i32, static_cast<std::int32_t>(0xFF040302u));
}

TEST(ByteView, RefusesEveryReadThatReachesPastTheEnd) {
    const std::uint8_t bytes[] = {1, 2, 3, 4};
    const ByteView view(bytes, sizeof bytes);
    std::uint32_t u32 = 7;
    std::uint8_t u8 = 7;
    EXPECT_FALSE(view.U32(1, &u32));
    EXPECT_FALSE(view.U24(2, &u32));
    EXPECT_FALSE(view.U8(4, &u8));
    EXPECT_FALSE(view.U32(std::numeric_limits<std::uint64_t>::max() - 1, &u32));
    EXPECT_EQ(u32, 7u);
    EXPECT_TRUE(view.Contains(4, 0));
    EXPECT_FALSE(view.Contains(5, 0));
    EXPECT_FALSE(view.Contains(1, std::numeric_limits<std::uint64_t>::max()));
    EXPECT_EQ(view.Sub(2, 3).data(), nullptr);
    EXPECT_EQ(view.Sub(2, 2).size(), 2u);
    EXPECT_FALSE(ByteView().U8(0, &u8));
}

TEST(ByteView, CStringStopsAtZeroWidthOrEnd) {
    const char text[] = {'a', 'b', 0, 'c', 'd', 'e'};
    const ByteView view(std::string_view(text, sizeof text));
    EXPECT_EQ(view.CString(0, 10), "ab");
    EXPECT_EQ(view.CString(3, 2), "cd");
    EXPECT_EQ(view.CString(3, 10), "cde");
    EXPECT_EQ(view.CString(6, 10), "");
    EXPECT_EQ(view.CString(60, 10), "");
}

}  // namespace
}  // namespace vendarion
