// The table of built-in modules.

#include "tests/user/window_fixture.h"

namespace usertest {
namespace {

using ModuleTest = PlatformTest;

TEST_F(ModuleTest, ExportsAreFoundByCaseInsensitiveModuleNames) {
    struct Case {
        const char* module;
        const char* function;
        FARPROC expected;
    };
    const Case cases[] = {
        {"User32", "TrackMouseEvent", reinterpret_cast<FARPROC>(&TrackMouseEvent)},
        {"USER32.DLL", "TrackMouseEvent", reinterpret_cast<FARPROC>(&TrackMouseEvent)},
        {"comctl32", "_TrackMouseEvent", reinterpret_cast<FARPROC>(&_TrackMouseEvent)},
        {"msimg32.dll", "AlphaBlend", reinterpret_cast<FARPROC>(&AlphaBlend)},
        {"OleAut32", "OleTranslateColor", reinterpret_cast<FARPROC>(&OleTranslateColor)},
        {"user32", "trackmouseevent", nullptr},  // function names compare exactly
        {"user32", "NoSuchFunction", nullptr},
    };
    for (const Case& c : cases) {
        HMODULE m = LoadLibraryA(c.module);
        ASSERT_TRUE(m) << c.module;
        EXPECT_EQ(GetProcAddress(m, c.function), c.expected) << c.module << "!" << c.function;
        EXPECT_TRUE(FreeLibrary(m));
    }
    EXPECT_FALSE(LoadLibraryA("nosuch.dll"));
    EXPECT_FALSE(LoadLibraryA(nullptr));
    EXPECT_EQ(GetProcAddress(HMODULE(), "TrackMouseEvent"), nullptr);
}

TEST_F(ModuleTest, LoadedModulesAreReferenceCounted) {
    EXPECT_TRUE(GetModuleHandleA("User32")) << "always loaded";
    EXPECT_FALSE(GetModuleHandleA("comctl32")) << "not until loaded";
    HMODULE a = LoadLibraryA("comctl32");
    HMODULE b = LoadLibraryA("COMCTL32.dll");
    EXPECT_EQ(a, b);
    EXPECT_EQ(GetModuleHandleA("comctl32"), a);
    FreeLibrary(a);
    EXPECT_TRUE(GetModuleHandleA("comctl32")) << "one reference left";
    FreeLibrary(b);
    EXPECT_FALSE(GetModuleHandleA("comctl32"));
    EXPECT_EQ(GetProcAddress(a, "_TrackMouseEvent"), nullptr) << "an unloaded module exports nothing";
    EXPECT_FALSE(FreeLibrary(a));
}

TEST_F(ModuleTest, HiddenExportsDisappearUntilReset) {
    headless::hide_export("User32", "TrackMouseEvent");
    HMODULE user = GetModuleHandleA("user32");
    EXPECT_EQ(GetProcAddress(user, "TrackMouseEvent"), nullptr);
    headless::reset();
    EXPECT_NE(GetProcAddress(user, "TrackMouseEvent"), nullptr);
}

}  // namespace
}  // namespace usertest
