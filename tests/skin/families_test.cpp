// Recognising controls by class name: every name of the family table, in the
// spelling it was registered with, whatever its case.

#include <string>

#include "tests/skin/skin_fixture.h"

namespace {

using mSkinner::ControlFamily;
using skintest::SkinTest;

struct FamilyCase {
    const char* className;
    ControlFamily family;
};

// Spellings mix upper and lower case on purpose: only the lower-cased name counts.
const FamilyCase kFamilyCases[] = {
    {"#32770", ControlFamily::Container},
    {"ThunderFormDC", ControlFamily::Container},
    {"ThunderRT6FormDC", ControlFamily::Container},
    {"Form", ControlFamily::Container},
    {"ThunderCommandButton", ControlFamily::PushButton},
    {"ThunderRT6CommandButton", ControlFamily::PushButton},
    {"Button", ControlFamily::PushButton},
    {"ThunderComboBox", ControlFamily::ComboBox},
    {"ThunderRT6ComboBox", ControlFamily::ComboBox},
    {"Combo", ControlFamily::ComboBox},
    {"ComboBox", ControlFamily::ComboBox},
    {"ThunderDriveListBox", ControlFamily::DriveList},
    {"ThunderRT6DriveListBox", ControlFamily::DriveList},
    {"ThunderCheckBox", ControlFamily::CheckBox},
    {"ThunderRT6CheckBox", ControlFamily::CheckBox},
    {"ThunderOptionButton", ControlFamily::OptionButton},
    {"ThunderRT6OptionButton", ControlFamily::OptionButton},
    {"ProgressBar20WndClass", ControlFamily::ProgressBar},
    {"ProgressBarWndClass", ControlFamily::ProgressBar},
    {"MSVB_Lib_Header", ControlFamily::Header},
    {"SysHeader32", ControlFamily::Header},
    {"DataListWndClass", ControlFamily::DataList},
    {"DBListWndClass", ControlFamily::DataList},
    {"ComboLBox", ControlFamily::DropList},
    {"ApexGrid", ControlFamily::Grid},
    {"ApexGridX", ControlFamily::Grid},
    {"APEXGRID.Version7", ControlFamily::Grid},
    {"Edit", ControlFamily::Other},
    {"TestFrame", ControlFamily::Other},
    {"XApexGrid", ControlFamily::Other},
    {"Buttons", ControlFamily::Other},
    {"ThunderRT6TextBox", ControlFamily::Other},
};

TEST_F(SkinTest, EveryClassNameFindsItsFamily) {
    HWND parent = MakeTopLevel("Form", 100, 100);
    for (const FamilyCase& c : kFamilyCases) {
        skintest::EnsureClass(c.className);
        // Pop-ups for the classes that are not children by nature (dialogs, drop-down lists).
        HWND hwnd = CreateWindowExA(0, c.className, "", WS_POPUP, 0, 0, 10, 10, parent, HMENU(), HINSTANCE(),
                                    nullptr);
        ASSERT_TRUE(hwnd) << c.className;
        EXPECT_EQ(mSkinner::GetControlFamily(hwnd), c.family) << c.className;
        DestroyWindow(hwnd);
    }
}

TEST_F(SkinTest, ClassNameIsReportedAsRegistered) {
    skintest::EnsureClass("ApexGridX");
    HWND hwnd = MakeTopLevel("ApexGridX", 10, 10);
    EXPECT_EQ(mSkinner::GetWindowClassName(hwnd), "ApexGridX");
}

TEST_F(SkinTest, DeadAndNullHandlesHaveNoClassAndAreOther) {
    HWND hwnd = MakeTopLevel("Form", 10, 10);
    DestroyWindow(hwnd);
    for (HWND h : {hwnd, HWND()}) {
        EXPECT_EQ(mSkinner::GetWindowClassName(h), "");
        EXPECT_EQ(mSkinner::GetControlFamily(h), ControlFamily::Other);
    }
}

TEST_F(SkinTest, OverlongClassNameIsCutTo254AndMatchesNothing) {
    // The window manager takes class names of up to 255 characters; the engine
    // reads at most 254 of them. A push-button name padded to the limit is cut
    // to a name that is neither the push-button name nor anything else.
    const std::string longName = "button" + std::string(249, 'x');
    skintest::EnsureClass(longName.c_str());
    HWND hwnd = MakeTopLevel(longName.c_str(), 10, 10);
    ASSERT_TRUE(hwnd);
    EXPECT_EQ(mSkinner::GetWindowClassName(hwnd), longName.substr(0, 254));
    EXPECT_EQ(mSkinner::GetControlFamily(hwnd), ControlFamily::Other);

    // A grid's name stays a grid however long: only its beginning counts.
    const std::string longGrid = "ApexGrid" + std::string(247, 'y');
    skintest::EnsureClass(longGrid.c_str());
    HWND grid = MakeTopLevel(longGrid.c_str(), 10, 10);
    ASSERT_TRUE(grid);
    EXPECT_EQ(mSkinner::GetControlFamily(grid), ControlFamily::Grid);

    // Longer names never name a window at all.
    const std::string tooLong(300, 'z');
    WNDCLASSA wc;
    wc.lpfnWndProc = &skintest::RecordingProc;
    wc.lpszClassName = tooLong.c_str();
    EXPECT_EQ(RegisterClassA(&wc), 0);
}

}  // namespace
