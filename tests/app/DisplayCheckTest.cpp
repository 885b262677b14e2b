#include <gtest/gtest.h>
#include <QByteArray>

#include "app/DisplayCheck.h"

namespace {

const char* const kVariables[] = {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"};

// Sets the display variables for one case and puts the old values back afterwards.
class DisplayVariables {
public:
    DisplayVariables() {
        for (const char* name : kVariables) m_saved.push_back(qgetenv(name));
    }
    ~DisplayVariables() {
        for (size_t i = 0; i < std::size(kVariables); ++i) Restore(kVariables[i], m_saved[i]);
    }
    void Set(const char* display, const char* wayland, const char* platform) {
        Restore("DISPLAY", display);
        Restore("WAYLAND_DISPLAY", wayland);
        Restore("QT_QPA_PLATFORM", platform);
    }

private:
    static void Restore(const char* name, const QByteArray& value) {
        if (value.isEmpty()) {
            qunsetenv(name);
        } else {
            qputenv(name, value);
        }
    }
    std::vector<QByteArray> m_saved;
};

#if !defined(Q_OS_WIN) && !defined(Q_OS_MACOS)
TEST(DisplayCheck, NeedsADisplayOrANamedPlatform) {
    struct Case {
        const char* display;
        const char* wayland;
        const char* platform;
        bool available;
    };
    const Case cases[] = {
        {"", "", "", false},
        {":0", "", "", true},
        {"", "wayland-0", "", true},
        {"", "", "offscreen", true},
    };
    DisplayVariables variables;
    for (const Case& c : cases) {
        variables.Set(c.display, c.wayland, c.platform);
        EXPECT_EQ(DisplayAvailable(), c.available)
            << "DISPLAY=" << c.display << " WAYLAND_DISPLAY=" << c.wayland
            << " QT_QPA_PLATFORM=" << c.platform;
    }
}
#endif

TEST(DisplayCheck, MessageIsOneLineThatSaysHowToRunAnyway) {
    const std::string message = NoDisplayMessage("/opt/tool/tavrel");
    EXPECT_EQ(message.find('\n'), std::string::npos);
    EXPECT_NE(message.find("No display"), std::string::npos);
    EXPECT_NE(message.find("xvfb-run -s \"-screen 0 1366x768x24\" /opt/tool/tavrel"), std::string::npos);
}

}  // namespace
