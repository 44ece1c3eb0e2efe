#include "shell/start_options.h"

#include "content/text.h"

namespace velocarta {

namespace {

constexpr std::string_view kScaleOption = "--scale";

}  // namespace

StartOptions ParseStartOptions(const std::vector<std::string>& arguments) {
    StartOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help") {
            options.help = true;
        } else if (argument == "--version") {
            options.version = true;
        } else if (argument == kScaleOption) {
            if (i + 1 == arguments.size()) {
                options.error = "--scale needs a value: " + std::string(kScaleExpected);
                return options;
            }
            options.scale = arguments[++i];
        } else if (argument.starts_with(std::string(kScaleOption) + "=")) {
            options.scale = argument.substr(kScaleOption.size() + 1);
        } else {
            options.rest.push_back(argument);
        }
    }
    return options;
}

std::string SettingsFilePath(std::string_view xdgConfigHome, std::string_view home) {
    std::string folder;
    if (xdgConfigHome.starts_with('/')) {
        folder = xdgConfigHome;
    } else if (home.starts_with('/')) {
        folder = std::string(home) + "/.config";
    } else {
        return {};
    }
    while (folder.size() > 1 && folder.back() == '/') {
        folder.pop_back();
    }
    return folder + "/velocarta/velocarta.conf";
}

std::map<std::string, Setting> ReadSettings(std::string_view text, std::vector<int>& problems) {
    std::map<std::string, Setting> settings;
    int number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = TrimBlanks(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++number;
        if (line.empty() || line.front() == '#' || line.front() == ';' ||
            (line.front() == '[' && line.back() == ']')) {
            continue;
        }
        const std::size_t equals = line.find('=');
        const std::string_view key = equals == std::string_view::npos
                                         ? std::string_view()
                                         : TrimBlanks(line.substr(0, equals));
        if (key.empty()) {
            problems.push_back(number);
            continue;
        }
        settings[std::string(key)] = {std::string(TrimBlanks(line.substr(equals + 1))), number};
    }
    return settings;
}

ScaleDecision DecideScale(const std::optional<std::string>& commandLine,
                          const std::map<std::string, Setting>& settings,
                          std::string_view settingsPath) {
    ScaleDecision decision;
    if (commandLine) {
        if (const auto choice = ParseScale(*commandLine)) {
            decision.choice = *choice;
        } else {
            decision.error =
                "--scale takes " + std::string(kScaleExpected) + ", not \"" + *commandLine + "\"";
        }
        return decision;
    }
    const auto entry = settings.find("scale");
    if (entry == settings.end()) {
        return decision;
    }
    if (const auto choice = ParseScale(entry->second.value)) {
        decision.choice = *choice;
    } else {
        decision.warning = std::string(settingsPath) + ":" + std::to_string(entry->second.line) +
                           ": scale takes " + std::string(kScaleExpected) + ", not \"" +
                           entry->second.value + "\"; the program is fitted to the screen";
    }
    return decision;
}

}  // namespace velocarta
