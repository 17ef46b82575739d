// rc2template SCRIPT.rc OUT.cpp: writes the dialogs and menus of a resource
// script as the C++ tables of res/DialogTemplate.h. Run by the build.
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "tools/rc2template/RcScript.h"
#include "tools/rc2template/TemplateWriter.h"

namespace bb::tools::rc2template {

int Run(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: rc2template SCRIPT.rc OUT.cpp\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "rc2template: cannot read %s\n", argv[1]);
        return 1;
    }
    std::ostringstream text;
    text << in.rdbuf();
    const std::string path = argv[1];
    const std::string name = path.substr(path.find_last_of("/\\") + 1);
    std::string source;
    try {
        source = rc2template::WriteTemplateSource(rc2template::ParseRcScript(text.str()), name);
    } catch (const rc2template::RcError& e) {
        std::fprintf(stderr, "%s: %s\n", argv[1], e.what());
        return 1;
    }
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out << source;
    out.close();
    if (!out) {
        std::fprintf(stderr, "rc2template: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}

}  // namespace bb::tools::rc2template

int main(int argc, char** argv) { return bb::tools::rc2template::Run(argc, argv); }
