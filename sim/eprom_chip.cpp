#include "sim/eprom_chip.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "hardware/socket.h"

namespace {

constexpr BYTE ERASED = 0xFF;

void SetError(std::string* pstrError, std::string strText) {
    if (pstrError != nullptr) {
        *pstrError = std::move(strText);
    }
}

std::string FileError(const char* pszWhat, const std::string& strPath, int nErrno) {
    return std::string(pszWhat) + " simulated chip file \"" + strPath +
           "\": " + std::strerror(nErrno);
}

// Writes all of bytes and closes the file: 0, or the error number of the first failure. A
// full disk often shows only when the buffer is flushed or the file closed.
int WriteAndClose(std::FILE* pFile, std::span<const BYTE> bytes) {
    int nError = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), pFile) != bytes.size() ||
        std::fflush(pFile) != 0) {
        nError = errno;
    }
    if (std::fclose(pFile) != 0 && nError == 0) {
        nError = errno;
    }
    return nError;
}

}  // namespace

CEpromChip::CEpromChip(WORD wType)
    : m_wType(wType),
      m_dwAddressMask(DeviceLastAddress(wType)),
      m_cells(m_dwAddressMask + 1, ERASED) {}

bool CEpromChip::HasPgmOnA14() const {
    return m_wType < TYPE_27C256;
}

BYTE CEpromChip::Output(DWORD dwSocketAddress) const {
    const DWORD dwCell = CellIndex(dwSocketAddress);
    BYTE byData = m_cells[dwCell];
    for (const StuckBits& stuck : m_stuckBits) {
        if (stuck.dwAddress == dwCell) {
            byData = static_cast<BYTE>((byData & ~stuck.byMask) | stuck.byLevel);
        }
    }
    return byData;
}

void CEpromChip::Program(DWORD dwSocketAddress, BYTE byData) {
    const DWORD dwCell = CellIndex(dwSocketAddress);
    if (!m_pulseCounts.empty() && ++m_pulseCounts[dwCell] < m_nPulsesNeeded) {
        return;
    }
    m_cells[dwCell] &= byData;
}

void CEpromChip::SetPulsesNeeded(unsigned nPulses) {
    m_nPulsesNeeded = nPulses;
    m_pulseCounts.assign(nPulses > 1 ? m_cells.size() : 0, 0);
}

void CEpromChip::SetStuckBit(DWORD dwSocketAddress, BYTE byMask, bool bHigh) {
    m_stuckBits.push_back({CellIndex(dwSocketAddress), byMask, bHigh ? byMask : BYTE(0)});
}

bool CEpromChip::Load(const std::string& strPath, std::string* pstrError) {
    std::FILE* pFile = std::fopen(strPath.c_str(), "rb");
    if (pFile == nullptr) {
        // No file yet: the chip is a fresh, erased one.
        if (errno == ENOENT) {
            std::fill(m_cells.begin(), m_cells.end(), ERASED);
            return true;
        }
        SetError(pstrError, FileError("cannot open", strPath, errno));
        return false;
    }
    // One byte more than the chip holds tells a file that is too long.
    std::vector<BYTE> contents(m_cells.size() + 1);
    const std::size_t nRead = std::fread(contents.data(), 1, contents.size(), pFile);
    const bool bReadFailed = std::ferror(pFile) != 0;
    const int nReadErrno = errno;
    std::fclose(pFile);
    if (bReadFailed) {
        SetError(pstrError, FileError("cannot read", strPath, nReadErrno));
        return false;
    }
    if (nRead != m_cells.size()) {
        const std::string strSize = std::to_string(m_cells.size());
        SetError(pstrError,
                 "simulated chip file \"" + strPath + "\" holds " +
                     (nRead < m_cells.size() ? std::to_string(nRead) : "more than " + strSize) +
                     " bytes, but the chip in the socket holds " + strSize);
        return false;
    }
    std::copy_n(contents.begin(), m_cells.size(), m_cells.begin());
    return true;
}

bool CEpromChip::Save(const std::string& strPath, std::string* pstrError) const {
    // A regular file is replaced only once its new contents are written in full beside it,
    // so a full disk never costs the chip kept from the last run. The file beside it is one
    // that mkstemp creates afresh, never one found under a name that could be guessed (a
    // link planted there would redirect the write), and it gets the chip file's
    // permissions. A new file is created exclusively, for the same reason; anything else
    // (a device such as /dev/full) is written in place.
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::symlink_status(strPath, error);
    const bool bReplace = status.type() == std::filesystem::file_type::regular;
    const bool bCreate = status.type() == std::filesystem::file_type::not_found;
    std::string strWritten = strPath;
    int nFd = -1;
    if (bReplace) {
        strWritten += ".XXXXXX";
        nFd = ::mkstemp(strWritten.data());
        if (nFd >= 0 && ::fchmod(nFd, static_cast<mode_t>(status.permissions() &
                                                          std::filesystem::perms::mask)) != 0) {
            const int nError = errno;
            ::close(nFd);
            std::remove(strWritten.c_str());
            nFd = -1;
            errno = nError;
        }
    } else {
        nFd = ::open(strPath.c_str(), O_WRONLY | O_CLOEXEC | (bCreate ? O_CREAT | O_EXCL : O_TRUNC),
                     0666);
    }
    std::FILE* pFile = nFd >= 0 ? ::fdopen(nFd, "wb") : nullptr;
    if (pFile == nullptr) {
        const int nError = errno;
        if (nFd >= 0) {
            ::close(nFd);
        }
        SetError(pstrError, FileError("cannot create", strPath, nError));
        return false;
    }
    int nError = WriteAndClose(pFile, m_cells);
    if (nError == 0 && bReplace && std::rename(strWritten.c_str(), strPath.c_str()) != 0) {
        nError = errno;
    }
    if (nError != 0) {
        if (bReplace || bCreate) {
            std::remove(strWritten.c_str());
        }
        SetError(pstrError, FileError("cannot write", strPath, nError));
        return false;
    }
    return true;
}
