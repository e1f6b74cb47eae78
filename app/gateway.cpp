#include "app/gateway.h"

#include "app/gateway_config.h"

namespace app {
namespace {

bool NeedsEscape(unsigned char c) {
    if (c < 0x20 || c >= 0x7F) return true;  // control bytes, DEL and UTF-8 sequences
    switch (c) {
        case ' ': case '"': case '#': case '%': case '&': case '+': case '<': case '>':
            return true;
        default:
            return false;
    }
}

}  // namespace

const std::string& GatewayPrefix() {
    static const std::string prefix = std::string("http://") + ZELVIO_GATEWAY_HOST + "/wapmo/wap.asp?url=";
    return prefix;
}

std::string EncodeQueryValue(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (char ch : text) {
        auto c = static_cast<unsigned char>(ch);
        if (NeedsEscape(c)) {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 0xF];
        } else {
            out += ch;
        }
    }
    return out;
}

std::string RequestAddress(std::string_view typed) { return GatewayPrefix() + EncodeQueryValue(typed); }

}  // namespace app
