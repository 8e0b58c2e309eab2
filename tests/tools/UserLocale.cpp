// The desktop program runs with the user's C locale until SetFormatDefaults
// (QApplication sets it from the environment), and the logic must not care.
// So this test program takes the user's locale too; ctest runs it once more
// with LC_ALL=de_DE.UTF-8, where the C library's decimal separator is ",".

#include <clocale>

namespace {
[[maybe_unused]] const bool kUserLocale = std::setlocale(LC_ALL, "") != nullptr;
}
