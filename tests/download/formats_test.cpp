// The formats of a download without a printer: blocks and acknowledgements,
// the packed image, the ZPL graphic, the names, routes and limits, and the
// image conversion.
#include "mdlDLBlock.h"
#include "mdlDLImage.h"
#include "mdlDLNames.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <numeric>

namespace tolvane::download {
namespace {

TEST(BlockFormat, AFileOfWholeBlocksEndsWithAnEmptyBlockAndAnEmptyFileHasNone) {
    EXPECT_EQ(BlockTotal(1024, 1024), 2);
    EXPECT_EQ(BlockTotal(2048, 1024), 3);
    EXPECT_EQ(BlockTotal(1025, 1024), 2);
    EXPECT_EQ(BlockTotal(1, 1024), 1);
    EXPECT_EQ(BlockTotal(0, 1024), 0);

    std::vector<uint8_t> block(1036, 0x77);
    BuildBlock(block, 1, {}, TBlockFormat{});
    const std::vector<uint8_t> header = {0xDD, 0xCC, 0xBB, 0xAA, 1, 0, 0, 0, 0, 0};
    EXPECT_TRUE(std::equal(header.begin(), header.end(), block.begin()));
    EXPECT_TRUE(std::all_of(block.begin() + 10, block.begin() + 1034, [](uint8_t b) { return b == 0; }));
    const uint16_t sum = Sum16(header);
    EXPECT_EQ(block[1034], sum & 0xFF);
    EXPECT_EQ(block[1035], sum >> 8);

    // A whole-block sum (the fill counted) for transfers that ask for it.
    const std::vector<uint8_t> data = {1, 2, 3};
    TBlockFormat whole{1024, 0xFF, true};
    BuildBlock(block, 0, data, whole);
    const uint16_t wholeSum = Sum16(std::span<const uint8_t>(block).first(1034));
    EXPECT_EQ(block[1034], wholeSum & 0xFF);
    EXPECT_EQ(block[1035], wholeSum >> 8);
}

TEST(BlockFormat, AcknowledgementsAreJudgedByEchoStatusAndSum) {
    std::vector<uint8_t> block(1036);
    BuildBlock(block, 7, std::vector<uint8_t>(1024, 0x5A), TBlockFormat{});
    auto ack = [&](uint16_t status, int sumDelta) {
        std::vector<uint8_t> a(block.begin(), block.begin() + 8);
        a.push_back(static_cast<uint8_t>(status & 0xFF));
        a.push_back(static_cast<uint8_t>(status >> 8));
        const uint16_t sum = static_cast<uint16_t>(Sum16(a) + sumDelta);
        a.push_back(static_cast<uint8_t>(sum & 0xFF));
        a.push_back(static_cast<uint8_t>(sum >> 8));
        return a;
    };
    struct Case {
        std::vector<uint8_t> ack;
        bool readGood;
        TAckVerdict verdict;
    };
    std::vector<uint8_t> foreign = ack(0, 0);
    foreign[4] ^= 1;
    const std::vector<Case> cases = {
        {ack(0, 0), true, TAckVerdict::Accepted},
        {ack(1, 0), true, TAckVerdict::Refused},
        {ack(0, 1), true, TAckVerdict::BadSum},
        {std::vector<uint8_t>(block.begin(), block.begin() + 11), true, TAckVerdict::Mismatch},
        {foreign, true, TAckVerdict::Mismatch},
        // A read that reported an error but delivered 12 matching bytes counts.
        {ack(1, 5), false, TAckVerdict::Accepted},
        {foreign, false, TAckVerdict::Mismatch},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(JudgeAck(block, c.ack, c.readGood), c.verdict);
    }
}

TMonoImage Filled(int width, int height) {
    TMonoImage image{width, height, {}};
    image.rows.assign(static_cast<size_t>(image.RowBytes() * height), 0xFF);
    for (int y = 0; y < height; ++y) {
        image.rows[static_cast<size_t>(y * image.RowBytes() + image.RowBytes() - 1)] &=
            static_cast<uint8_t>(0xFF << ((8 - width % 8) % 8));
    }
    return image;
}

TEST(ImageForms, PackedImageHasBandsOfEightRowsAndClearedUnusedBits) {
    const std::vector<uint8_t> packed = PackImage(Filled(100, 10));
    ASSERT_EQ(packed.size(), 4u + 13 * 16);
    EXPECT_EQ((std::vector<uint8_t>(packed.begin(), packed.begin() + 4)),
              (std::vector<uint8_t>{0x0D, 0, 0x02, 0}));
    for (int row = 0; row < 16; ++row) {
        const uint8_t last = packed[4 + static_cast<size_t>(row) * 13 + 12];
        EXPECT_EQ(last, row < 10 ? 0xF0 : 0x00) << row;
    }
}

TEST(ImageForms, ZplGraphicIsHexPairsWithSpacesAndNoLineEnd) {
    const std::string text = ZplGraphic("LOGO.GRF", Filled(100, 2));
    std::string expected = "~DGE:LOGO.GRF,26,13,";
    for (int row = 0; row < 2; ++row) {
        for (int i = 0; i < 12; ++i) {
            expected += "FF ";
        }
        expected += "F0 ";
    }
    EXPECT_EQ(text, expected);
}

TEST(ImageForms, TsplGraphicCarriesTheBmpHeaderAndWhiteBits) {
    const std::string text = TsplGraphic("A.BMP", Filled(12, 1));
    const std::string head = "DOWNLOAD E,\"A.BMP\",64,";
    ASSERT_EQ(text.substr(0, head.size()), head);
    const std::string rest = text.substr(head.size());
    ASSERT_EQ(rest.size(), 64u);
    EXPECT_EQ(rest.substr(0, 2), "BM");
    EXPECT_EQ(static_cast<uint8_t>(rest[10]), 62);
    EXPECT_EQ(static_cast<uint8_t>(rest[62]), 0x00); // black dots are 0
    EXPECT_EQ(static_cast<uint8_t>(rest[63]), 0x0F); // unused bits white
}

TEST(DownloadNames, NamesFollowTheKindThePrinterAndTheCommandSet) {
    struct Case {
        std::string file;
        TFileKind kind;
        bool direct;
        std::string ppl;
        std::string name;
    };
    const std::vector<Case> cases = {
        {"logo.bmp", TFileKind::Image, false, "ZPL", "logo.GRF"},
        {"logo.bmp", TFileKind::Image, true, "ZPL", "logo.BMP"},
        {"a.prn", TFileKind::Template, false, "TSPL", "a.tspl.prn"},
        {"a.prn", TFileKind::AutoTemplate, true, "TSPL", "a.BAS"},
        {"LABEL.prn", TFileKind::Template, false, "ZPL", "LABEL.zpl.prn"},
        {"ab", TFileKind::Image, false, "ZPL", "GRF"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DownloadName(c.file, c.kind, c.direct, c.ppl), c.name) << c.file;
    }
    EXPECT_EQ(CheckDownloadName(std::string(32, 'a')), TNameCheck::Ok);
    EXPECT_EQ(CheckDownloadName(std::string(33, 'a')), TNameCheck::TooLong);
    EXPECT_EQ(CheckDownloadName("my logo.bmp"), TNameCheck::HasSpace);
}

TEST(DownloadNames, RoutesWidthsAndMemoryNumbers) {
    EXPECT_EQ(ChooseRoute(TFileKind::Template, "Ardel", "tsc", false), TRoute::DirectTemplate);
    EXPECT_EQ(ChooseRoute(TFileKind::Template, "Ardel", "zpl", false), TRoute::BlockTransfer);
    EXPECT_EQ(ChooseRoute(TFileKind::Image, "Calder", "zpl", false), TRoute::ZplGraphic);
    EXPECT_EQ(ChooseRoute(TFileKind::Image, "Brisco", "tsc", false), TRoute::TsplGraphic);
    EXPECT_EQ(ChooseRoute(TFileKind::Image, "Calder", "epl", false), TRoute::GraphicNone);
    EXPECT_EQ(ChooseRoute(TFileKind::Image, "Kavo", "tsc", false), TRoute::PackedImage);
    EXPECT_EQ(ChooseRoute(TFileKind::Image, "Ardel", "tsc", true), TRoute::PackedImage);
    EXPECT_EQ(MaxImageWidth("300"), 1248);
    EXPECT_EQ(MaxImageWidth("600"), 864);
    EXPECT_EQ(MaxImageWidth("203"), 864);
    EXPECT_EQ(FormatSpaceNumber("2500000"), "2,500,000");
    EXPECT_EQ(FormatSpaceNumber("999"), "999");
    EXPECT_EQ(FormatSpaceNumber("12ab"), "");
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(150 * 1.5), 225);
}

TEST(ImageConversion, CapitalExtensionsConvertLikeLowerCaseAndTheScaleRounds) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "dl_convert_test";
    std::filesystem::create_directories(folder);
    TMonoImage source = Filled(21, 5);
    source.rows[0] = 0x00; // eight white dots at the top left
    ASSERT_TRUE(SaveMonoBmp((folder / "pic.BMP").string(), source));
    TMonoImage upper;
    ASSERT_EQ(ConvertImage((folder / "pic.BMP").string(), 1.0, upper), TConvertResult::Ok);
    EXPECT_EQ(upper.width, 21);
    EXPECT_EQ(upper.rows, source.rows);
    std::filesystem::copy_file((folder / "pic.BMP"), (folder / "pic.bmp"),
                               std::filesystem::copy_options::overwrite_existing);
    TMonoImage scaled;
    ASSERT_EQ(ConvertImage((folder / "pic.bmp").string(), 2.5, scaled), TConvertResult::Ok);
    EXPECT_EQ(scaled.width, 52);  // 52.5 to the even neighbour
    EXPECT_EQ(scaled.height, 12); // 12.5 likewise
    EXPECT_EQ(ConvertImage((folder / "missing.bmp").string(), 1.0, scaled), TConvertResult::Missing);
    std::filesystem::copy_file((folder / "pic.BMP"), (folder / "pic.txt"),
                               std::filesystem::copy_options::overwrite_existing);
    EXPECT_EQ(ConvertImage((folder / "pic.txt").string(), 1.0, scaled), TConvertResult::Unsupported);
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace tolvane::download
