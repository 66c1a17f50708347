#pragma once
// Tricky profile files and what GetPrivateProfileStringW / WritePrivateProfileStringW give for them. The
// native tests run them through the simulation; the wine tests through wine's own functions as well, and
// require the same results except in the cases marked as known wine differences.

#include <ostream>
#include <string>
#include <vector>

namespace tonvel::sim::cases {

// Where the file of a case is.
enum class PLACE { File, NoFile, NoFolder };

struct PROFILE_READ_CASE {
    const char* name;
    std::string file; // the file's bytes
    std::u16string section;
    std::u16string key;
    std::u16string defaultValue;
    unsigned bufferSize;
    std::u16string expected;
    PLACE place = PLACE::File;
    // Set where wine's own reader gives another value than Windows does; says what wine gives.
    const char* wineDiffers = nullptr;
};

// Test names for failure messages instead of the case's bytes.
inline void PrintTo(const PROFILE_READ_CASE& c, std::ostream* out) {
    *out << c.name;
}

struct PROFILE_WRITE {
    std::u16string section;
    std::u16string key;
    std::u16string value;
};

struct PROFILE_READ {
    std::u16string section;
    std::u16string key;
    std::u16string expected;
};

struct PROFILE_WRITE_CASE {
    const char* name;
    std::string file;
    PLACE place;
    std::vector<PROFILE_WRITE> writes;
    bool written;                    // what every write returns
    std::vector<PROFILE_READ> reads; // afterwards, buffer 1024, default "-"
    std::string exactFile;           // when not empty, the file's bytes afterwards
    // Set where wine's own writer leaves other file bytes than Windows does (what it returns and what
    // reads back still agree); says what wine writes.
    const char* wineDiffers = nullptr;
};

inline std::string Repeat(size_t count, char first = 'a') {
    std::string text(count, 'x');
    for (size_t i = 0; i < count; ++i)
        text[i] = static_cast<char>(first + i % 26);
    return text;
}

inline std::u16string Repeat16(size_t count, char first = 'a') {
    const std::string text = Repeat(count, first);
    return std::u16string(text.begin(), text.end());
}

inline std::string Utf16File(const std::u16string& text) {
    std::string bytes = "\xFF\xFE";
    for (char16_t unit : text) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

inline std::vector<PROFILE_READ_CASE> ReadCases() {
    return {
        {"Plain", "[Install]\r\nInstallFolderName=Tonvel\r\n", u"Install", u"InstallFolderName", u"-", 1024,
         u"Tonvel"},
        {"NamesIgnoreCase", "[INSTALL]\r\ninstallfoldername=Tonvel\r\n", u"install", u"InstallFolderName",
         u"-", 1024, u"Tonvel"},
        {"BlanksAroundKeyAndValue", "[S]\r\n  Key  =   two  words   \r\n", u"S", u"Key", u"-", 1024,
         u"two  words"},
        {"TabsAroundKeyAndValue", "[S]\r\n\tKey\t=\tv\t\r\n", u"S", u"Key", u"-", 1024, u"v"},
        {"DoubleQuotes", "[S]\r\nKey=\"quoted value\"\r\n", u"S", u"Key", u"-", 1024, u"quoted value"},
        {"QuotesInsideBlanks", "[Install]\r\nInstallAppTitle = \"Tonvel Audio\"  \r\n", u"Install",
         u"InstallAppTitle", u"-", 1024, u"Tonvel Audio"},
        {"SingleQuotes", "[S]\r\nKey='x'\r\n", u"S", u"Key", u"-", 1024, u"x"},
        {"OnlyTheOuterPair", "[S]\r\nKey=\"a\" and \"b\"\r\n", u"S", u"Key", u"-", 1024, u"a\" and \"b"},
        {"MismatchedQuotes", "[S]\r\nKey=\"abc'\r\n", u"S", u"Key", u"-", 1024, u"\"abc'"},
        {"LoneQuote", "[S]\r\nKey=\"\r\n", u"S", u"Key", u"-", 1024, u"\""},
        {"EmptyQuotes", "[S]\r\nKey=\"\"\r\n", u"S", u"Key", u"-", 1024, u""},
        {"BlanksInsideQuotes", "[S]\r\nKey=\"  padded  \"\r\n", u"S", u"Key", u"-", 1024, u"  padded  "},
        {"FirstKeyWins", "[S]\r\nKey=first\r\nKEY=second\r\n", u"S", u"Key", u"-", 1024, u"first"},
        {"FirstSectionWins", "[S]\r\nA=1\r\n[s]\r\nB=2\r\n", u"S", u"B", u"-", 1024, u"-"},
        {"MissingKey", "[S]\r\nA=1\r\n", u"S", u"Key", u"def", 1024, u"def"},
        {"MissingSection", "[T]\r\nKey=1\r\n", u"S", u"Key", u"def", 1024, u"def"},
        {"KeyWithoutEquals", "[S]\r\nKey\r\n", u"S", u"Key", u"def", 1024, u"def"},
        {"EmptyValue", "[S]\r\nKey=\r\n", u"S", u"Key", u"def", 1024, u""},
        {"DefaultLosesTrailingSpaces", "[S]\r\n", u"S", u"Key", u"abc   ", 1024, u"abc"},
        {"DefaultLosesQuotes", "[S]\r\n", u"S", u"Key", u"\"q\"", 1024, u"q"},
        {"LineFeedsOnly", "[S]\nKey=v\n", u"S", u"Key", u"-", 1024, u"v"},
        {"CarriageReturnsOnly", "[S]\rKey=v\r", u"S", u"Key", u"-", 1024, u"v"},
        {"NoFinalLineBreak", "[S]\r\nKey=v", u"S", u"Key", u"-", 1024, u"v"},
        {"KeysBeforeAnySection", "Key=top\r\n[S]\r\nKey=in\r\n", u"", u"Key", u"-", 1024, u"top"},
        {"TextAfterHeader", "[S] trailing text\r\nKey=v\r\n", u"S", u"Key", u"-", 1024, u"v"},
        {"BlanksInsideBracketsStay", "[ S ]\r\nKey=v\r\n", u"S", u"Key", u"-", 1024, u"-", PLACE::File,
         "wine drops the blanks inside the brackets: \"[ S ]\" is section \"S\""},
        {"RequestedNamesTrimmed", "[S]\r\nKey=v\r\n", u"  S ", u" Key  ", u"-", 1024, u"v"},
        {"NoComments", "[S]\r\n;Key=c\r\nKey=v\r\n", u"S", u";Key", u"-", 1024, u"c"},
        {"CommentLineSkippedByName", "[S]\r\n;Key=c\r\nKey=v\r\n", u"S", u"Key", u"-", 1024, u"v"},
        {"EqualsInValue", "[S]\r\nKey=a=b\r\n", u"S", u"Key", u"-", 1024, u"a=b"},
        {"BlankLinesAndIndentedHeader", "\r\n   [S]\r\n\r\n  Key=v\r\n", u"S", u"Key", u"-", 1024, u"v"},
        {"HeaderWithoutBracket", "[S\r\nKey=v\r\n", u"S", u"Key", u"-", 1024, u"-"},
        {"ControlZIsBlank", "[S]\r\nKey=v\x1A\r\n", u"S", u"Key", u"-", 1024, u"v"},
        {"Value1022", "[S]\r\nKey=" + Repeat(1022) + "\r\n", u"S", u"Key", u"-", 1024, Repeat16(1022)},
        {"Value1023", "[S]\r\nKey=" + Repeat(1023) + "\r\n", u"S", u"Key", u"-", 1024, Repeat16(1023)},
        {"Value1024IsCut", "[S]\r\nKey=" + Repeat(1024) + "\r\n", u"S", u"Key", u"-", 1024, Repeat16(1023)},
        {"Value3000IsCut", "[S]\r\nKey=" + Repeat(3000) + "\r\n", u"S", u"Key", u"-", 1024, Repeat16(1023)},
        {"QuotedValue1022", "[S]\r\nKey=\"" + Repeat(1022) + "\"\r\n", u"S", u"Key", u"-", 1024,
         Repeat16(1022)},
        {"QuotedValue1023", "[S]\r\nKey=\"" + Repeat(1023) + "\"\r\n", u"S", u"Key", u"-", 1024,
         Repeat16(1023), PLACE::File,
         "wine cuts the value with its closing quote to the buffer before removing the quotes, so 1022 units "
         "come back"},
        {"QuotedLongValueIsCut", "[S]\r\nKey=\"" + Repeat(2000) + "\"\r\n", u"S", u"Key", u"-", 1024,
         Repeat16(1023)},
        {"SmallBuffer", "[S]\r\nKey=abcdef\r\n", u"S", u"Key", u"-", 4, u"abc"},
        {"Utf16File", Utf16File(u"[S]\r\nKey=Gr\u00fc\u00dfe \u20ac\r\n"), u"S", u"Key", u"-", 1024,
         u"Gr\u00fc\u00dfe \u20ac"},
        {"Utf16FileNamesIgnoreCase", Utf16File(u"[SECTION]\r\nKEY = \"v\"\r\n"), u"section", u"key", u"-",
         1024, u"v"},
        {"AnsiFile", "[S]\r\nKey=caf\xE9 \x80\r\n", u"S", u"Key", u"-", 1024, u"caf\u00e9 \u20ac"},
        {"Utf8MarkedFile", "\xEF\xBB\xBF[S]\r\nKey=caf\xC3\xA9\r\n", u"S", u"Key", u"-", 1024, u"caf\u00e9"},
        {"MissingFileGivesDefault", "", u"S", u"Key", u"\"q\"  ", 1024, u"q", PLACE::NoFile},
        {"MissingFolderGivesDefaultAsIs", "", u"S", u"Key", u"\"q\"  ", 1024, u"\"q\"", PLACE::NoFolder},
        {"EmptyKeyGivesDefault", "[S]\r\n=v\r\n", u"S", u"", u"def", 1024, u"def", PLACE::File,
         "wine matches the empty key name with the line \"=v\" and gives \"v\""},
    };
}

inline std::vector<PROFILE_WRITE_CASE> WriteCases() {
    return {
        {"NewFileIsAnsi",
         "",
         PLACE::NoFile,
         {{u"S", u"Key", u"v"}},
         true,
         {{u"S", u"Key", u"v"}},
         "[S]\r\nKey=v\r\n"},
        {"ReplacesAndKeepsTheRest",
         "[S]\r\nA=1\r\nKey=old\r\nB=2\r\n",
         PLACE::File,
         {{u"S", u"Key", u"new"}},
         true,
         {{u"S", u"Key", u"new"}, {u"S", u"A", u"1"}, {u"S", u"B", u"2"}},
         "[S]\r\nA=1\r\nKey=new\r\nB=2\r\n"},
        {"ReplacesRegardlessOfCase",
         "[Language]\r\nDefaultLanguage=English\r\n",
         PLACE::File,
         {{u"LANGUAGE", u"defaultlanguage", u"Deutsch"}},
         true,
         {{u"Language", u"DefaultLanguage", u"Deutsch"}},
         "[Language]\r\nDefaultLanguage=Deutsch\r\n"},
        {"NewKeyInFirstOfTwoSections",
         "[A]\r\nX=1\r\n[B]\r\nY=2\r\n",
         PLACE::File,
         {{u"A", u"Z", u"3"}},
         true,
         {{u"A", u"Z", u"3"}, {u"A", u"X", u"1"}, {u"B", u"Y", u"2"}},
         "[A]\r\nX=1\r\nZ=3\r\n[B]\r\nY=2\r\n"},
        {"NewSectionAfterUnterminatedLine",
         "[A]\r\nX=1",
         PLACE::File,
         {{u"B", u"Y", u"2"}},
         true,
         {{u"A", u"X", u"1"}, {u"B", u"Y", u"2"}},
         "[A]\r\nX=1\r\n[B]\r\nY=2\r\n"},
        {"ValueLosesLeadingBlanks",
         "",
         PLACE::NoFile,
         {{u"S", u"Key", u"   v  "}},
         true,
         {{u"S", u"Key", u"v"}},
         ""},
        {"QuotedValueReadsBackWithoutQuotes",
         "",
         PLACE::NoFile,
         {{u"S", u"Key", u"\"q\""}},
         true,
         {{u"S", u"Key", u"q"}},
         "[S]\r\nKey=\"q\"\r\n"},
        {"Utf16FileStaysUnicode",
         Utf16File(u"[S]\r\nA=1\r\n"),
         PLACE::File,
         {{u"S", u"Key", u"Gr\u00fc\u00dfe \u20ac\u4e2d"}},
         true,
         {{u"S", u"Key", u"Gr\u00fc\u00dfe \u20ac\u4e2d"}, {u"S", u"A", u"1"}},
         Utf16File(u"[S]\r\nA=1\r\nKey=Gr\u00fc\u00dfe \u20ac\u4e2d\r\n")},
        {"MissingFolderFails", "", PLACE::NoFolder, {{u"S", u"Key", u"v"}}, false, {}, ""},
        {"SeveralWrites",
         "[S]\r\nA=1\r\n",
         PLACE::File,
         {{u"S", u"A", u"2"}, {u"T", u"B", u"3"}, {u"S", u"C", u"4"}, {u"T", u"B", u"5"}},
         true,
         {{u"S", u"A", u"2"}, {u"T", u"B", u"5"}, {u"S", u"C", u"4"}},
         "[S]\r\nA=2\r\nC=4\r\n[T]\r\nB=5\r\n"},
        {"DuplicateSectionWritesTheFirst",
         "[S]\r\nA=1\r\n[S]\r\nB=2\r\n",
         PLACE::File,
         {{u"S", u"B", u"3"}},
         true,
         {{u"S", u"B", u"3"}, {u"S", u"A", u"1"}},
         "[S]\r\nA=1\r\nB=3\r\n[S]\r\nB=2\r\n"},
        {"KeepsLayoutOfOtherLines",
         "; settings\r\n[A]\r\n  X = 1 \r\n\r\n[B]\r\nY=2\r\n",
         PLACE::File,
         {{u"A", u"Z", u"3"}, {u"B", u"Y", u"4"}},
         true,
         {{u"A", u"X", u"1"}, {u"A", u"Z", u"3"}, {u"B", u"Y", u"4"}, {u"", u"; settings", u"-"}},
         "; settings\r\n[A]\r\n  X = 1 \r\nZ=3\r\n\r\n[B]\r\nY=4\r\n",
         "wine writes the whole file anew from what it read"},
        {"SameValueWritesNothingNew",
         "[S]\r\nKey=v\r\n",
         PLACE::File,
         {{u"S", u"Key", u"v"}},
         true,
         {{u"S", u"Key", u"v"}},
         "[S]\r\nKey=v\r\n"},
    };
}

} // namespace tonvel::sim::cases
