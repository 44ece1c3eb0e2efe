#include "app/start_plan.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "shell/start_options.h"

namespace velocarta {

namespace {

constexpr const char* kUsage =
    "Usage: velocarta [--scale=fit|FACTOR] [HWI]\n"
    "The Vantrel Velocarta 2000: a multimedia reference about the Vantrel car model line.\n"
    "\n"
    "  --scale=fit     draw the program as large as the screen allows (the default)\n"
    "  --scale=FACTOR  draw it FACTOR times its designed size, from 0.5 to 8 (e.g. 1.5)\n"
    "  --help          show this help and end\n"
    "  --version       show the version and end\n"
    "  HWI             read all content from the program's own folder\n"
    "\n"
    "The content disc is the first of the folders named in VELOCARTA_DRIVES (separated by\n"
    "':') and of the mounted discs and removable media that holds a vantrels folder.\n"
    "The settings file %s may hold \"scale=fit\" or \"scale=FACTOR\".\n"
    "See velocarta(1).\n";

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : value;
}

// The settings, or none when there is no settings file (the usual case).
std::map<std::string, Setting> ReadSettingsFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (path.empty() || !file) {
        return {};
    }
    std::ostringstream text;
    text << file.rdbuf();
    std::vector<int> problems;
    auto settings = ReadSettings(text.str(), problems);
    for (const int line : problems) {
        std::fprintf(stderr, "velocarta: %s:%d: not a setting (key=value); skipped\n", path.c_str(),
                     line);
    }
    return settings;
}

}  // namespace

StartPlan PlanStart(int argc, char** argv) {
    StartPlan plan;
    const StartOptions options =
        ParseStartOptions(std::vector<std::string>(argv + std::min(argc, 1), argv + argc));
    const std::string settingsPath =
        SettingsFilePath(Variable("XDG_CONFIG_HOME"), Variable("HOME"));
    if (!options.error.empty()) {
        std::fprintf(stderr, "velocarta: %s\nTry 'velocarta --help'.\n", options.error.c_str());
        return {true, 2, {}, {}};
    }
    if (options.help) {
        std::printf(kUsage, settingsPath.empty() ? "velocarta/velocarta.conf in the config folder"
                                                 : settingsPath.c_str());
        return {true, 0, {}, {}};
    }
    if (options.version) {
        std::printf("velocarta %s\n", VELOCARTA_VERSION);
        return {true, 0, {}, {}};
    }
    const ScaleDecision scale = DecideScale(
        options.scale,
        options.scale ? std::map<std::string, Setting>() : ReadSettingsFile(settingsPath),
        settingsPath);
    if (!scale.error.empty()) {
        std::fprintf(stderr, "velocarta: %s\nTry 'velocarta --help'.\n", scale.error.c_str());
        return {true, 2, {}, {}};
    }
    if (!scale.warning.empty()) {
        std::fprintf(stderr, "velocarta: %s\n", scale.warning.c_str());
    }
    plan.scale = scale.choice;
    plan.arguments.emplace_back(argc > 0 ? argv[0] : "velocarta");
    plan.arguments.insert(plan.arguments.end(), options.rest.begin(), options.rest.end());
    return plan;
}

}  // namespace velocarta
