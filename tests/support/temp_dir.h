#pragma once

// A folder of its own for one test, removed with everything in it afterwards. ctest runs
// test programs in parallel, so no two tests may share a fixed name under /tmp.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <string_view>

class CTempDir {
  public:
    CTempDir() {
        std::string strTemplate = (std::filesystem::path(::testing::TempDir()) / "morvex-XXXXXX");
        if (::mkdtemp(strTemplate.data()) == nullptr) {
            ADD_FAILURE() << "cannot create a folder from " << strTemplate;
        }
        m_path = strTemplate;
    }
    ~CTempDir() {
        std::error_code error;
        std::filesystem::remove_all(m_path, error);
    }
    CTempDir(const CTempDir&) = delete;
    CTempDir& operator=(const CTempDir&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::string PathOf(std::string_view strName) const { return (m_path / strName).string(); }

  private:
    std::filesystem::path m_path;
};
