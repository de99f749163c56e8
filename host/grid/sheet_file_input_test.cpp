// Sheet files as people's editors save them: with a UTF-8 byte-order mark, or with lone CR
// line ends.
#include <gtest/gtest.h>

#include "sheet_file.h"

namespace {

std::string sampleFile() {
    SheetModel sheet;
    sheet.setMaxCols(2);
    sheet.setMaxRows(2);
    sheet.setData(1, 1, "line\r\nbreak");
    sheet.setFormula(2, 2, "=1+1", FormulaSetMode::Strict);
    return SheetFile::write(sheet);
}

std::string loneCarriageReturns(const std::string& crlf) {
    std::string out;
    for (std::size_t i = 0; i < crlf.size(); ++i)
        if (!(crlf[i] == '\r' && i + 1 < crlf.size() && crlf[i + 1] == '\n'))
            out += crlf[i];
        else
            out += '\r', ++i;
    return out;
}

TEST(SheetFileInput, ByteOrderMarkAndLoneCarriageReturnsReadAsThePlainFile) {
    const std::string plain = sampleFile();
    for (const std::string& text : {"\xEF\xBB\xBF" + plain, loneCarriageReturns(plain)}) {
        EXPECT_TRUE(SheetFile::looksLikeSheetFile(text));
        std::string error;
        const std::unique_ptr<SheetModel> sheet = SheetFile::read(text, error);
        ASSERT_TRUE(sheet) << error;
        EXPECT_EQ(sheet->dataText(1, 1), "line\r\nbreak");
        EXPECT_EQ(SheetFile::write(*sheet), plain);
    }
}

TEST(SheetFileInput, AnUnknownKeywordIsQuotedShortAndEscaped) {
    std::string text = sampleFile();
    text.insert(text.find("end "), "\x1B]0;title\x07" + std::string(5000, 'k') + "\r\n");
    std::string error;
    EXPECT_FALSE(SheetFile::read(text, error));
    EXPECT_NE(error.find("unknown keyword '\\x1B]0;title\\x07" + std::string(30, 'k') + "...'"),
              std::string::npos)
        << error;
}

}  // namespace
