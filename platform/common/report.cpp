// Messages that must reach the player's terminal once, not every frame.
#include "platform/common/internal.h"

#include <cstdio>
#include <set>

namespace plat::detail {

namespace {
std::set<std::string>& Seen() {
    static std::set<std::string>& s = *new std::set<std::string>();
    return s;
}
}  // namespace

void ReportOnce(const std::string& key, const std::string& message) {
    if (!Seen().insert(key).second) return;
    std::fprintf(stderr, "%s\n", message.c_str());
}

void ForgetReports() { Seen().clear(); }

}  // namespace plat::detail
