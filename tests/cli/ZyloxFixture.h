#pragma once

// zylox run as a user would, in a scratch folder: what each command prints and the files it leaves.
#include "tests/support/Bytes.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

inline const std::string kSox = SOX_PROGRAM;

class ZyloxTest : public ::testing::Test {
protected:
    // Runs shell words in the scratch folder, with the device records in its folder state and the
    // sound library in its folders config and cache; what they print lands in m_out and m_err.
    int run(const std::string& command)
    {
        const std::string line
            = "cd " + m_folder.path().string() + " && export XDG_STATE_HOME=" + m_folder.file("state")
              + " XDG_CONFIG_HOME=" + m_folder.file("config") + " XDG_CACHE_HOME=" + m_folder.file("cache") + " && ("
              + command + ") >out.txt 2>err.txt";
        const int raw = std::system(line.c_str());
        const Bytes out = read("out.txt");
        const Bytes err = read("err.txt");
        m_out.assign(out.begin(), out.end());
        m_err.assign(err.begin(), err.end());
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }
    int zylox(const std::string& arguments) { return run(std::string(ZYLOX_PROGRAM) + " " + arguments); }

    Bytes read(const std::string& name) const { return ScratchFolder::read(m_folder.file(name)); }
    Bytes slice(const std::string& name, std::size_t from, std::size_t count) const
    {
        const Bytes bytes = read(name);
        return {bytes.begin() + from, bytes.begin() + from + count};
    }
    std::vector<std::string> rows() const
    {
        std::vector<std::string> lines;
        std::istringstream in(m_out);
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }
    bool exists(const std::string& name) const { return std::filesystem::exists(m_folder.file(name)); }

    ScratchFolder m_folder{"zylox"};
    std::string m_out;
    std::string m_err;
};
