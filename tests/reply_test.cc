#include "console/reply.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <string>

namespace ausweich {
namespace {

constexpr std::string_view kNumber = "invalid number: incomprehensible list input";
constexpr std::string_view kInteger = "invalid integer: read unexpected character";
constexpr std::string_view kRepeat = "bad repetition count: incomprehensible list input";
constexpr std::string_view kExponent = "exponent field: incomprehensible list input";
constexpr std::string_view kListIn = "list in: end of file";

Conversion convert(std::string_view typed) {
  std::array<char, kReplyWidth> field;
  field.fill(' ');
  typed.copy(field.data(), field.size());
  return convert_reply(field);
}

struct Valued {
  std::string_view typed;
  std::int32_t value;
};

TEST(ReplyTest, ReadsIntegersInFreeForm) {
  const Valued cases[] = {
      {"2", 2},
      {"  2", 2},
      {"\t2", 2},
      {"+2", 2},
      {"02", 2},
      {"2x", 2},
      {"2 5", 2},
      {"2,5", 2},
      {"2/", 2},
      {"2q", 2},
      {"-1", -1},
      {"0", 0},
      {"00", 0},
      {"+0", 0},
      {"-0", 0},
      {"12345678", 12345678},
      {"-1234567", -1234567},
      {"2\r", 2},
      {std::string_view("2\0", 2), 2},
      {"7\xfc", 7},
      // A repeat count in front of the value.
      {"3*2", 2},
      {"+2*3", 3},
      {"3*-2", -2},
      {"3*1+2", 100},
      {"3*2*4", 2},
      // A decimal exponent after the digits, cut toward zero.
      {"1+2", 100},
      {"12-1", 1},
      {"19-1", 1},
      {"5-1", 0},
      {"-5-1", 0},
      {"0+99", 0},
      {"1+2x", 100},
      {"1+2.5", 100},
      {"3+1*2", 30},
      {"2+9", 2000000000},
      {"-2+9", -2000000000},
      {"21+8", 2100000000},
      {"9-999999", 0},
      // Outside the 32-bit range: the most negative value, never an answer.
      {"3+9", INT32_MIN},
      {"-3+9", INT32_MIN},
      {"22+8", INT32_MIN},
      {"1+999999", INT32_MIN},
  };
  for (const Valued& c : cases) {
    const Conversion r = convert(c.typed);
    EXPECT_EQ(r.kind, Conversion::Kind::kValue) << '"' << c.typed << '"';
    EXPECT_EQ(r.value, c.value) << '"' << c.typed << '"';
  }
}

TEST(ReplyTest, CommaSlashAndEmptyRepeatGiveNoValue) {
  for (std::string_view typed :
       {",", "/", "  ,", "+,", "-/", "3*", "3* 5", "3*,5", "3*/", "3*\t1", "3*-,"}) {
    EXPECT_EQ(convert(typed).kind, Conversion::Kind::kNoValue) << '"' << typed << '"';
  }
}

struct Failing {
  std::string_view typed;
  std::string_view diagnostic;
};

TEST(ReplyTest, UnreadableRepliesFailWithTheirReason) {
  const Failing cases[] = {
      {"x", kNumber},     {"-", kNumber},      {"+", kNumber},    {"- 1", kNumber},
      {"\"2\"", kNumber}, {"e5", kNumber},     {"3*x", kNumber},  {"3**", kNumber},
      {"2.0", kInteger},  {"2.", kInteger},    {".5", kInteger},  {"-.5", kInteger},
      {"+.", kInteger},   {"1e1", kInteger},   {"1E1", kInteger}, {"4d", kInteger},
      {"4D2", kInteger},  {"3*2.5", kInteger}, {"*2", kRepeat},   {"+*2", kRepeat},
      {"0*3", kRepeat},   {"-2*3", kRepeat},   {"1+", kExponent}, {"1+x", kExponent},
      {"1-", kExponent},  {"3*1+", kExponent}, {"\t", kListIn},   {" \t  \t ", kListIn},
  };
  for (const Failing& c : cases) {
    const Conversion r = convert(c.typed);
    EXPECT_EQ(r.kind, Conversion::Kind::kFailure) << '"' << c.typed << '"';
    EXPECT_EQ(r.diagnostic, c.diagnostic) << '"' << c.typed << '"';
  }
  // A NUL after a repeat count is a character that starts no number, not the
  // end of the reply.
  const Conversion nul = convert(std::string_view("3*\0", 3));
  EXPECT_EQ(nul.kind, Conversion::Kind::kFailure);
  EXPECT_EQ(nul.diagnostic, kNumber);
}

}  // namespace
}  // namespace ausweich
