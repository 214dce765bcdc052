// SPDX-License-Identifier: GPL-3.0-or-later
#include "AtomicFile.h"
#include "PathText.h"
#include "ProfileFile.h"
#include "TestSupport.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <vector>

namespace {

CProfileFile Parsed(std::string_view bytes)
{
    CProfileFile file;
    file.Parse(bytes);
    return file;
}

std::string Written(std::string_view bytes, std::string_view section, std::string_view key, std::string_view value)
{
    CProfileFile file = Parsed(bytes);
    file.WriteString(section, key, value);
    return file.Serialize();
}

std::vector<std::string> FolderEntries(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(FsPath(folder)))
        names.push_back(Utf8Of(entry.path().filename()));
    return names;
}

} // namespace

TEST(ProfileFileRead, NamesMatchWithoutCaseFirstOneWins)
{
    const CProfileFile file = Parsed("[basic]\nPHONETYPE=A\nphonetype=B\n[BASIC]\nVers=9\n"
                                     "  [ Dial\xC4 ]  \nKey\t =x\n");
    EXPECT_EQ(file.GetString("Basic", "PhoneType"), "A");
    EXPECT_EQ(file.GetString("Basic", "Vers"), ""); // only the first [basic] counts
    EXPECT_EQ(file.GetString("DIAL\xC4", "key"), "x");  // non-ASCII bytes are not folded
    EXPECT_EQ(file.GetString("dial\xE4", "key"), "");
    EXPECT_EQ(file.GetString("Missing", "PhoneType"), "");
    EXPECT_EQ(file.GetString("Basic", "Missing"), "");
}

TEST(ProfileFileRead, ValueIsTheBytesAfterTheFirstEqualsCutTo29)
{
    const CProfileFile file = Parsed("Lost=before any section\n[S]\nPayStr= DM  \na=b=c\n"
                                     "Name=M\xFCller \x80\r\nLong=1234567890123456789012345678901\n"
                                     "; comment=x\r\nEnd=last line without LF\r");
    EXPECT_EQ(file.GetString("S", "PayStr"), " DM  ");
    EXPECT_EQ(file.GetString("S", "a"), "b=c");
    EXPECT_EQ(file.GetString("S", "Name"), "M\xFCller \x80");
    EXPECT_EQ(file.GetString("S", "Long"), "12345678901234567890123456789");
    EXPECT_EQ(file.GetString("S", "End"), "last line without LF");
    EXPECT_EQ(file.GetString("S", "Lost"), "");
}

TEST(ProfileFileWrite, UntouchedContentComesBackWithCrLf)
{
    const std::string lf = "junk\n\n[A]\n; note\n x = 1 \nno equals sign\n[A]\nx=2\n  \n[\xC4]\nv=\xE4\x80";
    const std::string crlf = "junk\r\n\r\n[A]\r\n; note\r\n x = 1 \r\nno equals sign\r\n[A]\r\nx=2\r\n  \r\n"
                             "[\xC4]\r\nv=\xE4\x80\r\n";
    EXPECT_EQ(Parsed(lf).Serialize(), crlf);
    EXPECT_EQ(Parsed(crlf).Serialize(), crlf);
    EXPECT_EQ(Parsed("").Serialize(), "");
}

TEST(ProfileFileWrite, ExistingKeyIsReplacedInPlace)
{
    const std::string before = "[a]\r\n phoneType = old\r\nx=1\r\n[A]\r\nPhoneType=2nd\r\n";
    EXPECT_EQ(Written(before, "A", "PHONETYPE", " DM "),
              "[a]\r\n phoneType = DM \r\nx=1\r\n[A]\r\nPhoneType=2nd\r\n");
    EXPECT_EQ(Written(before, "a", "x", ""), "[a]\r\n phoneType = old\r\nx=\r\n[A]\r\nPhoneType=2nd\r\n");
}

TEST(ProfileFileWrite, MissingKeyGoesAfterTheLastNonBlankLineOfItsSection)
{
    CProfileFile file = Parsed("[A]\nx=1\n\n;c\n\t\n\n[B]\ny=2\n\n");
    file.WriteString("a", "z", "3");
    file.WriteString("A", "w", "4");
    file.WriteString("A", "X", "5");
    file.WriteString("b", "y", "6");
    file.WriteString("B", "n", "7");
    EXPECT_EQ(file.Serialize(), "[A]\r\nx=5\r\n\r\n;c\r\nz=3\r\nw=4\r\n\t\r\n\r\n[B]\r\ny=6\r\nn=7\r\n\r\n");
    EXPECT_EQ(file.GetString("A", "Z"), "3");
    EXPECT_EQ(file.GetString("a", "W"), "4");
    EXPECT_EQ(Written("[A]\r\n\r\n", "A", "k", "v"), "[A]\r\nk=v\r\n\r\n");
}

TEST(ProfileFileWrite, MissingSectionGoesToTheEndWithoutBlankLine)
{
    EXPECT_EQ(Written("", "Basic", "Vers", "1100"), "[Basic]\r\nVers=1100\r\n");
    EXPECT_EQ(Written("x\n[A]\nk=1\n\n", "B", "k", "2"), "x\r\n[A]\r\nk=1\r\n\r\n[B]\r\nk=2\r\n");
    CProfileFile file = Parsed("[A]\nk=1");
    file.WriteString("B", "k", "2");
    file.WriteString("b", "m", "3");
    EXPECT_EQ(file.Serialize(), "[A]\r\nk=1\r\n[B]\r\nk=2\r\nm=3\r\n");
}

// fwload's names end in a blank ("COM "): a key added under such a name is
// the same key for the next lookup and the next write, not a second line.
TEST(ProfileFileWrite, AddedKeyWithBlanksIsFoundAndReplacedAgain)
{
    CProfileFile file = Parsed("[Download]\r\nActive =1\r\n");
    file.WriteString("Download", "COM ", "2");
    file.WriteString("New", " Q38 ", "x");
    EXPECT_EQ(file.GetFullString("Download", "COM "), "2");
    EXPECT_EQ(file.GetFullString("download", "com"), "2");
    EXPECT_EQ(file.GetFullString("New", "Q38"), "x");
    file.WriteString("Download", "COM", "3");
    file.WriteString("New", "Q38 ", "y");
    EXPECT_EQ(file.Serialize(), "[Download]\r\nActive =1\r\nCOM =3\r\n[New]\r\n Q38 =y\r\n");
}

TEST(ProfileFileWrite, WholeDocumentWrittenKeyByKeyReadsBackAndRewritesIdentically)
{
    const auto fill = [](CProfileFile& file, int round) {
        for (int s = 0; s < 280; ++s)
            for (int k = 0; k < 4; ++k)
                file.WriteString("Sec_" + std::to_string(s), "Key" + std::to_string(k),
                                 "v" + std::to_string(s * 4 + k + round));
    };
    CProfileFile file;
    fill(file, 0);
    const std::string first = file.Serialize();
    CProfileFile reread = Parsed(first);
    EXPECT_EQ(reread.GetString("SEC_279", "key3"), "v1119");
    fill(reread, 1);
    fill(reread, 0);
    EXPECT_EQ(reread.Serialize(), first);
}





TEST(AtomicFile, SaveReplacesTheFileAndLeavesNoTemporaryFile)
{
    TempDir dir;
    const std::string path = dir.File("doc.mv8");
    WriteFileBytes(path, "[Old]\r\n");
    std::string error = "stale";
    ASSERT_TRUE(WriteFileAtomically(path, "new", error));
    EXPECT_EQ(error, "");
    EXPECT_EQ(ReadFileBytes(path), "new");
    EXPECT_EQ(FolderEntries(dir.Path()), std::vector<std::string>{"doc.mv8"});
}

// Names are UTF-8 on every platform; Windows would take a narrow name in its code page.
TEST(AtomicFile, NamesOutsideAsciiAreKeptAsTheyAre)
{
    TempDir dir;
    const std::string name = "T\xC3\xBCr \xC3\x9F \xE2\x82\xAC.mv8"; // "Tür ß €.mv8"
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(dir.File(name), "x", error)) << error;
    ASSERT_TRUE(CheckSavable(dir.File(name), error)) << error;
    EXPECT_EQ(FolderEntries(dir.Path()), std::vector<std::string>{name});
    std::string bytes;
    EXPECT_EQ(ReadWholeFile(dir.File(name), bytes, error), ReadStatus::Read) << error;
    EXPECT_EQ(bytes, "x");
}

TEST(AtomicFile, FailedSaveLeavesNoTemporaryFile)
{
    TempDir dir;
    std::string error;
    EXPECT_FALSE(WriteFileAtomically(dir.File("none/doc.mv8"), "x", error));
    EXPECT_EQ(error, "Die Datei \"" + dir.File("none/doc.mv8") +
                         "\" kann nicht gespeichert werden: Datei oder Ordner nicht vorhanden.");
    EXPECT_FALSE(CheckSavable(dir.File("none/doc.mv8"), error));
    EXPECT_FALSE(WriteFileAtomically(dir.Path(), "x", error));
    EXPECT_NE(error.find("das ist ein Ordner"), std::string::npos) << error;
    EXPECT_TRUE(FolderEntries(dir.Path()).empty());
}

TEST(AtomicFile, ReadWholeFileTellsMissingFromFailed)
{
    TempDir dir;
    std::string bytes = "stale";
    std::string error;
    EXPECT_EQ(ReadWholeFile(dir.File("none"), bytes, error), ReadStatus::Missing);
    EXPECT_EQ(bytes, "");
    EXPECT_EQ(ReadWholeFile(dir.Path(), bytes, error), ReadStatus::Failed);
    EXPECT_EQ(error, "Die Datei \"" + dir.Path() + "\" kann nicht gelesen werden: das ist ein Ordner.");
    WriteFileBytes(dir.File("f"), "12345");
    EXPECT_EQ(ReadWholeFile(dir.File("f"), bytes, error, 5), ReadStatus::Read);
    EXPECT_EQ(bytes, "12345");
    EXPECT_EQ(ReadWholeFile(dir.File("f"), bytes, error, 4), ReadStatus::Failed);
    EXPECT_NE(error.find("ist zu groß (mehr als 4 Bytes)"), std::string::npos) << error;
}

TEST(ProfileFileDisk, LoadAndSave)
{
    TempDir dir;
    const std::string path = dir.File("doc.mv8");
    CProfileFile file;
    std::string error;
    EXPECT_EQ(file.Load(path, error), CProfileFile::LoadStatus::Missing);
    file.WriteString("Basic", "PayStr", " DM");
    ASSERT_TRUE(file.Save(path, error)) << error;
    EXPECT_EQ(ReadFileBytes(path), "[Basic]\r\nPayStr= DM\r\n");

    WriteFileBytes(path, "[Foo]\nBar=1\n");
    ASSERT_EQ(file.Load(path, error), CProfileFile::LoadStatus::Loaded);
    EXPECT_EQ(file.GetString("Basic", "PayStr"), "");
    EXPECT_EQ(file.GetString("foo", "bar"), "1");

    std::filesystem::resize_file(FsPath(path), (16 << 20) + 1); // sparse, so cheap
    EXPECT_EQ(file.Load(path, error), CProfileFile::LoadStatus::Failed);
    EXPECT_EQ(error, "Die Datei \"" + path + "\" kann nicht gelesen werden: sie ist zu groß (mehr als 16 MiB).");
    EXPECT_EQ(file.Serialize(), "");
    EXPECT_EQ(file.Load(dir.Path(), error), CProfileFile::LoadStatus::Failed);
}
