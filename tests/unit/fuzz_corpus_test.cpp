#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "invariants.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> FileBytes(const fs::path& path) {
  std::vector<std::uint8_t> bytes(fs::file_size(path));
  std::ifstream file(path, std::ios::binary);
  file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return bytes;
}

class FuzzCorpusTest : public ::testing::TestWithParam<FuzzTarget> {};

// The fuzz targets' checks over every seed kept in the tree, under the sanitizers of this build.
TEST_P(FuzzCorpusTest, EverySeedKeepsTheInvariants) {
  const fs::path folder = fs::path(UPTIME_FUZZ_CORPUS_DIR) / GetParam().name;
  std::size_t seeds = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    const std::vector<std::uint8_t> bytes = FileBytes(entry.path());
    EXPECT_EQ(GetParam().check(bytes.data(), bytes.size()), "") << entry.path();
    ++seeds;
  }
  EXPECT_GT(seeds, 0u) << "no seeds in " << folder;
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzCorpusTest, ::testing::ValuesIn(FuzzTargets().begin(), FuzzTargets().end()),
                         [](const ::testing::TestParamInfo<FuzzTarget>& target) { return std::string(target.param.name); });

}  // namespace
