// FormatError: library texts in English and Chinese, system texts, offsets
// in bytes, and the buffer-size rule.
#include "cobrix.h"

#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <vector>

namespace {

std::u16string format(int code, int language, int* result = nullptr) {
    char16_t buffer[512];
    const int r = FormatError(code, language, buffer, 0, sizeof(buffer));
    if (result != nullptr) {
        *result = r;
    }
    return r == 0 ? std::u16string(buffer) : std::u16string();
}

TEST(FormatError, LibraryTextsTable) {
    struct Case {
        int code;
        int language;
        std::u16string text;
    };
    const Case cases[] = {
        {0, 9, u"The operation completed successfully."},
        {-6, 4, u"指定句柄发生错误。请确认句柄值是否正确和句柄是否被关闭！"},
        {-6, 0x804,
         u"The handle value specified is incorrect. Please confirm the handle value is initialed "
         u"correctly and not been destroied."},
        {-309, 9, u"IO port not open.\nPlease open the IO port."},
        {-309, 4, u"IO错误：端口未打开。\n请先打开端口！"},
        {-1103, 9, u"LIBUSB：IO Access Error. Please confirm have assigned access right."},
        {-9999, 9, u"Printer Unknown Error!"},
        {-9999, 4, u"未知错误!"},
        {-353, 9, u"Printer Unknown Error!"},
        {-356, 4, u"未知错误!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        int result = -1;
        EXPECT_EQ(format(c.code, c.language, &result), c.text);
        EXPECT_EQ(result, 0);
    }
}

TEST(FormatError, LanguageZeroFollowsTheLocale) {
    const char* saved = std::getenv("LC_ALL");
    const std::string keep = saved != nullptr ? saved : "";
    setenv("LC_ALL", "zh_CN.UTF-8", 1);
    EXPECT_EQ(format(-2, 0), u"缓存不足。请增加缓存大小！");
    setenv("LC_ALL", "en_US.UTF-8", 1);
    EXPECT_EQ(format(-2, 0), u"There is not enough buffer. Please enlarge the buffer size.");
    if (saved != nullptr) {
        setenv("LC_ALL", keep.c_str(), 1);
    } else {
        unsetenv("LC_ALL");
    }
}

TEST(FormatError, SystemCodes) {
    for (int code : {2, 5, 10054, 10060, 10061, 10065}) {
        SCOPED_TRACE(code);
        int result = -1;
        EXPECT_FALSE(format(code, 0, &result).empty());
        EXPECT_EQ(result, 0);
    }
    int result = 0;
    format(987654, 0, &result);
    EXPECT_EQ(result, 317) << "no message for that code";
}

TEST(FormatError, OffsetsAndSizesAreBytes) {
    const std::u16string expected = u"IO invalid handle.";
    const int bytes = static_cast<int>(expected.size() * 2);
    std::vector<unsigned char> buffer(256, 0xEE);
    auto* area = reinterpret_cast<char16_t*>(buffer.data());

    ASSERT_EQ(FormatError(-308, 9, area, 6, 6 + bytes), 0) << "exactly fits without a terminator";
    EXPECT_EQ(buffer[5], 0xEE) << "nothing before the offset is touched";
    std::u16string got(expected.size(), u'\0');
    std::memcpy(got.data(), buffer.data() + 6, static_cast<size_t>(bytes));
    EXPECT_EQ(got, expected);
    EXPECT_EQ(buffer[6 + static_cast<size_t>(bytes)], 0xEE) << "nothing past the size is touched";

    std::fill(buffer.begin(), buffer.end(), 0xEE);
    EXPECT_EQ(FormatError(-308, 9, area, 3, 3 + bytes + 1), 0) << "odd offsets work too";
    EXPECT_EQ(FormatError(-308, 9, area, 6, 6 + bytes - 2), -2);
    EXPECT_EQ(buffer[6], 0) << "the area is cleared even when the text does not fit";
    EXPECT_EQ(FormatError(-308, 9, area, 0, 0), -2);
    EXPECT_EQ(FormatError(-308, 9, nullptr, 0, 100), -1);
    EXPECT_EQ(FormatError(-308, 9, area, 10, 4), -1);
    EXPECT_EQ(FormatError(-308, 9, area, -2, 100), -1);
}

TEST(FormatError, SafeFromManyThreads) {
    std::vector<std::thread> threads;
    std::vector<int> mismatches(4, 0);
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([t, &mismatches] {
            const int code = t % 2 == 0 ? -301 : -332;
            const std::u16string expected = format(code, t < 2 ? 9 : 4);
            for (int i = 0; i < 2000; ++i) {
                if (format(code, t < 2 ? 9 : 4) != expected) {
                    ++mismatches[static_cast<size_t>(t)];
                }
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(mismatches, std::vector<int>(4, 0));
}

} // namespace
