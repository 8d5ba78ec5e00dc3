// Whether the program finds a screen before it starts Qt.

#include "windows/Display.h"

#include <QByteArray>
#include <QDir>
#include <QLibraryInfo>
#include <QtGlobal>

#include <gtest/gtest.h>

#include <array>
#include <optional>

namespace jumpline {
namespace {

constexpr std::array kVariables = {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"};

// Sets the three variables for one case and puts the old values back afterwards.
class Environment {
public:
    Environment()
    {
        for (std::size_t i = 0; i < kVariables.size(); ++i)
            if (qEnvironmentVariableIsSet(kVariables[i]))
                saved[i] = qgetenv(kVariables[i]);
    }
    ~Environment()
    {
        for (std::size_t i = 0; i < kVariables.size(); ++i)
            set(kVariables[i], saved[i] ? saved[i]->constData() : nullptr);
    }
    static void set(const char *name, const char *value)
    {
        if (value != nullptr)
            qputenv(name, value);
        else
            qunsetenv(name);
    }

private:
    std::array<std::optional<QByteArray>, kVariables.size()> saved;
};

// Without Qt's Wayland platform (a package of its own) Qt falls back to X.
bool waylandInQt()
{
    const QDir platforms(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms"));
    return !platforms.entryList({QStringLiteral("libqwayland*")}, QDir::Files).isEmpty();
}

struct DisplayCase {
    const char *name;
    const char *platform, *display, *wayland;
    const char *problem; // part of the message; nullptr: no problem
};

TEST(DisplayProblem, SaysWhyThereIsNoScreen)
{
    const DisplayCase cases[] = {
        {"nothing set", nullptr, nullptr, nullptr, "DISPLAY is not set"},
        {"an empty DISPLAY", nullptr, "", nullptr, "DISPLAY is not set"},
        {"no X server at DISPLAY", nullptr, ":8497", nullptr, "no X server answers at DISPLAY=:8497"},
        {"a platform chosen", "offscreen", nullptr, nullptr, nullptr},
        {"the X platform chosen, no DISPLAY", "xcb", nullptr, nullptr, "DISPLAY is not set"},
        {"the X platform chosen, no X server", "xcb", ":8497", nullptr, "no X server answers"},
        {"a Wayland display", nullptr, nullptr, "wayland-0", waylandInQt() ? nullptr : "DISPLAY is not set"},
    };
    const Environment restore;
    for (const DisplayCase &c : cases) {
        SCOPED_TRACE(c.name);
        Environment::set("QT_QPA_PLATFORM", c.platform);
        Environment::set("DISPLAY", c.display);
        Environment::set("WAYLAND_DISPLAY", c.wayland);
        const std::optional<std::string> problem = displayProblem();
        if (c.problem == nullptr) {
            EXPECT_FALSE(problem.has_value()) << *problem;
        } else {
            ASSERT_TRUE(problem.has_value());
            EXPECT_NE(problem->find(c.problem), std::string::npos) << *problem;
        }
    }
}

} // namespace
} // namespace jumpline
