// mdbwrite [--password PWD] OUT.mdb SCRIPT.sql   (SCRIPT "-" reads standard input)

#include "mdbwriter.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>

namespace {

int usage()
{
    std::cerr << "usage: mdbwrite [--password PWD] OUT.mdb SCRIPT.sql   (SCRIPT - reads standard input)\n";
    return 2;
}

bool readScript(const std::string &path, std::string &script)
{
    std::ostringstream text;
    if (path == "-") {
        text << std::cin.rdbuf();
    } else {
        std::ifstream file(path, std::ios::binary);
        if (!file)
            return false;
        text << file.rdbuf();
    }
    script = text.str();
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    mdbwrite::Options options;
    int next = 1;
    if (next < argc && std::string(argv[next]) == "--password") {
        if (next + 1 >= argc)
            return usage();
        options.password = argv[next + 1];
        next += 2;
    }
    if (argc - next != 2)
        return usage();
    const std::string outPath = argv[next];
    const std::string scriptPath = argv[next + 1];

    std::string script;
    if (!readScript(scriptPath, script)) {
        std::cerr << "mdbwrite: cannot read " << scriptPath << "\n";
        return 1;
    }
    try {
        mdbwrite::writeScript(script, outPath, options);
    } catch (const mdbwrite::WriteError &error) {
        std::cerr << "mdbwrite: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
