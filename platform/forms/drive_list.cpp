// The drive list shows the machine's mount points.

#include <algorithm>
#include <fstream>
#include <sstream>

#include "platform/forms/forms_internal.h"

namespace forms {

namespace {

// /proc/mounts writes blanks and a few other bytes as \ooo octal escapes.
std::string unescape(const std::string& field) {
    auto octal = [](char c) { return c >= '0' && c <= '7'; };
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && octal(field[i + 1]) && octal(field[i + 2]) && octal(field[i + 3])) {
            out.push_back(static_cast<char>(((field[i + 1] - '0') << 6) | ((field[i + 2] - '0') << 3) | (field[i + 3] - '0')));
            i += 3;
        } else {
            out.push_back(field[i]);
        }
    }
    return out;
}

bool kernel_area(const std::string& path) {
    for (const char* prefix : {"/proc", "/sys", "/dev", "/run"}) {
        std::string p(prefix);
        if (path == p || path.rfind(p + "/", 0) == 0) return true;
    }
    return false;
}

}  // namespace

std::vector<std::string> mount_points_from(std::istream& mounts) {
    std::vector<std::string> points;
    std::string line;
    while (std::getline(mounts, line)) {
        std::istringstream fields(line);
        std::string device, where;
        if (!(fields >> device >> where)) continue;
        where = unescape(where);
        if (where.empty() || where[0] != '/' || kernel_area(where)) continue;
        if (std::find(points.begin(), points.end(), where) == points.end()) points.push_back(where);
    }
    std::sort(points.begin(), points.end());
    if (points.empty()) points.push_back("/");
    return points;
}

std::vector<std::string> mount_points() {
    std::ifstream mounts("/proc/mounts");
    return mount_points_from(mounts);
}

}  // namespace forms
