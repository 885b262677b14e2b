#pragma once

#include <gtest/gtest.h>

#include <string>

#include "core/fs/FileSystem.h"
#include "tests/support/Bytes.h"
#include "tests/support/TempFolder.h"

// A fresh folder on the real file system holding one program file, SCH01.DAT.
class StoreFixture : public ::testing::Test {
protected:
    core::FileSystem& fs = core::SystemFileSystem();
    testsupport::TempFolder folder;
    const std::string path = folder / "SCH01.DAT";

    void Lay(const testbytes::Bytes& bytes) const { testsupport::WriteFileBytes(path, bytes); }
    testbytes::Bytes Stored() const { return testsupport::ReadFileBytes(path).value_or(testbytes::Bytes{}); }
};
