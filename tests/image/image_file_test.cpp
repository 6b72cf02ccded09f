#include "image/image_file.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

#include "image/image_buffer.h"
#include "tests/support/image_contents.h"
#include "tests/support/recording_host.h"

namespace {

using Events = std::vector<std::string>;

class ImageFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(AllocateImageBuffer(), nullptr);
        g_dwLastOffset = 0;
        g_strImagePath = "former.bin";
    }
    void TearDown() override {
        SetGlobalLockFails(false);
        EXPECT_EQ(GlobalLockCount(g_hImage), 0) << "every lock is unlocked exactly once";
        ReleaseImageBuffer();
        g_dwLastOffset = 0;
        g_strImagePath.clear();
    }

    static std::vector<BYTE> Pattern(std::size_t nBytes, BYTE bySeed) {
        std::vector<BYTE> bytes(nBytes);
        for (std::size_t i = 0; i < nBytes; ++i) {
            bytes[i] = static_cast<BYTE>(i * 7 + bySeed);
        }
        return bytes;
    }
    std::string WriteFile(const std::string& strName, const std::vector<BYTE>& bytes) {
        const std::string strPath = m_strDir + "/" + strName;
        std::ofstream(strPath, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return strPath;
    }
    static std::vector<BYTE> ReadFile(const std::string& strPath) {
        std::ifstream file(strPath, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }

    CTempDir m_tempDir;
    const std::string m_strDir = m_tempDir.Path().string();
    CRecordingHost m_host;
};

TEST_F(ImageFileTest, LoadsFilesOfUpTo64KiB) {
    const struct {
        std::size_t nBytes;
        DWORD dwLastOffset;
    } cases[] = {{0, 0}, {1, 0}, {2, 1}, {65535, 0xFFFE}, {65536, 0xFFFF}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nBytes);
        FillImage(Pattern(0x10000, 0x55));
        const std::vector<BYTE> bytes = Pattern(c.nBytes, 3);
        const std::string strPath = WriteFile("image.bin", bytes);
        m_host.Clear();

        EXPECT_EQ(LoadImageFile(strPath, m_host, &m_host), ImageOpenResult::Loaded);

        EXPECT_EQ(g_dwLastOffset, c.dwLastOffset);
        EXPECT_EQ(g_strImagePath, strPath);
        EXPECT_EQ(ImageBytes(c.nBytes), bytes);
        if (c.nBytes < 0x10000) {
            EXPECT_EQ(ImageBytes(c.nBytes + 1).back(), Pattern(0x10000, 0x55)[c.nBytes])
                << "bytes beyond the file keep their old values";
        }
        EXPECT_EQ(m_host.Events(), (Events{"wait on", "wait off",
                                           "SetStatusText: " + std::to_string(c.nBytes) + " bytes",
                                           "SetInfoText: " + strPath}));
    }
}

TEST_F(ImageFileTest, RefusedOpensLeaveImageAndPathAsTheyWere) {
    FillImage(Pattern(100, 9));
    const std::string strTooLong = WriteFile("big.bin", Pattern(65537, 1));
    const std::string strMissing = m_strDir + "/missing.bin";
    const struct {
        std::string strPath;
        std::string strMessage;
    } cases[] = {
        {strTooLong, "-> " + strTooLong + " \ngreater 64KB \n(65537 Bytes)"},
        {strMissing, "Fehler-> " + strMissing + " kann nicht geöffnet werden!"},
        // A directory opens as a stream on Linux, but there is nothing to read.
        {m_strDir, "Fehler-> " + m_strDir + " kann nicht geöffnet werden!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.strPath);
        m_host.Clear();
        EXPECT_EQ(LoadImageFile(c.strPath, m_host, &m_host), ImageOpenResult::Failed);
        EXPECT_EQ(m_host.Events(), Events{"box: " + c.strMessage});
        EXPECT_EQ(g_strImagePath, "former.bin");
        EXPECT_EQ(g_dwLastOffset, 99u);
        EXPECT_EQ(ImageBytes(100), Pattern(100, 9));
    }
}

TEST_F(ImageFileTest, FailedLockFailsTheWholeOpen) {
    FillImage(Pattern(100, 9));
    const std::string strPath = WriteFile("image.bin", Pattern(10, 1));
    SetGlobalLockFails(true);
    EXPECT_EQ(LoadImageFile(strPath, m_host, &m_host), ImageOpenResult::Failed);
    EXPECT_EQ(m_host.Events(), Events{"box: bufferaccess failed..!"});
    EXPECT_EQ(g_strImagePath, "former.bin");
    EXPECT_EQ(g_dwLastOffset, 99u);
}

TEST_F(ImageFileTest, EmptyPathAndMissingFormAreHandedBack) {
    EXPECT_EQ(LoadImageFile("", m_host, &m_host), ImageOpenResult::PathEmpty);
    EXPECT_EQ(g_strImagePath, "");
    EXPECT_TRUE(m_host.Events().empty());

    const std::string strPath = WriteFile("image.bin", Pattern(10, 1));
    EXPECT_EQ(LoadImageFile(strPath, m_host, nullptr), ImageOpenResult::Loaded);
    EXPECT_EQ(m_host.Events(), (Events{"wait on", "wait off"}));
    EXPECT_EQ(g_dwLastOffset, 9u);
}

TEST_F(ImageFileTest, PathsLongerThan500CharactersAppearWhole) {
    std::string strDir = m_strDir;
    for (int i = 0; i < 6; ++i) {
        strDir += "/" + std::string(90, static_cast<char>('a' + i));
        ASSERT_EQ(::mkdir(strDir.c_str(), 0700), 0);
    }
    const std::string strPath = strDir + "/image\xE9.bin";
    ASSERT_GT(strPath.size(), 500u);
    EXPECT_EQ(LoadImageFile(strPath, m_host, &m_host), ImageOpenResult::Failed);
    EXPECT_EQ(m_host.Events(), Events{"box: Fehler-> " + strPath + " kann nicht geöffnet werden!"});

    WriteFile(strPath.substr(m_strDir.size() + 1), Pattern(20, 1));
    m_host.Clear();
    EXPECT_EQ(LoadImageFile(strPath, m_host, &m_host), ImageOpenResult::Loaded);
    EXPECT_EQ(m_host.Events().back(), "SetInfoText: " + strPath);
}

TEST_F(ImageFileTest, SaveWritesTheImageAndShowsTheOpenedPath) {
    FillImage(Pattern(32768, 5));
    const std::string strPath = m_strDir + "/saved.bin";
    EXPECT_TRUE(SaveImageFile(strPath, m_host, &m_host));
    EXPECT_EQ(ReadFile(strPath), Pattern(32768, 5));
    EXPECT_EQ(m_host.Events(), (Events{"wait on", "SetStatusText: Buffer saved",
                                       "SetInfoText: former.bin", "wait off"}));
    EXPECT_EQ(g_strImagePath, "former.bin") << "a save does not change the image path";
}

TEST_F(ImageFileTest, SaveRefusals) {
    const struct {
        const char* pszCase;
        DWORD dwLastOffset;
        bool bLockFails;
        std::string strPath;
        std::string strMessage;
    } cases[] = {
        {"one-byte image", 0, false, m_strDir + "/x.bin", "empty buffer --> nothings do write!"},
        {"lock fails", 10, true, m_strDir + "/x.bin", "error-buffer-saving  --> no buffer-access!"},
        {"no such folder", 10, false, m_strDir + "/no/x.bin", "error found: can not save!"},
        {"a directory", 10, false, m_strDir, "error found: can not save!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszCase);
        m_host.Clear();
        g_dwLastOffset = c.dwLastOffset;
        SetGlobalLockFails(c.bLockFails);
        EXPECT_FALSE(SaveImageFile(c.strPath, m_host, &m_host));
        SetGlobalLockFails(false);
        EXPECT_EQ(m_host.Events(), Events{"box: " + c.strMessage});
        EXPECT_EQ(GlobalLockCount(g_hImage), 0);
    }
}

TEST_F(ImageFileTest, SaveToAFullDiskIsAFailure) {
    // 16 bytes fail only at the flush, 64 KiB already while the bytes are put.
    for (const std::size_t nBytes : {std::size_t{16}, std::size_t{0x10000}}) {
        SCOPED_TRACE(nBytes);
        FillImage(Pattern(nBytes, 1));
        m_host.Clear();
        EXPECT_FALSE(SaveImageFile("/dev/full", m_host, &m_host));
        EXPECT_EQ(m_host.Events(),
                  (Events{"wait on", "beep", "wait off", "box: error by saving!"}));
    }
}

}  // namespace
