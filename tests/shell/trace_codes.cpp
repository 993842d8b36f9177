#include "shell/trace_codes.h"

#include <cctype>
#include <cstdlib>
#include <cstring>

namespace {

bool StartsWith(const std::string& s, const char* prefix) {
    return s.compare(0, std::strlen(prefix), prefix) == 0;
}

// "A001" -> 1, "D017" -> 17, else -1.
int PictureWord(const std::string& label) {
    if (label.size() < 4 || (label[0] != 'A' && label[0] != 'D')) return -1;
    for (int i = 1; i < 4; ++i)
        if (!std::isdigit(static_cast<unsigned char>(label[i]))) return -1;
    return std::atoi(label.substr(1, 3).c_str());
}

int CodeOf(const std::string& line) {
    if (StartsWith(line, " load ") || StartsWith(line, " free ")) {
        const int word = PictureWord(line.substr(6, 4));
        if (word < 0) return -1;
        return (line[1] == 'l' ? 1000 : 2000) + word;
    }
    if (StartsWith(line, "Pload   GNo[") || StartsWith(line, "Pfree   GNo[")) {
        const int n = std::atoi(line.substr(12, 3).c_str());
        return (line[1] == 'l' ? 99000 : 77000) + n;
    }
    if (StartsWith(line, " Kiddo Ok")) return 990;
    if (StartsWith(line, " Reset Data 1")) return 12;
    if (StartsWith(line, " Reset Data 2")) return 13;
    // Event lines: a right-aligned code of three columns, a blank, a letter
    // or "Gs[".
    if (line.size() > 5 && line[3] == ' ') {
        const std::string head = line.substr(0, 3);
        bool digits = false;
        for (char c : head) {
            if (std::isdigit(static_cast<unsigned char>(c))) digits = true;
            else if (c != ' ') return -1;
        }
        if (!digits) return -1;
        if (StartsWith(line.substr(4), "Gs[") ||
            (std::isalpha(static_cast<unsigned char>(line[4])) && line.size() > 5 && line[5] == ' '))
            return std::atoi(head.c_str());
    }
    return -1;
}

}  // namespace

std::vector<int> TraceCodesOf(const std::vector<std::string>& lines) {
    std::vector<int> codes;
    for (const std::string& line : lines) {
        const int code = CodeOf(line);
        if (code >= 0) codes.push_back(code);
    }
    return codes;
}

std::vector<int> CodesAfter(const std::vector<int>& all, std::size_t skip) {
    if (skip >= all.size()) return {};
    return std::vector<int>(all.begin() + static_cast<long>(skip), all.end());
}
