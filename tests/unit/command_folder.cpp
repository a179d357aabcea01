#include "tests/unit/command_folder.h"

#include <fstream>
#include <iterator>

#include "cli/write_commands.h"

std::string CommandFolder::Write(const std::string& name, const Bytes& bytes) const {
    std::ofstream(Path(name), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return Path(name);
}

Bytes CommandFolder::Read(const std::string& name) const {
    std::ifstream in(Path(name), std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

int CommandFolder::Run(const std::string& command, const std::vector<std::string>& words) {
    out_.str("");
    err_.str("");
    return RunWriteCommand(command, words, out_, err_);
}
