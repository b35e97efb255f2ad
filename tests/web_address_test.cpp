#include "ui/web_address.h"

#include "linkgen/links.h"

#include <gtest/gtest.h>

TEST(WebAddressForShell, OnlyAbsoluteHttpAndHttpsLinksPass) {
    struct Case {
        std::string text;
        std::optional<std::string> handed_over;
    };
    const std::string generated = make_generated_link();
    const std::string vip = make_vip_link();
    const Case cases[] = {
        {"", std::nullopt},
        {"   \r\n\t", std::nullopt},
        {"calc.exe", std::nullopt},
        {"C:\\Windows\\System32\\notepad.exe", std::nullopt},
        {"file:///C:/windows/win.ini", std::nullopt},
        {"\\\\127.0.0.1\\share\\x.exe", std::nullopt},
        {"ms-msdt:/id PCWDiagnostic", std::nullopt},
        {"search-ms:query=x", std::nullopt},
        {"javascript:alert(1)", std::nullopt},
        {"tencent://ContactInfo/?uin=1", std::nullopt},
        {"http://", std::nullopt},
        {"https:///path", std::nullopt},
        {"http://user@/x", std::nullopt},
        {"http:\\\\host\\share", std::nullopt},
        {"http://\\\\host\\share", std::nullopt},
        {"http:/a.example/", std::nullopt},
        {"httpx://a.example/", std::nullopt},
        {"http://a b.example/", std::nullopt},
        {"http://a.example/\x01x", std::nullopt},
        {"http://a.example/x\r\ncalc.exe", std::nullopt},
        {" http://a.example/\r\n", "http://a.example/"},
        {"HTTP://A.EXAMPLE/", "HTTP://A.EXAMPLE/"},
        {"hTtPs://a.example:8443/p?q=1#f", "hTtPs://a.example:8443/p?q=1#f"},
        {"http://127.0.0.1:8080", "http://127.0.0.1:8080"},
        {"http://a.example/是", "http://a.example/是"},
        {generated, generated},
        {vip, vip},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(web_address_for_shell(c.text), c.handed_over);
    }
}
