#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/display_scale.h"

namespace velocarta {

// The options of the command line that are read before the program starts. Everything
// else stays as it stands, for Qt (-platform, -display ...) and for the program itself,
// which takes its command line as one text ("HWI").
struct StartOptions {
    std::optional<std::string> scale;  // "--scale=X" or "--scale X"
    bool help = false;                 // "--help"
    bool version = false;              // "--version"
    std::vector<std::string> rest;
    std::string error;  // what is wrong with the command line, if anything
};

// `arguments` without the program's name.
StartOptions ParseStartOptions(const std::vector<std::string>& arguments);

// The settings file: $XDG_CONFIG_HOME/velocarta/velocarta.conf, with ~/.config in place of
// an unset or relative XDG_CONFIG_HOME. Empty when neither gives a folder.
std::string SettingsFilePath(std::string_view xdgConfigHome, std::string_view home);

// One entry of the settings file and the line it stands on.
struct Setting {
    std::string value;
    int line = 0;
};

// The "key=value" entries of a settings file. Blank lines, lines that begin with '#' or ';'
// and section headers such as "[velocarta]" are skipped; blanks around keys and values
// are dropped; a key given twice keeps its last value. Lines without '=' are reported in
// `problems` by their line number.
std::map<std::string, Setting> ReadSettings(std::string_view text, std::vector<int>& problems);

// The scale to draw with: the command line's, else the settings file's, else fitted.
// A wrong value on the command line is an `error` (the program does not start); a wrong
// value in the settings file is a `warning`, and the fitted scale is used.
struct ScaleDecision {
    ScaleChoice choice;
    std::string warning;
    std::string error;
};
ScaleDecision DecideScale(const std::optional<std::string>& commandLine,
                          const std::map<std::string, Setting>& settings,
                          std::string_view settingsPath);

}  // namespace velocarta
