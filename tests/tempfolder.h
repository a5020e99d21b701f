// SPDX-License-Identifier: MIT
#pragma once
// A folder of one test process under the system's temporary folder: its name carries
// the process id, so two test runs on one machine never write in, mount over or
// remove each other's folders.
#include <unistd.h>

#include <filesystem>
#include <string>

namespace tonvale::testing {

inline std::filesystem::path tempFolder(const std::string& name) {
    return std::filesystem::temp_directory_path() / (name + "-" + std::to_string(::getpid()));
}

}  // namespace tonvale::testing
