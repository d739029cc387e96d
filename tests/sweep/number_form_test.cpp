// The sweep's verdict on label texts: it must accept every text the renderings
// can produce and refuse each way a text can go wrong, or a clean sweep proves
// nothing.
#include <gtest/gtest.h>

#include "number_form.h"

namespace kestrion::sweep {
namespace {

struct FormCase {
  const char* text;
  int digits;
  bool valid;
};

class NumberForm : public testing::TestWithParam<FormCase> {};

TEST_P(NumberForm, Verdict) {
  const FormCase& c = GetParam();
  const auto problem = numberTextProblem(c.text, c.digits);
  EXPECT_EQ(!problem.has_value(), c.valid) << c.text << ": " << problem.value_or("accepted");
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NumberForm,
    testing::Values(
        // What the renderings write.
        FormCase{"0", 15, true}, FormCase{"75", 15, true}, FormCase{"-90", 15, true},
        FormCase{"28710", 15, true}, FormCase{"-19.6", 15, true}, FormCase{"0.0001", 15, true},
        FormCase{"0.333333333333333", 15, true}, FormCase{"123456789012345", 15, true},
        FormCase{"1E-05", 15, true}, FormCase{"1E+15", 15, true}, FormCase{"1.5E+20", 15, true},
        FormCase{"0.7", 7, true}, FormCase{"12.3", 7, true}, FormCase{"1234567", 7, true},
        // What they never write.
        FormCase{"", 15, false}, FormCase{"-0", 15, false}, FormCase{"-0.0", 15, false},
        FormCase{"0.0", 15, false}, FormCase{"1.0", 15, false}, FormCase{"1.", 15, false},
        FormCase{".5", 15, false}, FormCase{"05", 15, false}, FormCase{"+5", 15, false},
        FormCase{" 5", 15, false}, FormCase{"5 ", 15, false}, FormCase{"1,5", 15, false},
        FormCase{"1e-05", 15, false}, FormCase{"1E-5", 15, false}, FormCase{"10E+15", 15, false},
        FormCase{"1E+05", 15, false},    // positional up to 10^14
        FormCase{"0.00001", 15, false},  // exponent form below 10^-4
        FormCase{"1234567890123456", 15, false}, FormCase{"0.1234567890123456", 15, false},
        FormCase{"12345678", 7, false}, FormCase{"0.69999999", 7, false},
        FormCase{"0.699999988079071", 15, true}, FormCase{"nan", 15, false},
        FormCase{"inf", 15, false}, FormCase{"Text1", 15, false}));

TEST(Decimals, CountsDigitsAfterThePoint) {
  EXPECT_EQ(decimals("12"), 0);
  EXPECT_EQ(decimals("-19.6"), 1);
  EXPECT_EQ(decimals("197.19"), 2);
  EXPECT_EQ(decimals("1.5E+20"), 1);
}

}  // namespace
}  // namespace kestrion::sweep
