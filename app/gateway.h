#pragma once
// Every address is opened through the WAP-to-HTML gateway: the browser asks the
// gateway's page for the typed address, never the address itself.

#include <string>
#include <string_view>

namespace app {

// "http://" + the gateway host + "/wapmo/wap.asp?url=" (the host is fixed at build time).
const std::string& GatewayPrefix();

// The address the browser loads for what the user typed: the gateway prefix and
// the typed address as the query value. The bytes that would change the query's
// meaning (space, '"', '#', '%', '&', '+', '<', '>', control bytes and every
// byte of 0x80 and above) are percent-encoded; everything else stays as typed,
// so a plain address reaches the gateway unchanged and an empty one gives the
// bare prefix.
std::string RequestAddress(std::string_view typed);

// The encoding alone: "a b&c" gives "a%20b%26c".
std::string EncodeQueryValue(std::string_view text);

}  // namespace app
