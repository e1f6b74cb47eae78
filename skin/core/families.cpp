// Recognising a control by the name of its window class. Nothing is cached: every
// caller asks again, so a window is always judged by what it is now.

#include <array>
#include <string_view>

#include "skin/mSkinner.h"

namespace mSkinner {

namespace {

struct FamilyName {
    std::string_view lowerName;
    ControlFamily family;
};

constexpr std::array kFamilyNames = {
    FamilyName{"#32770", ControlFamily::Container},
    FamilyName{"thunderformdc", ControlFamily::Container},
    FamilyName{"thunderrt6formdc", ControlFamily::Container},
    FamilyName{"form", ControlFamily::Container},
    FamilyName{"thundercommandbutton", ControlFamily::PushButton},
    FamilyName{"thunderrt6commandbutton", ControlFamily::PushButton},
    FamilyName{"button", ControlFamily::PushButton},
    FamilyName{"thundercombobox", ControlFamily::ComboBox},
    FamilyName{"thunderrt6combobox", ControlFamily::ComboBox},
    FamilyName{"combo", ControlFamily::ComboBox},
    FamilyName{"combobox", ControlFamily::ComboBox},
    FamilyName{"thunderdrivelistbox", ControlFamily::DriveList},
    FamilyName{"thunderrt6drivelistbox", ControlFamily::DriveList},
    FamilyName{"thundercheckbox", ControlFamily::CheckBox},
    FamilyName{"thunderrt6checkbox", ControlFamily::CheckBox},
    FamilyName{"thunderoptionbutton", ControlFamily::OptionButton},
    FamilyName{"thunderrt6optionbutton", ControlFamily::OptionButton},
    FamilyName{"progressbar20wndclass", ControlFamily::ProgressBar},
    FamilyName{"progressbarwndclass", ControlFamily::ProgressBar},
    FamilyName{"msvb_lib_header", ControlFamily::Header},
    FamilyName{"sysheader32", ControlFamily::Header},
    FamilyName{"datalistwndclass", ControlFamily::DataList},
    FamilyName{"dblistwndclass", ControlFamily::DataList},
    FamilyName{"combolbox", ControlFamily::DropList},
};

// Grids come in many versions; every class whose name starts like this is one.
constexpr std::string_view kGridPrefix = "apexgrid";

std::string ToLower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

}  // namespace

std::string GetWindowClassName(HWND hWnd) {
    // The system writes at most 254 characters and a NUL into 255.
    char buffer[255] = {};
    const int length = GetClassNameA(hWnd, buffer, static_cast<int>(sizeof buffer));
    if (length <= 0) return std::string();
    return std::string(buffer);
}

ControlFamily GetControlFamily(HWND hWnd) {
    const std::string name = ToLower(GetWindowClassName(hWnd));
    for (const FamilyName& entry : kFamilyNames) {
        if (entry.lowerName == name) return entry.family;
    }
    if (std::string_view(name).starts_with(kGridPrefix)) return ControlFamily::Grid;
    return ControlFamily::Other;
}

}  // namespace mSkinner
