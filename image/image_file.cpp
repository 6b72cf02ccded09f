#include "image/image_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "image/image_buffer.h"
#include "platform/text_format.h"

namespace {

constexpr long MAX_IMAGE_FILE_BYTES = IMAGE_BUFFER_SIZE;

// The stream and the descriptor of an open, each closed once on every path.
class COpenedImageFile {
  public:
    explicit COpenedImageFile(const std::string& strPath)
        : m_pStream(std::fopen(strPath.c_str(), "rb")) {
        if (m_pStream != nullptr) {
            m_nDescriptor = ::open(strPath.c_str(), O_RDONLY);
        }
    }
    COpenedImageFile(const COpenedImageFile&) = delete;
    COpenedImageFile& operator=(const COpenedImageFile&) = delete;
    ~COpenedImageFile() {
        if (m_pStream != nullptr) {
            std::fclose(m_pStream);
        }
        if (m_nDescriptor >= 0) {
            ::close(m_nDescriptor);
        }
    }

    // A directory opens as a stream on Linux but cannot be read: it counts as not opened.
    bool IsReadable() const {
        struct stat status {};
        return m_pStream != nullptr && ::fstat(::fileno(m_pStream), &status) == 0 &&
               !S_ISDIR(status.st_mode);
    }
    // The length from the descriptor; -1 when it did not open, which passes the size test.
    long Length() const {
        struct stat status {};
        if (m_nDescriptor < 0 || ::fstat(m_nDescriptor, &status) != 0) {
            return -1;
        }
        return static_cast<long>(status.st_size);
    }
    std::FILE* Stream() const { return m_pStream; }

  private:
    std::FILE* m_pStream;
    int m_nDescriptor = -1;
};

std::string CannotOpenText(const std::string& strPath) {
    return FormatText("Fehler-> %s kann nicht geöffnet werden!", strPath.c_str());
}

// Reads the stream one byte at a time into pBytes until its end or 65,536 bytes. Returns
// the byte count, or -1 on a read error.
long ReadImageBytes(std::FILE* pStream, BYTE* pBytes) {
    long nRead = 0;
    int nByte = 0;
    while (nRead < MAX_IMAGE_FILE_BYTES && (nByte = std::fgetc(pStream)) != EOF) {
        pBytes[nRead++] = static_cast<BYTE>(nByte);
    }
    return std::ferror(pStream) ? -1 : nRead;
}

}  // namespace

ImageOpenResult LoadImageFile(const std::string& strPath, OperationHost& host,
                              FormTextSetters* pForm) {
    const std::string strFormerPath = g_strImagePath;
    g_strImagePath = strPath;
    if (strPath.empty()) {
        return ImageOpenResult::PathEmpty;
    }
    const auto Fail = [&](const std::string& strText) {
        host.MessageBox(strText);
        g_strImagePath = strFormerPath;
        return ImageOpenResult::Failed;
    };

    const COpenedImageFile file(strPath);
    if (!file.IsReadable()) {
        return Fail(CannotOpenText(strPath));
    }
    const long nLength = file.Length();
    if (nLength > MAX_IMAGE_FILE_BYTES) {
        return Fail(FormatText("-> %s \ngreater 64KB \n(%ld Bytes)", strPath.c_str(), nLength));
    }

    if (LockImage() == nullptr) {
        const ImageOpenResult result = Fail("bufferaccess failed..!");
        UnlockImage();
        return result;
    }
    // The bytes reach the image only once the whole file has been read: a read error half
    // way must not leave the former image partly overwritten under its old length.
    std::vector<BYTE> bytes(MAX_IMAGE_FILE_BYTES);
    host.BeginWaitCursor();
    const long nRead = ReadImageBytes(file.Stream(), bytes.data());
    host.EndWaitCursor();
    if (nRead < 0) {
        const ImageOpenResult result = Fail(CannotOpenText(strPath));
        UnlockImage();
        return result;
    }
    std::copy_n(bytes.begin(), nRead, g_pImage);
    g_dwLastOffset = nRead > 0 ? static_cast<DWORD>(nRead - 1) : 0;
    if (pForm != nullptr) {
        pForm->SetStatusText(FormatText("%ld bytes", nRead));
        pForm->SetInfoText(g_strImagePath);
    }
    UnlockImage();
    return ImageOpenResult::Loaded;
}

bool SaveImageFile(const std::string& strPath, OperationHost& host, FormTextSetters* pForm) {
    if (g_dwLastOffset < 1) {
        host.MessageBox("empty buffer --> nothings do write!");
        return false;
    }
    if (LockImage() == nullptr) {
        host.MessageBox("error-buffer-saving  --> no buffer-access!");
        UnlockImage();
        return false;
    }
    std::FILE* pStream = std::fopen(strPath.c_str(), "wb");
    if (pStream == nullptr) {
        host.MessageBox("error found: can not save!");
        UnlockImage();
        return false;
    }

    host.BeginWaitCursor();
    bool bStored = true;
    for (DWORD dwOffset = 0; bStored && dwOffset <= g_dwLastOffset; ++dwOffset) {
        bStored = std::fputc(g_pImage[dwOffset], pStream) == g_pImage[dwOffset];
    }
    // The stream is buffered: the last bytes reach the file only at the flush and the
    // close, and a full disk shows only there.
    bStored = bStored && std::fflush(pStream) == 0;
    bStored = std::fclose(pStream) == 0 && bStored;
    if (!bStored) {
        host.Beep();
        host.EndWaitCursor();
        host.MessageBox("error by saving!");
        UnlockImage();
        return false;
    }
    if (pForm != nullptr) {
        pForm->SetStatusText("Buffer saved");
        pForm->SetInfoText(g_strImagePath);
    }
    host.EndWaitCursor();
    UnlockImage();
    return true;
}
