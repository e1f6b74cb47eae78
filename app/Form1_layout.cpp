// Form1's layout table. Positions and sizes are twips, relative to the parent's
// client area; the forms runtime turns them into pixels (15 twips a pixel).

#include "app/Form1.h"
#include "app/gateway_config.h"
#include "app/program_icon.h"

namespace app::Form1 {
namespace {

// Five lines, each ended by CR LF.
constexpr const char* kAboutText =
    "作者QQ：80651273\r\n"
    "网站：http://www.zelvio.net/\r\n"
    "支持本软件请把浏览器主页设为：\r\n"
    "http://www.zelvio.net/home/\r\n"
    "—— Zelvio 工作室\r\n";

}  // namespace

forms::FormDef Definition() {
    using forms::ControlKind;
    forms::FormDef def;
    def.name = "Form1";
    def.caption = kCaption;
    def.client_width = 4110;   // 274 pixels
    def.client_height = 8595;  // 573 pixels
    def.icon = ProgramIcon();

    //          kind                       name           parent    left  top   width height caption  tab stacking
    def.controls = {
        {ControlKind::Custom,        "WebBrowser1", "",       0,    720,  4095, 6495, "",      0, 3,
         WS_TABSTOP, WS_EX_CLIENTEDGE, browser::kWindowClass},
        {ControlKind::TextBox,       "Text1",       "",       0,    7230, 4100, 1335, kAboutText, 1, 2,
         ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 0, ""},
        {ControlKind::CommandButton, "Command1",    "",       3240, 8040, 735,  375,  "退 出", 2, 1, 0, 0, ""},
        {ControlKind::Frame,         "Frame1",      "",       0,    0,    4095, 735,  "地址栏", 3, 0, 0, 0, ""},
        {ControlKind::TextBox,       "Text2",       "Frame1", 120,  240,  2895, 375,  ZELVIO_START_ADDRESS, 4, 0,
         ES_AUTOHSCROLL, 0, ""},
        {ControlKind::CommandButton, "Command2",    "Frame1", 3120, 240,  735,  375,  "转到", 5, 1, 0, 0, ""},
    };
    return def;
}

}  // namespace app::Form1
