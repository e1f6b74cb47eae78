// The request address: the gateway prefix and the typed address as its query
// value, with only the bytes that would change the query's meaning escaped.

#include <gtest/gtest.h>

#include <string>

#include "app/gateway.h"
#include "app/gateway_config.h"

namespace {

TEST(GatewayTest, PrefixIsSchemeHostAndTheFixedTail) {
    EXPECT_EQ(app::GatewayPrefix(), std::string("http://") + ZELVIO_GATEWAY_HOST + "/wapmo/wap.asp?url=");
}

struct RequestCase {
    const char* what;
    std::string typed;
    std::string query_value;  // what follows the prefix
};

TEST(GatewayTest, RequestAddressEscapesExactlyWhatWouldChangeTheQuery) {
    const RequestCase cases[] = {
        {"plain address, byte for byte", "http://wap.example.com/news/index.wml?id=7;p=2",
         "http://wap.example.com/news/index.wml?id=7;p=2"},
        {"empty box gives the bare prefix", "", ""},
        {"blanks", "a b  c", "a%20b%20%20c"},
        {"ampersand would split the query", "http://x/?a=1&b=2", "http://x/?a=1%26b=2"},
        {"hash would cut the rest off", "http://x/page#top", "http://x/page%23top"},
        {"percent would start an escape", "100%25", "100%2525"},
        {"plus would become a blank", "a+b", "a%2Bb"},
        {"quotes and angle brackets", "<\"x\">", "%3C%22x%22%3E"},
        {"control bytes and DEL", std::string("\t\r\n\x01\x7f", 5), "%09%0D%0A%01%7F"},
        {"UTF-8 bytes, upper-case hex", "手机", "%E6%89%8B%E6%9C%BA"},
        {"everything else stays as typed", "?/:=;@$,!'()*~-._[]{}|\\^`", "?/:=;@$,!'()*~-._[]{}|\\^`"},
    };
    for (const RequestCase& c : cases) {
        EXPECT_EQ(app::RequestAddress(c.typed), app::GatewayPrefix() + c.query_value) << c.what;
    }
}

TEST(GatewayTest, EmptyAddressEndsInUrlEquals) {
    std::string request = app::RequestAddress("");
    ASSERT_GE(request.size(), 4u);
    EXPECT_EQ(request.substr(request.size() - 4), "url=");
}

TEST(GatewayTest, NulByteInTheMiddleIsEscapedNotTruncated) {
    EXPECT_EQ(app::EncodeQueryValue(std::string("a\0b", 3)), "a%00b");
}

}  // namespace
